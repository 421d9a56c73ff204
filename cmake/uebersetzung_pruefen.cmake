# Fails when a text of the screens lacks a finished translation. lupdate reads the sources into
# a copy of each translation file, as the update_translations target would, and lrelease must
# then find nothing unfinished and nothing untranslated.
#   cmake -DLUPDATE=... -DLRELEASE=... -DQUELLEN=list.lst -DEINSCHLUSS=src -DARBEIT=dir
#         "-DTS=a.ts;b.ts" -P uebersetzung_pruefen.cmake
file(REMOVE_RECURSE ${ARBEIT})
file(MAKE_DIRECTORY ${ARBEIT})
set(fehler "")
foreach(ts IN LISTS TS)
    get_filename_component(name ${ts} NAME_WE)
    set(probe ${ARBEIT}/${name}.ts)
    file(COPY_FILE ${ts} ${probe})
    execute_process(
        COMMAND ${LUPDATE} -locations none -no-obsolete @${QUELLEN} -I ${EINSCHLUSS} -ts ${probe}
        RESULT_VARIABLE rc OUTPUT_VARIABLE aus ERROR_VARIABLE aus)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "lupdate failed for ${ts}:\n${aus}")
    endif()
    execute_process(COMMAND ${LRELEASE} ${probe} -qm ${ARBEIT}/${name}.qm
                    RESULT_VARIABLE rc OUTPUT_VARIABLE aus ERROR_VARIABLE aus)
    message("${name}: ${aus}")
    if(NOT rc EQUAL 0)
        string(APPEND fehler "lrelease failed for ${ts}\n")
    endif()
    string(REGEX MATCH "([0-9]+) unfinished" offen "${aus}")
    if(NOT offen OR NOT CMAKE_MATCH_1 EQUAL 0)
        string(APPEND fehler "${ts}: unfinished translations (${offen})\n")
    endif()
    if(aus MATCHES "untranslated")
        string(APPEND fehler "${ts}: untranslated source texts\n")
    endif()
endforeach()
if(fehler)
    message(FATAL_ERROR "${fehler}Translate them in the .ts file (Qt Linguist), after "
                        "cmake --build build --target update_translations.")
endif()
