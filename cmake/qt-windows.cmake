# The Qt for MinGW-w64 the Windows build uses, named once: its folder in the
# user's cache, unless TAVRISK_QT_WINDOWS (CMake or environment) names
# another. Included by the toolchain file; scripts ask it with
#   cmake -DPRINT=NAME|PREFIX -P cmake/qt-windows.cmake
set(TAVRISK_QT_WINDOWS_NAME qt-6.4.2-mingw64)
if(NOT TAVRISK_QT_WINDOWS)
    if(DEFINED ENV{TAVRISK_QT_WINDOWS})
        set(TAVRISK_QT_WINDOWS $ENV{TAVRISK_QT_WINDOWS})
    elseif(DEFINED ENV{XDG_CACHE_HOME})
        set(TAVRISK_QT_WINDOWS $ENV{XDG_CACHE_HOME}/tavrisk/${TAVRISK_QT_WINDOWS_NAME})
    else()
        set(TAVRISK_QT_WINDOWS $ENV{HOME}/.cache/tavrisk/${TAVRISK_QT_WINDOWS_NAME})
    endif()
endif()
if(PRINT STREQUAL "NAME")
    execute_process(COMMAND ${CMAKE_COMMAND} -E echo ${TAVRISK_QT_WINDOWS_NAME})
elseif(PRINT STREQUAL "PREFIX")
    execute_process(COMMAND ${CMAKE_COMMAND} -E echo ${TAVRISK_QT_WINDOWS})
endif()
