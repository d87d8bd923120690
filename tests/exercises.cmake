# Tests of the exercise frame and the four families.
include(rotation.cmake)
vortelia_test(tst_Frame)
vortelia_test(tst_TrovaSimmetria)
vortelia_test(tst_Soak)
vortelia_test(tst_BrokenLibrary)
vortelia_test(tst_LibraryWhileRunning)
