# The Windows installer and portable zip: the program beside exactly the DLLs
# it loads (Qt Core, Gui and Widgets, the windows platform plugin and the
# MinGW runtime), stripped of their debug sections, with the licence and a
# short README. The installer is our own NSIS script (NSIS.template.in here).
foreach(module Core Gui Widgets)
    install(FILES $<TARGET_FILE:Qt6::${module}> DESTINATION .)
endforeach()
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
# Qt's own texts (buttons of message boxes, the text fields' menu) in each
# language the program speaks, from Debian's qt6-translations-l10n.
foreach(language IN LISTS TAVRISK_LANGUAGES)
    install(FILES /usr/share/qt6/translations/qtbase_${language}.qm DESTINATION translations)
endforeach()
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
# Text files for Windows have CRLF line ends. The licence page wraps its text
# itself, so it gets each paragraph's wrapped lines as one.
configure_file(${PROJECT_SOURCE_DIR}/assets/windows/README.txt README.txt @ONLY NEWLINE_STYLE CRLF)
file(READ ${PROJECT_SOURCE_DIR}/LICENSE licence)
file(CONFIGURE OUTPUT LICENSE.txt CONTENT "${licence}" NEWLINE_STYLE CRLF)
# Lines of 50 characters or more were wrapped: they are joined to the next.
string(REPEAT "[^\n]" 50 long_line)
string(REGEX REPLACE "(${long_line}[^\n]*)\n([^\n])" "\\1 \\2" licence_page "${licence}")
file(CONFIGURE OUTPUT licence-page.txt CONTENT "${licence_page}" NEWLINE_STYLE CRLF)
# The bundled libraries' licences: ours to name, Debian's to word.
string(REGEX MATCH "^[0-9]+\\.[0-9]+" TAVRISK_QT_SERIES ${Qt6_VERSION})
set(TAVRISK_QT_VERSION ${Qt6_VERSION})
# Debian's MinGW compiler calls itself "12-posix": its package says which GCC.
execute_process(COMMAND dpkg-query -W "-f=\${Version}" gcc-mingw-w64-x86-64-posix-runtime
    OUTPUT_VARIABLE gcc_package RESULT_VARIABLE no_package ERROR_QUIET)
if(NOT no_package AND gcc_package MATCHES "^([0-9]+\\.[0-9.]+)")
    set(TAVRISK_GCC_VERSION ${CMAKE_MATCH_1})
else()
    string(REGEX MATCH "^[0-9]+" TAVRISK_GCC_VERSION ${CMAKE_CXX_COMPILER_VERSION})
endif()
configure_file(${PROJECT_SOURCE_DIR}/assets/windows/THIRD-PARTY-NOTICES.txt.in notices.txt @ONLY)
file(READ ${PROJECT_BINARY_DIR}/notices.txt notices)
set(rule "\n==========================================================================\n")
foreach(licence LGPL-3 GPL-3)
    file(READ /usr/share/common-licenses/${licence} text)
    string(APPEND notices "${rule}Qt (LGPL-3.0, which adds to the GPL-3.0), GCC runtime (GPL-3.0):\n${licence}\n\n${text}")
endforeach()
file(CONFIGURE OUTPUT THIRD-PARTY-NOTICES.txt CONTENT "${notices}" NEWLINE_STYLE CRLF)
install(FILES ${PROJECT_BINARY_DIR}/README.txt ${PROJECT_BINARY_DIR}/LICENSE.txt
    ${PROJECT_BINARY_DIR}/THIRD-PARTY-NOTICES.txt DESTINATION .)

