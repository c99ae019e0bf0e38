# The browser backend: the framework's C++ over the page's JavaScript (page.js), the resources
# the Windows program compiles in, and the settings every program of this backend links with.

# The Windows program the page takes its library from; the page is named after it.
set(KESTROVA_WINDOWS_EXE ${PROJECT_SOURCE_DIR}/build/win32/ui/Kestrova.exe CACHE FILEPATH
    "The released Kestrova.exe (library appended) that the page reads its puzzles from")
get_filename_component(kestrova_app_name ${KESTROVA_WINDOWS_EXE} NAME_WE)
target_compile_definitions(kestrova_framework PRIVATE KESTROVA_APP_NAME="${kestrova_app_name}")

# The resource script is the one source of the dialogs, strings and icons: at configure time its
# dialog templates, string table and icons become the tables of web_resources.h.
set(rc_file ${PROJECT_SOURCE_DIR}/resources/Kestrova.rc)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${rc_file})
file(STRINGS ${rc_file} rc_lines)
set(dialogs "")
set(controls "")
set(strings "")
set(icons "")
set(KESTROVA_WEB_ICON_FILES "" CACHE INTERNAL "")
set(in_strings FALSE)
foreach(line IN LISTS rc_lines)
    if(line MATCHES "^([A-Z_0-9]+) DIALOGEX [0-9]+, *[0-9]+, *([0-9]+), *([0-9]+)")
        set(dialog ${CMAKE_MATCH_1})
        set(dialog_size "${CMAKE_MATCH_2}, ${CMAKE_MATCH_3}")
        set(dialog_caption "")
        set(dialog_controls "")
    elseif(line MATCHES "^CAPTION \"(.*)\"")
        set(dialog_caption ${CMAKE_MATCH_1})
    elseif(line MATCHES "^ +(DEFPUSHBUTTON|PUSHBUTTON|LTEXT|CTEXT|RTEXT) +\"([^\"]*)\", *([-A-Z_0-9]+), *([0-9]+), *([0-9]+), *([0-9]+), *([0-9]+)")
        string(APPEND dialog_controls "    {ControlKind::${CMAKE_MATCH_1}, ${CMAKE_MATCH_3}, \"${CMAKE_MATCH_2}\", "
            "${CMAKE_MATCH_4}, ${CMAKE_MATCH_5}, ${CMAKE_MATCH_6}, ${CMAKE_MATCH_7}},\n")
    elseif(line MATCHES "^ +EDITTEXT +([-A-Z_0-9]+), *([0-9]+), *([0-9]+), *([0-9]+), *([0-9]+)")
        string(APPEND dialog_controls "    {ControlKind::EDITTEXT, ${CMAKE_MATCH_1}, \"\", "
            "${CMAKE_MATCH_2}, ${CMAKE_MATCH_3}, ${CMAKE_MATCH_4}, ${CMAKE_MATCH_5}},\n")
    elseif(line MATCHES "^END" AND DEFINED dialog)
        if(dialog_controls)
            string(APPEND controls "inline const DialogControl k${dialog}Controls[] = {\n${dialog_controls}};\n")
            set(control_table "k${dialog}Controls, std::size(k${dialog}Controls)")
        else()
            set(control_table "nullptr, 0")
        endif()
        string(APPEND dialogs "    {${dialog}, \"${dialog_caption}\", ${dialog_size}, ${control_table}},\n")
        unset(dialog)
    elseif(line MATCHES "^([A-Z_0-9]+) ICON \"(.*)\"")
        string(APPEND icons "    {${CMAKE_MATCH_1}, \"${CMAKE_MATCH_2}\"},\n")
        set(KESTROVA_WEB_ICON_FILES ${KESTROVA_WEB_ICON_FILES}
            ${PROJECT_SOURCE_DIR}/resources/${CMAKE_MATCH_2} CACHE INTERNAL "")
    elseif(line MATCHES "^STRINGTABLE")
        set(in_strings TRUE)
    elseif(in_strings AND line MATCHES "^ +([A-Z_0-9]+) +\"(.*)\"")
        string(APPEND strings "    {${CMAKE_MATCH_1}, \"${CMAKE_MATCH_2}\"},\n")
    elseif(line MATCHES "^END")
        set(in_strings FALSE)
    endif()
