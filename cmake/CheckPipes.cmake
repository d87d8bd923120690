# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a shell script pipes into a command that may stop reading before
# the writer is done (grep -q, -l, -m, head). Under `set -o pipefail` the
# writer then dies of SIGPIPE and the pipeline fails although the match was
# found, at random, depending on how much it wrote. Feed such a command from
# a here-string or a file instead, or count with grep -c.
# Run as: cmake -DSOURCE_DIR=<repository> -P CheckPipes.cmake
if(NOT SOURCE_DIR)
    message(FATAL_ERROR "SOURCE_DIR is not set")
endif()

file(GLOB_RECURSE scripts RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*.sh)
foreach(extra scripts/install-deps scripts/run-tests scripts/run-bench .ci/run)
    if(EXISTS ${SOURCE_DIR}/${extra})
        list(APPEND scripts ${extra})
    endif()
endforeach()

# A pipe (not `||`) into grep with -q/-l/-m in its options, or into head.
set(quitter "(grep|egrep|fgrep)[ \t]+([^|;&)]*[ \t])?(-[A-Za-z]*[qlm]|--quiet|--silent|--max-count|--files-with-matches)")
set(early_reader "\\|[ \t]*(${quitter}|head([ \t]|$))")

set(found "")
set(count 0)
foreach(script IN LISTS scripts)
    if(script MATCHES "^build" OR script MATCHES "/build[^/]*/")
        continue()
    endif()
    file(STRINGS ${SOURCE_DIR}/${script} lines)
    set(joined "")
    foreach(line IN LISTS lines)
        if(line MATCHES "^[ \t]*#")
            continue()
        endif()
        string(STRIP "${line}" line)
        string(APPEND joined " ${line}")
        # A pipeline goes on when the line ends with a pipe or a backslash.
        if(line MATCHES "(\\||\\\\)[ \t]*$")
            continue()
        endif()
        string(REPLACE "||" "  " plain "${joined}")
        if(plain MATCHES "${early_reader}")
            string(STRIP "${joined}" joined)
            string(APPEND found "\n  ${script}: ${joined}")
        endif()
        set(joined "")
    endforeach()
    math(EXPR count "${count} + 1")
endforeach()

if(found)
    message(FATAL_ERROR "Pipes into a reader that may stop early:${found}")
endif()
message(STATUS "${count} scripts pipe into no early-stopping reader")
