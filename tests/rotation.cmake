# Tests of the find-the-rotation, build-the-rotation and type-of-rotation windows.
vortelia_test(tst_TrovaRotazione)
vortelia_test(tst_TipoRotazione)
vortelia_test(tst_FormaRotazione)
