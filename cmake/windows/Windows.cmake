# The Windows build, cross-compiled with mingw-w64 (cmake/mingw-w64.cmake): its tests run under
# Wine, and what a school installs (an installer and a portable ZIP) holds the program with
# exactly the DLLs, plugins and data it loads.

# The folders of the DLLs the program imports: Qt's, and mingw-w64's C++ runtime.
set(DRILL_QT_DLL_DIR "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}")
set(DRILL_MINGW_RUNTIME)
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                  OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
    message(FATAL_ERROR "mingw-w64's ${dll} was not found (${CMAKE_CXX_COMPILER})")
  endif()
  list(APPEND DRILL_MINGW_RUNTIME "${path}")
endforeach()

# Every test executable runs under Wine, in a prefix of this build's own, finding its DLLs
# where the build left them.
set(dll_dirs "${DRILL_QT_DLL_DIR}")
foreach(dll ${DRILL_MINGW_RUNTIME})
  get_filename_component(dir "${dll}" DIRECTORY)
  list(APPEND dll_dirs "${dir}")
endforeach()
list(REMOVE_DUPLICATES dll_dirs)
string(REPLACE ";" ":" dll_dirs "${dll_dirs}")
set(CMAKE_CROSSCOMPILING_EMULATOR
    ${PROJECT_SOURCE_DIR}/tools/windows/wine-run ${CMAKE_BINARY_DIR}/wine "${dll_dirs}")

# The program's icon, made from the same drawing as the Linux one: in the executable, where
# Explorer and the Start menu find it, and on the installer's pages.
set(DRILL_WINDOWS_ICON ${CMAKE_BINARY_DIR}/rovororezovered.ico)

# drill_windows_program(target): the icon in the executable.
function(drill_windows_program target)
  find_program(RSVG_CONVERT rsvg-convert REQUIRED)
  find_program(ICOTOOL icotool REQUIRED)
  set(svg ${PROJECT_SOURCE_DIR}/resources/${DRILL_APP_ID}.svg)
  set(ico ${DRILL_WINDOWS_ICON})
  set(pngs)
  foreach(size 16 24 32 48 256)
    set(png ${CMAKE_CURRENT_BINARY_DIR}/icon-${size}.png)
    add_custom_command(OUTPUT ${png}
      COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${svg}
      DEPENDS ${svg} VERBATIM)
    list(APPEND pngs ${png})
  endforeach()
  add_custom_command(OUTPUT ${ico} COMMAND ${ICOTOOL} -c -o ${ico} ${pngs} DEPENDS ${pngs}
                     VERBATIM)
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/rovororezovered.rc)
  file(WRITE ${rc} "IDI_ICON1 ICON \"${ico}\"\n")
  set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS ${ico})
  target_sources(${target} PRIVATE ${rc})
endfunction()

# drill_windows_deploy(destination): installs beside the program what it loads at run time:
# Qt's DLLs, the C++ runtime, the platform plugin, and Qt's Italian texts with the qt.conf that
# points Qt at them. The DLLs go stripped of their symbols (the C++ runtime shrinks from 24 MB
# to 2 MB); nothing in them names a folder of this machine.
function(drill_windows_deploy destination)
  set(qt_dlls)
  foreach(module Core Gui Widgets PrintSupport)
    list(APPEND qt_dlls "${DRILL_QT_DLL_DIR}/Qt6${module}.dll")
  endforeach()
  set(platform_plugin "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_PLUGINS}/platforms/qwindows.dll")
  set(stripped_dir ${CMAKE_BINARY_DIR}/deploy)
  set(stripped)
  foreach(dll ${qt_dlls} ${DRILL_MINGW_RUNTIME} ${platform_plugin})
    get_filename_component(name "${dll}" NAME)
    add_custom_command(OUTPUT ${stripped_dir}/${name}
      COMMAND ${CMAKE_STRIP} --strip-unneeded -o ${stripped_dir}/${name} ${dll}
      DEPENDS ${dll} VERBATIM)
    list(APPEND stripped ${stripped_dir}/${name})
  endforeach()
  add_custom_target(drill_windows_runtime ALL DEPENDS ${stripped})

  list(FILTER stripped EXCLUDE REGEX "/qwindows\\.dll$")
  install(FILES ${stripped} DESTINATION ${destination})
  install(FILES ${stripped_dir}/qwindows.dll DESTINATION ${destination}/plugins/platforms)
  install(FILES ${QT6_INSTALL_PREFIX}/translations/qtbase_it.qm
          DESTINATION ${destination}/translations)
  install(FILES ${PROJECT_SOURCE_DIR}/cmake/windows/qt.conf DESTINATION ${destination})
endfunction()
