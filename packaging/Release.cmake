# The download for Windows users: `cmake --build build/win32 --target package` makes
# package/Kestrova-<version>-win64.zip in the build tree, with Kestrova.exe (its library
# appended), kestrova-cli.exe, README.txt and LICENSE.txt, and SHA256SUMS beside it. Two builds
# of one commit give the same bytes: scripts/check-reproducible.sh checks that.

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

# The zip is written by a script of ours rather than CPack, whose zips carry each file's time
# and owner. "Extract All" already makes a folder named after the zip: no top-level folder.
find_package(Python3 COMPONENTS Interpreter)
if(NOT Python3_FOUND)
    message(STATUS "No Python 3: no package target")
    return()
endif()
# A tree configured while CPack made the zip keeps CPack's configuration, for which CMake
# reserves the name "package".
file(REMOVE ${CMAKE_BINARY_DIR}/CPackConfig.cmake ${CMAKE_BINARY_DIR}/CPackSourceConfig.cmake)
set(KESTROVA_PACKAGE_FILE ${CMAKE_BINARY_DIR}/package/${PROJECT_NAME}-${PROJECT_VERSION}-win64.zip)
add_custom_target(package
    COMMAND ${CMAKE_COMMAND} -DEXE=$<TARGET_FILE:Kestrova> -DLIBRARY=${KESTROVA_LIBRARY}
        -P ${CMAKE_CURRENT_LIST_DIR}/check_release.cmake
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/write_zip.py
        --source-dir ${PROJECT_SOURCE_DIR} ${KESTROVA_PACKAGE_FILE}
        $<TARGET_FILE:Kestrova> $<TARGET_FILE:kestrova-cli> ${text_dir}/README.txt ${text_dir}/LICENSE.txt
    COMMAND ${CMAKE_COMMAND} -DPACKAGE=${KESTROVA_PACKAGE_FILE}
        -P ${CMAKE_CURRENT_LIST_DIR}/write_sums.cmake
    COMMENT "Packing ${KESTROVA_PACKAGE_FILE}"
    VERBATIM)
add_dependencies(package Kestrova kestrova-cli)
