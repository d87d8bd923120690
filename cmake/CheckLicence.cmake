# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a source file lacks the licence identifier in its first lines.
# Run as: cmake -DSOURCE_DIR=<repository> -P CheckLicence.cmake
if(NOT SOURCE_DIR)
    message(FATAL_ERROR "SOURCE_DIR is not set")
endif()

file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR}
     ${SOURCE_DIR}/*.cpp ${SOURCE_DIR}/*.h ${SOURCE_DIR}/*.cmake ${SOURCE_DIR}/*.sh
     ${SOURCE_DIR}/*.py ${SOURCE_DIR}/*.svg ${SOURCE_DIR}/CMakeLists.txt)
list(APPEND sources Makefile scripts/install-deps scripts/run-tests scripts/run-bench .ci/run)

set(missing "")
set(count 0)
foreach(source IN LISTS sources)
    # Build folders and anything generated are not the project's sources.
    if(source MATCHES "^build" OR source MATCHES "/build[^/]*/" OR source MATCHES "_autogen/")
        continue()
    endif()
    file(STRINGS ${SOURCE_DIR}/${source} head LIMIT_COUNT 3)
    if(NOT head MATCHES "SPDX-License-Identifier: GPL-3\\.0-or-later")
        string(APPEND missing "\n  ${source}")
    endif()
    math(EXPR count "${count} + 1")
endforeach()

if(missing)
    message(FATAL_ERROR "No licence identifier in:${missing}")
endif()
message(STATUS "${count} files carry the licence identifier")
