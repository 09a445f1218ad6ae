# The system the program is built for, and all that the build of the program chooses by it: the
# packages found, the platform services' files compiled into drill_app, and DRILL_SISTEMA_BROWSER
# or DRILL_SISTEMA_WINDOWS, which platform/SystemServices.h follows to name the services. The top
# CMakeLists.txt includes this file once, before the program's targets; src/CMakeLists.txt calls
# drill_servizi_di_sistema(drill_app).
if(EMSCRIPTEN)
  set(DRILL_SISTEMA browser)
elseif(WIN32)
  set(DRILL_SISTEMA windows)
elseif(CMAKE_SYSTEM_NAME STREQUAL "Linux")
  set(DRILL_SISTEMA linux)
else()
  set(DRILL_SISTEMA desktop)
endif()

# Printing through the system's print spooler, on the desktop; a browser has none.
if(NOT DRILL_SISTEMA STREQUAL "browser")
  find_package(Qt6 REQUIRED COMPONENTS PrintSupport)
endif()
# The sound of a right answer: winmm on Windows, the page's Web Audio in a browser, Qt
# Multimedia elsewhere.
if(DRILL_SISTEMA STREQUAL "linux" OR DRILL_SISTEMA STREQUAL "desktop")
  find_package(Qt6 REQUIRED COMPONENTS Multimedia)
endif()
# Linux prints through CUPS, and libcups tells whether the scheduler really took a job.
if(DRILL_SISTEMA STREQUAL "linux")
  find_package(Cups REQUIRED)
endif()

# The faces a browser's program carries in itself, for Arial, Courier New and MS Sans Serif.
set(DRILL_FACCE_LIBERATION
    LiberationSans-Regular LiberationSans-Bold LiberationMono-Regular LiberationMono-Bold)

function(drill_servizi_di_sistema target)
  set(here ${PROJECT_SOURCE_DIR}/src)
  if(DRILL_SISTEMA STREQUAL "browser")
    # In a browser: the chime through Web Audio, each printout a PDF download, no program to
    # start, the page told of the end, and the Liberation faces, Qt's Italian texts and the
    # program's icon (for its windows' title bars, which Qt draws in a page) carried in the
    # program itself.
    target_compile_definitions(${target} PUBLIC DRILL_SISTEMA_BROWSER=1)
    target_sources(${target} PRIVATE
      ${here}/platform/WebSound.h ${here}/platform/WebSound.cpp
      ${here}/platform/BrowserPrinter.h ${here}/platform/BrowserPrinter.cpp
      ${here}/platform/BrowserLauncher.h ${here}/platform/BrowserEnding.h
      ${here}/platform/BrowserSystem.cpp)
    set(files ${CMAKE_CURRENT_BINARY_DIR}/positivo.wav ${CMAKE_CURRENT_BINARY_DIR}/icona.png
              ${CMAKE_CURRENT_BINARY_DIR}/translations/qtbase_it.qm)
    foreach(face ${DRILL_FACCE_LIBERATION})
      configure_file(/usr/share/fonts/truetype/liberation/${face}.ttf
                     ${CMAKE_CURRENT_BINARY_DIR}/fonts/${face}.ttf COPYONLY)
      list(APPEND files ${CMAKE_CURRENT_BINARY_DIR}/fonts/${face}.ttf)
    endforeach()
    configure_file(${QT6_INSTALL_PREFIX}/translations/qtbase_it.qm
                   ${CMAKE_CURRENT_BINARY_DIR}/translations/qtbase_it.qm COPYONLY)
    configure_file(${PROJECT_SOURCE_DIR}/resources/positivo.wav
                   ${CMAKE_CURRENT_BINARY_DIR}/positivo.wav COPYONLY)
    find_program(RSVG_CONVERT rsvg-convert REQUIRED)
    add_custom_command(OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/icona.png
      COMMAND ${RSVG_CONVERT} -w 32 -h 32 -o ${CMAKE_CURRENT_BINARY_DIR}/icona.png
              ${PROJECT_SOURCE_DIR}/resources/${DRILL_APP_ID}.svg
      DEPENDS ${PROJECT_SOURCE_DIR}/resources/${DRILL_APP_ID}.svg VERBATIM)
    qt_add_resources(${target} browser_files PREFIX / BASE ${CMAKE_CURRENT_BINARY_DIR}
                     FILES ${files})
    return()
  endif()

  # On the desktop: Qt's launcher, the default printer through Qt PrintSupport, the end of the
  # event loop, and the program's scale where the screen is too small for its windows.
  target_sources(${target} PRIVATE
    ${here}/platform/ScreenFit.cpp
    ${here}/platform/QtLauncher.h ${here}/platform/QtLauncher.cpp
    ${here}/platform/QtPrinter.h ${here}/platform/QtPrinter.cpp ${here}/platform/Spooler.h
    ${here}/platform/QtEnding.h)
  target_link_libraries(${target} PUBLIC Qt6::PrintSupport)

  # The sound of a right answer: winmm's PlaySound on Windows, Qt Multimedia elsewhere.
  if(DRILL_SISTEMA STREQUAL "windows")
    target_compile_definitions(${target} PUBLIC DRILL_SISTEMA_WINDOWS=1)
    target_sources(${target} PRIVATE ${here}/platform/WinSound.h ${here}/platform/WinSound.cpp)
    target_link_libraries(${target} PUBLIC winmm)
  else()
    target_sources(${target} PRIVATE ${here}/platform/QtSound.h ${here}/platform/QtSound.cpp)
    target_link_libraries(${target} PUBLIC Qt6::Multimedia)
  endif()

  # Whether the print system took a job: on Linux libcups is asked (its declarations only: the
  # library is found at run time, SpoolerCups.cpp says why); elsewhere Qt's engine tells.
  if(DRILL_SISTEMA STREQUAL "linux")
    target_sources(${target} PRIVATE ${here}/platform/SpoolerCups.cpp)
    target_include_directories(${target} PRIVATE
      $<TARGET_PROPERTY:Cups::Cups,INTERFACE_INCLUDE_DIRECTORIES>)
  else()
    target_sources(${target} PRIVATE ${here}/platform/SpoolerQt.cpp)
  endif()
endfunction()
