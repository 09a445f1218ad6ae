# What a school installs on Windows, both from the same install rules: an installer for 64-bit
# Windows in Italian (cpack -G NSIS: rovororezovered-<version>-win64-setup.exe) and a portable
# ZIP that runs from any folder or a USB stick (cpack -G ZIP: rovororezovered-<version>-win64.zip).
set(CPACK_GENERATOR NSIS ZIP)
# The program's folder is the whole package: the files at its top, no prefix inside.
set(CPACK_PACKAGING_INSTALL_PREFIX "")
set(CPACK_PACKAGE_FILE_NAME ${CPACK_PACKAGE_NAME}-${PROJECT_VERSION}-win64)
# The installer's name differs from the ZIP's: set per generator when cpack runs.
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/CPackPerGenerator.cmake)
set(CPACK_STRIP_FILES ON)

# The installer: its own compact script (NSIS.template.in, found on the module path), in
# Italian, 64-bit, into Program Files, with a Start-menu entry and an uninstaller.
list(APPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR})
set(CPACK_PACKAGE_INSTALL_DIRECTORY "ROVOROREZOVERED.1")
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY "ROVOROREZOVERED.1")
set(CPACK_NSIS_PACKAGE_NAME "ROVOROREZOVERED.1")
set(CPACK_NSIS_DISPLAY_NAME "ROVOROREZOVERED.1")
set(CPACK_NSIS_UNINSTALL_NAME "Disinstalla")
set(CPACK_NSIS_MUI_ICON ${DRILL_WINDOWS_ICON})
set(CPACK_NSIS_MUI_UNIICON ${DRILL_WINDOWS_ICON})
