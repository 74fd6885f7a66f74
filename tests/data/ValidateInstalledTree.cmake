# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a scratch prefix and has AppStream validate that tree strictly: the
# metainfo itself and the desktop entry it names.
#   cmake -DBUILD_DIR=... -DPREFIX=... -DAPPSTREAMCLI=... -P ValidateInstalledTree.cmake
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${PREFIX}"
    OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${APPSTREAMCLI} validate-tree --no-net --strict --explain "${PREFIX}"
    RESULT_VARIABLE code)
if(NOT code EQUAL 0)
    message(FATAL_ERROR "appstreamcli finds the installed metainfo wanting (exit code ${code})")
endif()
