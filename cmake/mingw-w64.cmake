# Cross-compiling for 64-bit Windows on Debian with mingw-w64's posix-thread compilers (the
# win32-thread flavour's libstdc++ has no std::thread or std::mutex, which Qt 6 needs).
#
# Used for both builds: Qt itself (tools/windows/build-qt keeps a copy beside the Qt it makes,
# because Qt's installed package files remember the toolchain file's path) and the program,
# which finds that Qt through DRILL_WINDOWS_QT (a cache variable or the environment).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(DRILL_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${DRILL_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${DRILL_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${DRILL_MINGW}-windres)

if(NOT DRILL_WINDOWS_QT AND DEFINED ENV{DRILL_WINDOWS_QT})
  set(DRILL_WINDOWS_QT "$ENV{DRILL_WINDOWS_QT}")
endif()
# try_compile projects get a fresh cache: hand the Qt prefix on to them.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES DRILL_WINDOWS_QT)

set(CMAKE_FIND_ROOT_PATH /usr/${DRILL_MINGW})
if(DRILL_WINDOWS_QT)
  list(APPEND CMAKE_FIND_ROOT_PATH ${DRILL_WINDOWS_QT})
  list(APPEND CMAKE_PREFIX_PATH ${DRILL_WINDOWS_QT})
endif()
# Programs (moc, rcc, uic and the rest of the build's tools) are the host's; libraries,
# headers and packages come from the Windows side only.
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
