# CPack runs this before zipping: the Kestrova.exe about to be packed must end with the puzzle
# library exactly as packaging/library.txt holds it. A copy without it would only tell its user
# to download it again.
set(exe ${CPACK_TEMPORARY_INSTALL_DIRECTORY}/Kestrova.exe)
file(SIZE ${CPACK_KESTROVA_LIBRARY} library_size)
file(SIZE ${exe} exe_size)
math(EXPR offset "${exe_size} - ${library_size}")
if(offset GREATER 0)
    file(READ ${CPACK_KESTROVA_LIBRARY} library HEX)
    file(READ ${exe} tail OFFSET ${offset} HEX)
endif()
if(offset LESS_EQUAL 0 OR NOT tail STREQUAL library)
    message(FATAL_ERROR "${exe} does not end with the puzzle library ${CPACK_KESTROVA_LIBRARY}")
endif()
