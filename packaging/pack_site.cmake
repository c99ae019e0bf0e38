# Zips every file of the site folder, in a fixed order, with write_zip.py.
#   cmake -DSITE=site -DZIP=Kestrova-<version>-web.zip -DSOURCE_DIR=. -DPYTHON=python3 -P pack_site.cmake
file(GLOB files LIST_DIRECTORIES false ${SITE}/*)
list(SORT files)
execute_process(
    COMMAND ${PYTHON} ${CMAKE_CURRENT_LIST_DIR}/write_zip.py --source-dir ${SOURCE_DIR} ${ZIP} ${files}
    RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "write_zip.py could not write ${ZIP}")
endif()
