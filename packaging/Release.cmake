# The download for Windows users: `cmake --build build/win32 --target package` makes
# package/Kestrova-<version>-win64.zip in the build tree, with Kestrova.exe (its library
# appended), kestrova-cli.exe, README.txt and LICENSE.txt, and SHA256SUMS beside it.
install(TARGETS Kestrova kestrova-cli RUNTIME DESTINATION .)

# The shipped programs carry neither the debug sections nor the symbol table that the static
# runtime brings (a Debug or RelWithDebInfo tree keeps them for the debugger), and no link time
# in their header: one commit always links to the same bytes.
foreach(program Kestrova kestrova-cli)
    target_link_options(${program} PRIVATE
        $<$<NOT:$<CONFIG:Debug,RelWithDebInfo>>:-s> -Wl,--no-insert-timestamp)
endforeach()

# Windows users read these in whatever editor is at hand: CR LF line ends.
set(text_dir ${CMAKE_BINARY_DIR}/packaging)
configure_file(${CMAKE_CURRENT_LIST_DIR}/README.txt.in ${text_dir}/README.txt
    @ONLY NEWLINE_STYLE CRLF)
configure_file(${PROJECT_SOURCE_DIR}/LICENSE ${text_dir}/LICENSE.txt @ONLY NEWLINE_STYLE CRLF)
install(FILES ${text_dir}/README.txt ${text_dir}/LICENSE.txt DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
set(CPACK_PACKAGE_FILE_NAME ${PROJECT_NAME}-${PROJECT_VERSION}-win64)
# "Extract All" already makes a folder named after the zip.
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(KESTROVA_PACKAGE_FILE ${CPACK_PACKAGE_DIRECTORY}/${CPACK_PACKAGE_FILE_NAME}.zip)
set(CPACK_KESTROVA_LIBRARY ${KESTROVA_LIBRARY})
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/check_release.cmake)
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/write_sums.cmake)
include(CPack)
