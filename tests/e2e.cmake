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

# A screen reader's view through AT-SPI, on a private D-Bus session.
add_test(NAME e2e_screen_reader
         COMMAND bash ${VORTELIA_E2E}/screen_reader.sh $<TARGET_FILE:vortelia>)
set_tests_properties(e2e_screen_reader PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 240 LABELS e2e)
