# The Windows installer and portable zip: the program beside exactly the DLLs
# it loads (Qt Core, Gui and Widgets, the windows platform plugin and the
# MinGW runtime), a Start-menu entry with the program's icon, and an
# uninstaller listed under Add/Remove Programs.
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

set(CPACK_PACKAGE_NAME QVTavrisk)
set(CPACK_PACKAGE_VENDOR "Quorvane Softwares")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "QV Tavrisk, a personality test told as a desert story")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "QV Tavrisk")
set(CPACK_PACKAGE_FILE_NAME QVTavrisk-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_EXECUTABLES QVFreeTavrisk "QV Tavrisk")
set(CPACK_NSIS_PACKAGE_NAME "QV Tavrisk")
set(CPACK_NSIS_DISPLAY_NAME "QV Tavrisk ${PROJECT_VERSION}")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_INSTALLED_ICON_NAME QVFreeTavrisk.exe)
set(CPACK_NSIS_MUI_ICON ${PROJECT_BINARY_DIR}/src/app/QVFreeTavrisk.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_BINARY_DIR}/src/app/QVFreeTavrisk.ico)
set(CPACK_NSIS_URL_INFO_ABOUT "http://${TAVRISK_SITE_HOST}/qv-free-tavrisk/")
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
# The runtime DLLs come with their symbols; users need none of them.
set(CPACK_STRIP_FILES ON)
# Debian's makensis builds 32-bit installers unless told otherwise, and a
# 64-bit program wants a 64-bit installer.
set(CPACK_NSIS_EXECUTABLE ${CMAKE_CURRENT_LIST_DIR}/makensis-amd64)
include(CPack)
