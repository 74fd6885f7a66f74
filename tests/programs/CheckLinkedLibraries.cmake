# SPDX-License-Identifier: GPL-3.0-or-later
# Fails where the program itself needs a library its modules are there to load later:
#   cmake -DREADELF=path -DPROGRAM=path "-DFORBIDDEN=regex;..." -P CheckLinkedLibraries.cmake
# Only the program's own needs are read (its dynamic section), which are what its start-up loads
# before anything else.
execute_process(COMMAND ${READELF} -d ${PROGRAM} RESULT_VARIABLE code OUTPUT_VARIABLE section
    ERROR_VARIABLE err)
if(NOT code EQUAL 0)
    message(FATAL_ERROR "readelf failed on ${PROGRAM}: ${err}")
endif()
string(REGEX MATCHALL "\\(NEEDED\\)[^\n]*" needed "${section}")
if(needed STREQUAL "")
    message(FATAL_ERROR "no needed libraries read from ${PROGRAM}")
endif()
foreach(entry IN LISTS needed)
    string(REGEX REPLACE ".*\\[(.*)\\].*" "\\1" library "${entry}")
    foreach(pattern IN LISTS FORBIDDEN)
        if(library MATCHES "${pattern}")
            message(FATAL_ERROR "${PROGRAM} links ${library}, which only its modules may load")
        endif()
    endforeach()
endforeach()
