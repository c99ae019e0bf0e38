# kestrova_append_library(target): after every link of the executable `target`, append the
# puzzle library text unchanged to it (checked once more on the way by kestrova_libcrc, the
# program that computed its CRC). The executable is linked again when the text changes.
set(KESTROVA_LIBRARY ${CMAKE_CURRENT_LIST_DIR}/library.txt CACHE FILEPATH
    "The puzzle library text appended to Kestrova.exe")

# A path as the programs of this tree see it: the Windows ones under Wine reach the build
# host's files through drive Z:.
function(kestrova_target_path out path)
    if(WIN32 AND CMAKE_CROSSCOMPILING AND CMAKE_HOST_UNIX)
        set(path Z:${path})
    endif()
    set(${out} ${path} PARENT_SCOPE)
endfunction()

function(kestrova_append_library target)
    if(EXISTS ${KESTROVA_LIBRARY})
        set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${KESTROVA_LIBRARY})
    endif()
    kestrova_target_path(library ${KESTROVA_LIBRARY})
    kestrova_target_path(exe $<TARGET_FILE:${target}>)
    add_dependencies(${target} kestrova_libcrc)
    add_custom_command(TARGET ${target} POST_BUILD
        COMMAND kestrova_libcrc append ${library} ${exe}
        COMMENT "Appending the puzzle library to ${target}"
        VERBATIM)
    # Where the program lands, for scripts/run.sh.
    file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/kestrova-exe.txt CONTENT "$<TARGET_FILE:${target}>\n")
endfunction()
