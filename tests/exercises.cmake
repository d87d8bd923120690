# Tests of the exercise frame and the four families.
