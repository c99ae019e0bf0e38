# The release folder, made in the browser tree: `cmake --build build/web --target package` packs
# the site (index.html, the program's JS and wasm, the icons, Kestrova.exe) into
# package/Kestrova-<version>-web.zip, puts the Windows tree's Kestrova-<version>-win64.zip
# beside it, and writes SHA256SUMS for both. The site's Kestrova.exe is the Windows tree's, so
# both zips carry the same program and library. The zip is written as the win64 zip is: the
# same files always give the same bytes.
set(KESTROVA_WINDOWS_PACKAGE
    ${PROJECT_SOURCE_DIR}/build/win32/package/${PROJECT_NAME}-${PROJECT_VERSION}-win64.zip
    CACHE FILEPATH "The Windows tree's release zip (cmake --build build/win32 --target package)")
find_package(Python3 COMPONENTS Interpreter)
if(NOT Python3_FOUND)
    message(STATUS "No Python 3: no package target")
    return()
endif()

set(package_dir ${CMAKE_BINARY_DIR}/package)
set(web_zip ${package_dir}/${PROJECT_NAME}-${PROJECT_VERSION}-web.zip)
get_filename_component(windows_zip_name ${KESTROVA_WINDOWS_PACKAGE} NAME)
set(site ${CMAKE_BINARY_DIR}/site)
add_custom_target(package
    COMMAND ${CMAKE_COMMAND} -DEXE=${site}/Kestrova.exe -DLIBRARY=${KESTROVA_LIBRARY}
        -P ${CMAKE_CURRENT_LIST_DIR}/check_release.cmake
    COMMAND ${CMAKE_COMMAND} -DSITE=${site} -DZIP=${web_zip} -DSOURCE_DIR=${PROJECT_SOURCE_DIR}
        -DPYTHON=${Python3_EXECUTABLE} -P ${CMAKE_CURRENT_LIST_DIR}/pack_site.cmake
    COMMAND ${CMAKE_COMMAND} -E copy ${KESTROVA_WINDOWS_PACKAGE} ${package_dir}/${windows_zip_name}
    COMMAND ${CMAKE_COMMAND} -DPACKAGE=${package_dir}/${windows_zip_name}$<SEMICOLON>${web_zip}
        -P ${CMAKE_CURRENT_LIST_DIR}/write_sums.cmake
    COMMENT "Packing ${web_zip} beside ${windows_zip_name}"
    VERBATIM)
add_dependencies(package kestrova_page)
