# The Windows installer and portable zip: the program beside exactly the DLLs
# it loads (Qt Core, Gui and Widgets, the windows platform plugin and the
# MinGW runtime), stripped of their debug sections, with the licence and a
# short README. The installer is our own NSIS script (NSIS.template.in here).
foreach(module Core Gui Widgets)
    install(FILES $<TARGET_FILE:Qt6::${module}> DESTINATION .)
endforeach()
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
if(MINGW)
    # Where the cross-compiler keeps its runtime DLLs.
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-libgcc-file-name
        OUTPUT_VARIABLE libgcc OUTPUT_STRIP_TRAILING_WHITESPACE)
    get_filename_component(gcc_dir ${libgcc} DIRECTORY)
    find_file(TAVRISK_LIBWINPTHREAD libwinpthread-1.dll
        PATHS ${CMAKE_FIND_ROOT_PATH} PATH_SUFFIXES lib bin REQUIRED NO_DEFAULT_PATH)
    install(FILES ${gcc_dir}/libstdc++-6.dll ${gcc_dir}/libgcc_s_seh-1.dll
        ${TAVRISK_LIBWINPTHREAD} DESTINATION .)
endif()
# CPACK_STRIP_FILES strips only the program; the DLLs come with their symbols.
install(CODE "
    file(GLOB_RECURSE dlls \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/*.dll\")
    execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-debug \${dlls} COMMAND_ERROR_IS_FATAL ANY)")
configure_file(${PROJECT_SOURCE_DIR}/assets/windows/README.txt README.txt @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/README.txt DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)

set(CPACK_PACKAGE_NAME QVTavrisk)
set(CPACK_PACKAGE_VENDOR "Quorvane Softwares")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "QV Tavrisk, a personality test told as a desert story")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "QV Tavrisk")
# One entry under Installed apps for every version.
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY QVTavrisk)
set(CPACK_PACKAGE_FILE_NAME QVTavrisk-${PROJECT_VERSION}-win64)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/packages)
set(CPACK_NSIS_PACKAGE_NAME "QV Tavrisk")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/assets/windows/QVFreeTavrisk.ico)
set(CPACK_NSIS_MUI_UNIICON ${CPACK_NSIS_MUI_ICON})
set(CPACK_NSIS_URL_INFO_ABOUT "http://${TAVRISK_SITE_HOST}/qv-free-tavrisk/")
set(CPACK_NSIS_HELP_LINK "http://${TAVRISK_SITE_HOST}/qv-free-tavrisk/ssd.php?page=help")
set(CPACK_NSIS_CONTACT "support@quorvane.example")
# Read by NSIS.template.in.
set(CPACK_TAVRISK_EXECUTABLE QVFreeTavrisk)
set(CPACK_TAVRISK_VERSION4 ${TAVRISK_VERSION4})
set(CPACK_TAVRISK_COPYRIGHT "Copyright 2026 Quorvane Softwares")
set(CPACK_TAVRISK_ARTWORK ${PROJECT_SOURCE_DIR}/assets/windows)
list(PREPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR})
# Debian's makensis builds 32-bit installers unless told otherwise, and a
# 64-bit program wants a 64-bit installer.
set(CPACK_NSIS_EXECUTABLE ${CMAKE_CURRENT_LIST_DIR}/makensis-amd64)
include(CPack)
