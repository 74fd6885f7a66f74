# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DLUPDATE=... -DSOURCE_DIR=... -DINCLUDE_DIRS=... -DTS_FILES=... -DOPTIONS=... -DWORK_DIR=... -P this
file(GLOB_RECURSE sources ${SOURCE_DIR}/*.cpp ${SOURCE_DIR}/*.h)
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
list(JOIN sources "\n" listing)
file(WRITE ${WORK_DIR}/sources.txt "${listing}\n")
set(failed FALSE)
set(include_options)
foreach(dir IN LISTS INCLUDE_DIRS)
    list(APPEND include_options -I ${dir})
endforeach()
foreach(ts IN LISTS TS_FILES)
    get_filename_component(name ${ts} NAME)
    file(COPY ${ts} DESTINATION ${WORK_DIR})
    execute_process(COMMAND ${LUPDATE} @${WORK_DIR}/sources.txt ${include_options} ${OPTIONS}
        -ts ${WORK_DIR}/${name} RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE errors)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "lupdate failed on ${name}: ${errors}")
    endif()
    file(READ ${WORK_DIR}/${name} catalogue)
    # Each <message> an item of a list, so that an unfinished one can be named by its source
    # text; the entities' own semicolons are kept out of the way.
    string(REPLACE ";" "&semi." catalogue "${catalogue}")
    string(REPLACE "</message>" "</message>;" catalogue "${catalogue}")
    string(REGEX MATCHALL "<source>[^<]*</source>[^;]*type=\"unfinished\"" unfinished
        "${catalogue}")
    foreach(entry IN LISTS unfinished)
        string(REGEX MATCH "<source>([^<]*)</source>" ignored "${entry}")
        string(REPLACE "&semi." ";" source "${CMAKE_MATCH_1}")
        message(SEND_ERROR "${name}: not translated: ${source}")
        set(failed TRUE)
    endforeach()
endforeach()
if(failed)
    message(FATAL_ERROR "Translate the entries above in translations/ (cmake --build --preset "
        "debug --target update_translations adds them).")
endif()
