# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a scratch prefix and builds that prefix's MIME database, as a
# package's trigger does: *.kelvarin must become application/x-kelvarin-design, without a
# word from update-mime-database, and the installed desktop entry must offer to open it.
#   cmake -DBUILD_DIR=... -DPREFIX=... -DUPDATE_MIME_DATABASE=... -P RegisterMimeType.cmake
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${PREFIX}"
    OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
# The prefix on the data path, as /usr/share is for the package: no note about a strange place.
execute_process(COMMAND ${CMAKE_COMMAND} -E env "XDG_DATA_DIRS=${PREFIX}/share"
    ${UPDATE_MIME_DATABASE} "${PREFIX}/share/mime"
    RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT code EQUAL 0 OR NOT "${out}${err}" STREQUAL "")
    message(FATAL_ERROR "update-mime-database (exit code ${code}):\n${out}${err}")
endif()
file(READ "${PREFIX}/share/mime/globs2" globs)
if(NOT globs MATCHES "application/x-kelvarin-design:\\*\\.kelvarin")
    message(FATAL_ERROR "*.kelvarin is not registered:\n${globs}")
endif()
file(GLOB entries "${PREFIX}/share/applications/*.desktop")
file(READ "${entries}" entry)
if(NOT entry MATCHES "\nMimeType=application/x-kelvarin-design;\n" OR
   NOT entry MATCHES "\nExec=kelvarin %f\n")
    message(FATAL_ERROR "the desktop entry does not open designs:\n${entry}")
endif()
