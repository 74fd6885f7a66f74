# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a program as a shell would and checks its exit code and what it wrote:
#   cmake -DPROGRAM=path [-DARGUMENTS=arg|arg|...] -DEXIT_CODE=n [-DSTDOUT=regex]
#         [-DSTDERR=regex] [-DWORK_DIR=dir [-DFILE=name -DFILE_HEAD=regex] [-DALONE=ON]]
#         -P RunProgram.cmake
# The arguments are separated by "|". With WORK_DIR the program runs in that folder, emptied
# first; FILE must then be there, its first bytes matching FILE_HEAD, and nothing else may be:
# without FILE the folder must stay empty. ALONE runs a copy of the program made in a folder of
# its own, away from what is built beside it.
set(command ${PROGRAM})
if(ALONE)
    set(alone "${WORK_DIR}-program")
    file(REMOVE_RECURSE "${alone}")
    file(COPY "${PROGRAM}" DESTINATION "${alone}")
    get_filename_component(name "${PROGRAM}" NAME)
    set(command "${alone}/${name}")
endif()
if(NOT "${ARGUMENTS}" STREQUAL "")
    string(REPLACE "|" ";" arguments "${ARGUMENTS}")
    list(APPEND command ${arguments})
endif()
set(directory)
if(WORK_DIR)
    file(REMOVE_RECURSE "${WORK_DIR}")
    file(MAKE_DIRECTORY "${WORK_DIR}")
    set(directory WORKING_DIRECTORY "${WORK_DIR}")
endif()
execute_process(COMMAND ${command} ${directory} RESULT_VARIABLE code OUTPUT_VARIABLE out
    ERROR_VARIABLE err TIMEOUT 120)

set(problems)
if(NOT "${code}" STREQUAL "${EXIT_CODE}")
    list(APPEND problems "exit code ${code} instead of ${EXIT_CODE}")
endif()
if(NOT "${out}" MATCHES "${STDOUT}")
    list(APPEND problems "standard output does not match: ${STDOUT}")
endif()
if(NOT "${err}" MATCHES "${STDERR}")
    list(APPEND problems "standard error does not match: ${STDERR}")
endif()
if(WORK_DIR)
    file(GLOB left RELATIVE "${WORK_DIR}" "${WORK_DIR}/*" "${WORK_DIR}/.*")
    if(NOT "${left}" STREQUAL "${FILE}")
        list(APPEND problems "the folder holds «${left}» instead of «${FILE}»")
    elseif(FILE)
        file(READ "${WORK_DIR}/${FILE}" head LIMIT 80)
        if(NOT "${head}" MATCHES "${FILE_HEAD}")
            list(APPEND problems "${FILE} does not start as ${FILE_HEAD}: ${head}")
        endif()
    endif()
endif()
if(problems)
    list(JOIN problems "\n" problems)
    message(FATAL_ERROR "${command}:\n${problems}\n--- standard output:\n${out}\n"
        "--- standard error:\n${err}")
endif()
