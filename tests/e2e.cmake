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
# The package that e2e_package builds and checks is kept for lintian and
# for the install into a scratch root.
set(VORTELIA_TEST_DEB ${CMAKE_BINARY_DIR}/Testing/package/vortelia.deb)
add_test(NAME e2e_package
         COMMAND bash ${VORTELIA_E2E}/package.sh ${CMAKE_CPACK_COMMAND} ${CMAKE_BINARY_DIR} ${VORTELIA_TEST_DEB})
set_tests_properties(e2e_install e2e_package PROPERTIES RESOURCE_LOCK vortelia_install)
set_tests_properties(e2e_package PROPERTIES FIXTURES_SETUP vortelia_deb)
add_test(NAME e2e_lintian COMMAND bash ${VORTELIA_E2E}/lintian.sh ${VORTELIA_TEST_DEB})
add_test(NAME e2e_dpkg_root COMMAND bash ${VORTELIA_E2E}/dpkg_root.sh ${VORTELIA_TEST_DEB})
set_tests_properties(e2e_lintian e2e_dpkg_root PROPERTIES FIXTURES_REQUIRED vortelia_deb)
# Two more builds of the program from scratch: the longest test.
add_test(NAME e2e_reproducible
         COMMAND bash ${VORTELIA_E2E}/reproducible.sh ${CMAKE_COMMAND} ${CMAKE_CPACK_COMMAND} ${CMAKE_SOURCE_DIR})
set_tests_properties(e2e_reproducible PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 1500 LABELS "e2e;long")

# The screenshots of every step stay in the build folder for a look.
add_test(NAME e2e_pupil
         COMMAND bash ${VORTELIA_E2E}/pupil.sh $<TARGET_FILE:vortelia> ${CMAKE_BINARY_DIR}/Testing/e2e_pupil)

set_tests_properties(e2e_desktop_entry e2e_metainfo e2e_install e2e_package e2e_pupil
                     e2e_lintian e2e_dpkg_root PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 240 LABELS e2e)

add_test(NAME e2e_bad_data COMMAND bash ${VORTELIA_E2E}/bad_data.sh ${VORTELIA_APP_DIR})
set_tests_properties(e2e_bad_data PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 240 LABELS e2e)
