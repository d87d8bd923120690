# Tests of the find-the-rotation, build-the-rotation and type-of-rotation windows.
