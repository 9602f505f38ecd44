# Cross-building for 64-bit Windows with Debian's MinGW-w64 (posix threads),
# against the Qt that scripts/qt-windows puts in the user's cache folder
# (TAVRISK_QT_WINDOWS names another). Qt's host tools (moc, rcc, uic) are
# Debian's own. Programs built here run under Wine, tests included.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

include(${CMAKE_CURRENT_LIST_DIR}/qt-windows.cmake)
set(TAVRISK_QT_WINDOWS ${TAVRISK_QT_WINDOWS} CACHE PATH "Qt for MinGW-w64 (scripts/qt-windows)")
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 ${TAVRISK_QT_WINDOWS})
set(CMAKE_PREFIX_PATH ${TAVRISK_QT_WINDOWS})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)
set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)

# Each program run, tests included, in Wine with a prefix of its own.
set(CMAKE_CROSSCOMPILING_EMULATOR env TAVRISK_QT_WINDOWS=${TAVRISK_QT_WINDOWS}
    ${CMAKE_CURRENT_LIST_DIR}/wine-run)
