# Tests of the platform layer, the start window and the main menu.
