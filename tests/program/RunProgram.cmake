# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a program as a shell would and checks its exit code and what it wrote:
#   cmake -DPROGRAM=path [-DARGUMENT=arg] -DEXIT_CODE=n [-DSTDOUT=regex] [-DSTDERR=regex]
#         -P RunProgram.cmake
set(command ${PROGRAM})
if(NOT "${ARGUMENT}" STREQUAL "")
    list(APPEND command "${ARGUMENT}")
endif()
execute_process(COMMAND ${command} RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err
    TIMEOUT 120)

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
if(problems)
    list(JOIN problems "\n" problems)
    message(FATAL_ERROR "${command}:\n${problems}\n--- standard output:\n${out}\n"
        "--- standard error:\n${err}")
endif()
