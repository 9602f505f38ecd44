# Run by CPack once the files are staged: signs the program and its DLLs, so
# that the setup and the zip carry the signed copies.
file(GLOB_RECURSE binaries "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*.exe" "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*.dll")
separate_arguments(sign UNIX_COMMAND "${CPACK_TAVRISK_SIGN}")
foreach(binary IN LISTS binaries)
    execute_process(COMMAND ${sign} ${binary} COMMAND_ERROR_IS_FATAL ANY)
endforeach()
