# Tests of what a school PC gets: the desktop entry and metadata, the installed
# tree, the Debian package, and a pupil's session in a real X window. Each one
# exits 77, counted as skipped, where the tools it needs are missing.
set(VORTELIA_E2E ${CMAKE_CURRENT_SOURCE_DIR}/e2e)
if(NOT VORTELIA_DESKTOP_FILE OR NOT VORTELIA_METAINFO_FILE)
    message(FATAL_ERROR "tests/e2e.cmake needs packaging/ to be added first")
endif()

add_test(NAME e2e_desktop_entry
         COMMAND bash ${VORTELIA_E2E}/validate.sh desktop ${VORTELIA_DESKTOP_FILE})
add_test(NAME e2e_metainfo
         COMMAND bash ${VORTELIA_E2E}/validate.sh metainfo ${VORTELIA_METAINFO_FILE})

# Both install the build tree, which writes its install manifest there.
add_test(NAME e2e_install COMMAND bash ${VORTELIA_E2E}/install.sh ${CMAKE_COMMAND} ${CMAKE_BINARY_DIR})
add_test(NAME e2e_package COMMAND bash ${VORTELIA_E2E}/package.sh ${CMAKE_CPACK_COMMAND} ${CMAKE_BINARY_DIR})
set_tests_properties(e2e_install e2e_package PROPERTIES RESOURCE_LOCK vortelia_install)

# The screenshots of every step stay in the build folder for a look.
add_test(NAME e2e_pupil
         COMMAND bash ${VORTELIA_E2E}/pupil.sh $<TARGET_FILE:vortelia> ${CMAKE_BINARY_DIR}/Testing/e2e_pupil)

set_tests_properties(e2e_desktop_entry e2e_metainfo e2e_install e2e_package e2e_pupil
                     PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 240 LABELS e2e)

add_test(NAME e2e_bad_data COMMAND bash ${VORTELIA_E2E}/bad_data.sh ${VORTELIA_APP_DIR})
set_tests_properties(e2e_bad_data PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 240 LABELS e2e)

add_test(NAME e2e_odd_folder COMMAND bash ${VORTELIA_E2E}/odd_folder.sh ${VORTELIA_APP_DIR})

# A window destroyed by another program: a small X client does it.
find_library(VORTELIA_XCB_LIBRARY xcb REQUIRED)
add_executable(destroy_window ${VORTELIA_E2E}/destroy_window.cpp)
target_link_libraries(destroy_window PRIVATE ${VORTELIA_XCB_LIBRARY})
add_test(NAME e2e_destroyed_windows
         COMMAND bash ${VORTELIA_E2E}/destroyed_windows.sh $<TARGET_FILE:vortelia>
                 $<TARGET_FILE:destroy_window>)
set_tests_properties(e2e_odd_folder e2e_destroyed_windows
                     PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 240 LABELS e2e)
