# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a file includes a header from a layer above its own, or when
# code above the platform layer includes a header only POSIX or X11 systems
# have: those belong in the platform's Linux and X11 units.
# The layers, lowest first: common/platform/, common/, exercises/, app/.
# Run as: cmake -DSOURCE_DIR=<repository> -P CheckLayers.cmake
if(NOT SOURCE_DIR)
    message(FATAL_ERROR "SOURCE_DIR is not set")
endif()

file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR}
     ${SOURCE_DIR}/common/*.h ${SOURCE_DIR}/common/*.cpp
     ${SOURCE_DIR}/exercises/*.h ${SOURCE_DIR}/exercises/*.cpp
     ${SOURCE_DIR}/app/*.h ${SOURCE_DIR}/app/*.cpp)

set(faults "")
foreach(source IN LISTS sources)
    file(STRINGS ${SOURCE_DIR}/${source} lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
    foreach(line IN LISTS lines)
        string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[<\"]([^>\"]*)[>\"].*" "\\1" header "${line}")
        set(above FALSE)
        if(NOT source MATCHES "^common/platform/" AND header MATCHES
           "^(unistd|fcntl|malloc|dirent|dlfcn|pthread|termios)\\.h$|^(sys|xcb|X11|linux)/")
            string(APPEND faults "\n  ${source} includes ${header}, a POSIX or X11 header")
        elseif(NOT source MATCHES "^app/" AND (header MATCHES "\\.\\./" OR header MATCHES "^app/"))
            set(above TRUE)
        elseif(source MATCHES "^common/" AND header MATCHES "^exercises/")
            set(above TRUE)
        elseif(source MATCHES "^common/platform/" AND header MATCHES "^common/"
               AND NOT header MATCHES "^common/platform/")
            set(above TRUE)
        endif()
        if(above)
            string(APPEND faults "\n  ${source} includes ${header}")
        endif()
    endforeach()
endforeach()

if(faults)
    message(FATAL_ERROR "Includes from a higher layer or of a system's own header:${faults}")
endif()
list(LENGTH sources count)
message(STATUS "${count} files include nothing from a higher layer")
