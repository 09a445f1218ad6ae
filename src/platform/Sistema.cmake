# The platform services that differ from system to system, added to drill_app: the only place
# of the program's build that chooses by system (platform/SystemServices.h says what each is).

if(EMSCRIPTEN)
  # In a browser: the chime through Web Audio, each printout a PDF download, no program to
  # start, and the Liberation faces, Qt's Italian texts and the program's icon (for its windows'
  # title bars, which Qt draws in a page) carried in the program itself.
  target_sources(drill_app PRIVATE
    platform/WebSound.h platform/WebSound.cpp
    platform/BrowserPrinter.h platform/BrowserPrinter.cpp
    platform/BrowserLauncher.h
    platform/BrowserSystem.cpp)
  set(liberation /usr/share/fonts/truetype/liberation)
  foreach(face LiberationSans-Regular LiberationSans-Bold LiberationMono-Regular
               LiberationMono-Bold)
    configure_file(${liberation}/${face}.ttf ${CMAKE_CURRENT_BINARY_DIR}/fonts/${face}.ttf
                   COPYONLY)
  endforeach()
  configure_file(${QT6_INSTALL_PREFIX}/translations/qtbase_it.qm
                 ${CMAKE_CURRENT_BINARY_DIR}/translations/qtbase_it.qm COPYONLY)
  configure_file(${PROJECT_SOURCE_DIR}/resources/positivo.wav ${CMAKE_CURRENT_BINARY_DIR}/positivo.wav
                 COPYONLY)
  find_program(RSVG_CONVERT rsvg-convert REQUIRED)
  add_custom_command(OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/icona.png
    COMMAND ${RSVG_CONVERT} -w 32 -h 32 -o ${CMAKE_CURRENT_BINARY_DIR}/icona.png
            ${PROJECT_SOURCE_DIR}/resources/${DRILL_APP_ID}.svg
    DEPENDS ${PROJECT_SOURCE_DIR}/resources/${DRILL_APP_ID}.svg VERBATIM)
  qt_add_resources(drill_app browser_files PREFIX / BASE ${CMAKE_CURRENT_BINARY_DIR} FILES
    ${CMAKE_CURRENT_BINARY_DIR}/positivo.wav
    ${CMAKE_CURRENT_BINARY_DIR}/fonts/LiberationSans-Regular.ttf
    ${CMAKE_CURRENT_BINARY_DIR}/fonts/LiberationSans-Bold.ttf
    ${CMAKE_CURRENT_BINARY_DIR}/fonts/LiberationMono-Regular.ttf
    ${CMAKE_CURRENT_BINARY_DIR}/fonts/LiberationMono-Bold.ttf
    ${CMAKE_CURRENT_BINARY_DIR}/translations/qtbase_it.qm
    ${CMAKE_CURRENT_BINARY_DIR}/icona.png)
  return()
endif()

# On the desktop: Qt's launcher, the default printer through Qt PrintSupport, and the program's
# scale where the screen is too small for its windows.
target_sources(drill_app PRIVATE
  platform/ScreenFit.cpp
  platform/QtLauncher.h platform/QtLauncher.cpp
  platform/QtPrinter.h platform/QtPrinter.cpp platform/Spooler.h)
target_link_libraries(drill_app PUBLIC Qt6::PrintSupport)

# The sound of a right answer: winmm's PlaySound on Windows, Qt Multimedia elsewhere.
if(WIN32)
  target_sources(drill_app PRIVATE platform/WinSound.h platform/WinSound.cpp)
  target_link_libraries(drill_app PUBLIC winmm)
else()
  target_sources(drill_app PRIVATE platform/QtSound.h platform/QtSound.cpp)
  target_link_libraries(drill_app PUBLIC Qt6::Multimedia)
endif()

# Whether the print system took a job: on Linux libcups is asked (its declarations only: the
# library is found at run time, SpoolerCups.cpp says why); elsewhere Qt's engine tells.
if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
  target_sources(drill_app PRIVATE platform/SpoolerCups.cpp)
  target_include_directories(drill_app PRIVATE
    $<TARGET_PROPERTY:Cups::Cups,INTERFACE_INCLUDE_DIRECTORIES>)
else()
  target_sources(drill_app PRIVATE platform/SpoolerQt.cpp)
endif()
