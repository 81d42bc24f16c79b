# The release package: a ZIP with quorvel.exe and the text on how to use it. Made by
#   cmake --build build/windows --target package
# (or cpack --config build/windows/CPackConfig.cmake), into build/windows/package/.
install(TARGETS quorvel RUNTIME DESTINATION .)

# Windows line ends, and the text keeps its UTF-8 byte-order mark, so that Notepad shows the
# Chinese control names on every Windows version.
configure_file(${PROJECT_SOURCE_DIR}/docs/HOW-TO-USE.txt ${PROJECT_BINARY_DIR}/HOW-TO-USE.txt
    @ONLY NEWLINE_STYLE CRLF)
install(FILES ${PROJECT_BINARY_DIR}/HOW-TO-USE.txt DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Quorvel)
set(CPACK_PACKAGE_VENDOR Quorvel)
set(CPACK_PACKAGE_FILE_NAME Quorvel-${PROJECT_VERSION}-win32)
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/package)
set(CPACK_STRIP_FILES ON)
include(CPack)
