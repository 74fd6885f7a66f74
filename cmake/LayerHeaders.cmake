# SPDX-License-Identifier: GPL-3.0-or-later
# kelvarin_layer_headers(target): lets the target and whatever links it include the headers of
# the target's folder, and only those, as "<folder>/Header.h".
#
# Headers are named with their folder ("core/PropellerDesign.h"), so an include says which
# layer it reaches into. The folder's parent, src/, would serve every layer's headers to every
# target; instead each library gets an include root of its own in the build tree holding a
# single link, named for the folder, to the folder. A target sees its own root and the roots of
# the libraries it links, so a layer that does not link another cannot include its headers.
function(kelvarin_layer_headers target)
    get_filename_component(folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
    set(root ${PROJECT_BINARY_DIR}/include/${folder})
    file(MAKE_DIRECTORY ${root})
    file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${folder} SYMBOLIC)
    target_include_directories(${target} PUBLIC ${root})
endfunction()