endforeach()
set(web_resources_dir ${CMAKE_CURRENT_BINARY_DIR}/web_resources)
configure_file(${CMAKE_CURRENT_LIST_DIR}/web_resources.h.in ${web_resources_dir}/web_resources.h @ONLY)
target_include_directories(kestrova_framework PRIVATE ${web_resources_dir})

# The page's side of the backend, and the waits for the browser: each of these imports may
# return to the browser's event loop and resume later with the C++ stack as it was.
set(page_js ${CMAKE_CURRENT_LIST_DIR}/page.js)
# What the page says when this browser cannot start the program at all.
set(startup_failure_js ${CMAKE_CURRENT_LIST_DIR}/startup_failure.js)
set(async_imports kw_wait_event kw_yield kw_fetch_file kw_halt)
list(JOIN async_imports "," async_imports)
# Only the functions that can reach one of them are made able to set their stack aside. The
# analysis counts every indirect call as able to reach one; the functions below make only calls
# that cannot (the allocator's new-handler, the formatting's output, the library's and the
# runtime's callbacks), and with them out, the engine's lists and trials are left as they are.
set(async_never operator*new* *printf* std::*)
list(JOIN async_never "," async_never)
target_link_options(kestrova_framework INTERFACE
    --js-library=${page_js} --pre-js=${startup_failure_js}
    -sASYNCIFY=1 -sASYNCIFY_IMPORTS=[${async_imports}]
    -sASYNCIFY_REMOVE=[${async_never}] -sASYNCIFY_STACK_SIZE=65536)
set_property(TARGET kestrova_framework APPEND PROPERTY INTERFACE_LINK_DEPENDS
    ${page_js} ${startup_failure_js})

# The entry point goes straight into the program, as on Windows.
add_library(kestrova_entry OBJECT web/entry.cpp)
target_link_libraries(kestrova_entry PUBLIC kestrova_framework)

# Emscripten's optimiser needs Debian's node modules (acorn), which Node does not look for by
# itself.
if(EXISTS /usr/share/nodejs)
    set_property(GLOBAL PROPERTY RULE_LAUNCH_LINK "${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs")
endif()

# kestrova_web_site(target): the static folder ${CMAKE_BINARY_DIR}/site that any web server can
# serve: index.html, the program as kestrova.js and kestrova.wasm, the icons, and a copy of the
# Windows program, whose appended library the page reads.
function(kestrova_web_site target)
    set(site ${CMAKE_BINARY_DIR}/site)
    set_target_properties(${target} PROPERTIES OUTPUT_NAME kestrova SUFFIX .js
        RUNTIME_OUTPUT_DIRECTORY ${site})
    target_link_options(${target} PRIVATE -sENVIRONMENT=web -sALLOW_MEMORY_GROWTH=1)

    list(GET KESTROVA_WEB_ICON_FILES 0 first_icon)
    get_filename_component(KESTROVA_ICON ${first_icon} NAME)
    set(KESTROVA_APP_NAME ${kestrova_app_name})
    configure_file(${CMAKE_SOURCE_DIR}/framework/web/index.html ${site}/index.html @ONLY)
    file(COPY ${KESTROVA_WEB_ICON_FILES} DESTINATION ${site})

    get_filename_component(exe_name ${KESTROVA_WINDOWS_EXE} NAME)
    if(EXISTS ${KESTROVA_WINDOWS_EXE})
        add_custom_command(OUTPUT ${site}/${exe_name}
            COMMAND ${CMAKE_COMMAND} -E copy ${KESTROVA_WINDOWS_EXE} ${site}/${exe_name}
            DEPENDS ${KESTROVA_WINDOWS_EXE}
            COMMENT "Copying ${exe_name} beside the page"
            VERBATIM)
        add_custom_target(${target}_exe ALL DEPENDS ${site}/${exe_name})
    else()
        message(WARNING "${KESTROVA_WINDOWS_EXE} does not exist yet: the page has no puzzle "
            "library until the Windows tree is built (scripts/run.sh --web builds both).")
        get_filename_component(exe_dir ${KESTROVA_WINDOWS_EXE} DIRECTORY)
        if(EXISTS ${exe_dir})
            set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${exe_dir})
        endif()
    endif()
endfunction()