# Authenticode signing, off unless a certificate and its key are given: the
# program and DLLs as CPack stages them, the uninstaller and the setup as
# makensis writes them.
set(TAVRISK_SIGN_CERT "" CACHE FILEPATH "Code-signing certificate (PEM or DER) for the Windows packages")
set(TAVRISK_SIGN_KEY "" CACHE FILEPATH "Private key of the code-signing certificate")
set(TAVRISK_SIGN_TIMESTAMP_URL "" CACHE STRING "RFC 3161 time-stamping server for the signatures")
if(TAVRISK_SIGN_CERT OR TAVRISK_SIGN_KEY)
    if(NOT EXISTS "${TAVRISK_SIGN_CERT}" OR NOT EXISTS "${TAVRISK_SIGN_KEY}")
        message(FATAL_ERROR "Signing needs both TAVRISK_SIGN_CERT and TAVRISK_SIGN_KEY, as existing files")
    endif()
    find_program(TAVRISK_OSSLSIGNCODE osslsigncode REQUIRED)
    # A command line, quoted for the shell, that the file's name completes.
    set(CPACK_TAVRISK_SIGN "'${CMAKE_CURRENT_LIST_DIR}/sign' '${TAVRISK_OSSLSIGNCODE}' '${TAVRISK_SIGN_CERT}' '${TAVRISK_SIGN_KEY}' '${TAVRISK_PRODUCT}' 'http://${TAVRISK_SITE_HOST}/qv-free-tavrisk/'")
    if(TAVRISK_SIGN_TIMESTAMP_URL)
        string(APPEND CPACK_TAVRISK_SIGN " '${TAVRISK_SIGN_TIMESTAMP_URL}'")
    endif()
    set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/sign-staged.cmake)
endif()

set(CPACK_PACKAGE_NAME QVTavrisk)
set(CPACK_PACKAGE_VENDOR "${TAVRISK_VENDOR}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${TAVRISK_SUMMARY}")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "${TAVRISK_PRODUCT}")
# One entry under Installed apps for every version.
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY QVTavrisk)
set(CPACK_PACKAGE_FILE_NAME QVTavrisk-${PROJECT_VERSION}-win64)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_BINARY_DIR}/licence-page.txt)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/packages)
set(CPACK_NSIS_PACKAGE_NAME "${TAVRISK_PRODUCT}")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/assets/windows/QVFreeTavrisk.ico)
set(CPACK_NSIS_MUI_UNIICON ${CPACK_NSIS_MUI_ICON})
set(CPACK_NSIS_URL_INFO_ABOUT "http://${TAVRISK_SITE_HOST}/qv-free-tavrisk/")
set(CPACK_NSIS_HELP_LINK "http://${TAVRISK_SITE_HOST}/qv-free-tavrisk/ssd.php?page=help")
set(CPACK_NSIS_CONTACT "support@${TAVRISK_SITE_HOST}")
# Read by NSIS.template.in.
set(CPACK_TAVRISK_EXECUTABLE QVFreeTavrisk)
set(CPACK_TAVRISK_VERSION4 ${TAVRISK_VERSION4})
set(CPACK_TAVRISK_COPYRIGHT "${TAVRISK_COPYRIGHT}")
set(CPACK_TAVRISK_SUMMARY "${TAVRISK_SUMMARY}")
# The setup's and the uninstaller's own manifests, in place of NSIS's.
foreach(role Setup Uninstaller)
    set(identity "QVTavrisk.${role}")
    configure_file(${CMAKE_CURRENT_LIST_DIR}/setup.manifest.in ${role}.manifest @ONLY)
endforeach()
set(CPACK_TAVRISK_MANIFESTS ${PROJECT_BINARY_DIR})
set(CPACK_TAVRISK_ARTWORK ${PROJECT_SOURCE_DIR}/assets/windows)
set(CPACK_TAVRISK_LANGUAGES ${PROJECT_SOURCE_DIR}/cmake/NSIS.languages.nsh)
list(PREPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR})
# Debian's makensis builds 32-bit installers unless told otherwise, and a
# 64-bit program wants a 64-bit installer.
set(CPACK_NSIS_EXECUTABLE ${CMAKE_CURRENT_LIST_DIR}/makensis-amd64)
include(CPack)
