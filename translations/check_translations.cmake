# SPDX-License-Identifier: GPL-3.0-or-later
# Fails on a language with a message missing or unfinished, and on text in
# the sources that a user reads but no translation can reach.
# -DSOURCE_DIR -DLUPDATE -DLRELEASE -DLANGUAGES -DWORK_DIR
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
set(copies)
foreach(language IN LISTS LANGUAGES)
    file(COPY ${SOURCE_DIR}/translations/quillora_${language}.ts DESTINATION ${WORK_DIR})
    list(APPEND copies ${WORK_DIR}/quillora_${language}.ts)
endforeach()

# Missing: lupdate run on the copies finds no message that is new to them.
execute_process(COMMAND ${LUPDATE} -locations none -no-obsolete ${SOURCE_DIR}/src -ts ${copies}
                OUTPUT_VARIABLE found ERROR_VARIABLE found RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "lupdate failed:\n${found}")
endif()
string(REGEX MATCHALL "\\(([0-9]+) new" news "${found}")
foreach(new IN LISTS news)
    if(NOT new STREQUAL "(0 new")
        message(FATAL_ERROR "A translation lacks messages of the sources (run the update_translations target):\n${found}")
    endif()
endforeach()

# Unfinished: every message of every language translated.
foreach(copy IN LISTS copies)
    execute_process(COMMAND ${LRELEASE} ${copy} -qm ${copy}.qm OUTPUT_VARIABLE made ERROR_VARIABLE made)
    if(NOT made MATCHES "\\(([0-9]+) finished and 0 unfinished\\)" OR made MATCHES "untranslated")
        message(FATAL_ERROR "${copy} is not finished:\n${made}")
    endif()
endforeach()

# Unmarked: a UTF-16 literal of two words or more is text a user may read;
# it goes through tr() or translate(), or is one of these that are not
# sentences (code locations, line-end names, progress keys).
set(not_text
    "u\"in [A-Za-z0-9/]+\\.[A-Za-z0-9_.]+ \""
    "u\"CR LF\""
    "u\"storing rows\""
    "u\"the plan\"")
file(GLOB_RECURSE sources ${SOURCE_DIR}/src/*.cpp ${SOURCE_DIR}/src/*.h)
set(unmarked)
foreach(source IN LISTS sources)
    file(STRINGS ${source} lines REGEX "u\"[^\"]*[A-Za-z][A-Za-z]+ [A-Za-z][A-Za-z]+")
    foreach(line IN LISTS lines)
        if(line MATCHES "^[ ]*//")
            continue()
        endif()
        set(known FALSE)
        foreach(pattern IN LISTS not_text)
            if(line MATCHES "${pattern}")
                set(known TRUE)
            endif()
        endforeach()
        if(NOT known)
            list(APPEND unmarked "${source}: ${line}")
        endif()
    endforeach()
endforeach()
if(unmarked)
    list(JOIN unmarked "\n" shown)
    message(FATAL_ERROR "Text no translation reaches:\n${shown}")
endif()
