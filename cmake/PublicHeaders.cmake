# SPDX-License-Identifier: GPL-3.0-or-later
# vortelia_public_headers(TARGET PREFIX [RECURSE]): the headers of the calling
# folder (and of its subfolders with RECURSE), and only those, are found as
# PREFIX/<name>.h by the target and by whatever links it. Each gets a
# forwarding header in an include folder of the target's own, so that a
# library sees the layers below it and never one above: an upward include
# does not compile.
function(vortelia_public_headers target prefix)
    set(folder ${CMAKE_BINARY_DIR}/include/${target})
    if(ARGV2 STREQUAL "RECURSE")
        file(GLOB_RECURSE headers CONFIGURE_DEPENDS RELATIVE ${CMAKE_CURRENT_SOURCE_DIR}
             ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
    else()
        file(GLOB headers CONFIGURE_DEPENDS RELATIVE ${CMAKE_CURRENT_SOURCE_DIR}
             ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
    endif()
    foreach(header IN LISTS headers)
        file(CONFIGURE OUTPUT ${folder}/${prefix}/${header}
             CONTENT "#include \"${CMAKE_CURRENT_SOURCE_DIR}/${header}\"\n")
    endforeach()
    # Its own folder privately too: moc then names its headers from there, the
    # same in every build folder (a path up from the build tree would differ).
    target_include_directories(${target} PUBLIC ${folder} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
endfunction()
