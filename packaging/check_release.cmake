# Run before zipping: the Kestrova.exe about to be packed must end with the puzzle library
# exactly as packaging/library.txt holds it. A copy without it would only tell its user to
# download it again.
#   cmake -DEXE=Kestrova.exe -DLIBRARY=library.txt -P check_release.cmake
file(SIZE ${LIBRARY} library_size)
file(SIZE ${EXE} exe_size)
math(EXPR offset "${exe_size} - ${library_size}")
if(offset GREATER 0)
    file(READ ${LIBRARY} library HEX)
    file(READ ${EXE} tail OFFSET ${offset} HEX)
endif()
if(offset LESS_EQUAL 0 OR NOT tail STREQUAL library)
    message(FATAL_ERROR "${EXE} does not end with the puzzle library ${LIBRARY}")
endif()
