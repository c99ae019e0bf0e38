# kestrova_build_info: #include "build_info.h" for the project's version (project(... VERSION))
# and the commit the program is built from. The header is rewritten by write_build_info.cmake at
# every build, but only when its text changes.
find_package(Git QUIET)

set(KESTROVA_BUILD_INFO_DIR ${CMAKE_BINARY_DIR}/build_info)
add_custom_target(kestrova_build_info_header
    COMMAND ${CMAKE_COMMAND}
        -DSOURCE_DIR=${PROJECT_SOURCE_DIR}
        -DOUTPUT=${KESTROVA_BUILD_INFO_DIR}/build_info.h
        -DVERSION=${PROJECT_VERSION}
        -DGIT=${GIT_EXECUTABLE}
        -P ${CMAKE_CURRENT_LIST_DIR}/write_build_info.cmake
    BYPRODUCTS ${KESTROVA_BUILD_INFO_DIR}/build_info.h
    VERBATIM)

add_library(kestrova_build_info INTERFACE)
target_include_directories(kestrova_build_info INTERFACE ${KESTROVA_BUILD_INFO_DIR})
add_dependencies(kestrova_build_info kestrova_build_info_header)
