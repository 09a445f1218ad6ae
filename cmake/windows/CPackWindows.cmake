# What a school installs on Windows, all three from the same install rules: an installer for 64-bit
# Windows in Italian for one PC (cpack -G NSIS: rovororezovered-<version>-win64-setup.exe), a
# Windows Installer package for a lab or a school network (cpack -G External, with wixl:
# rovororezovered-<version>-win64.msi) and a portable ZIP that runs from any folder or a USB stick
# (cpack -G ZIP: rovororezovered-<version>-win64.zip).
set(CPACK_GENERATOR NSIS ZIP External)
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

# The MSI: the staged files handed to cmake/windows/CPackMsi.cmake. The upgrade code names the
# program for Windows Installer in every version: never change it.
find_program(DRILL_WIXL wixl REQUIRED)
set(CPACK_EXTERNAL_ENABLE_STAGING ON)
set(CPACK_EXTERNAL_PACKAGE_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/CPackMsi.cmake)
set(CPACK_DRILL_WIXL ${DRILL_WIXL})
set(CPACK_DRILL_MSI_TEMPLATE ${CMAKE_CURRENT_LIST_DIR}/rovororezovered.wxs.in)
set(CPACK_DRILL_MSI_UPGRADE_CODE 032EAC87-293D-4ECD-92C2-A87F2BBB200B)
