# Tests of the platform layer, the start window and the main menu.
vortelia_test(tst_Platform)
vortelia_test(tst_AppShell)
vortelia_test(tst_Scaling)
