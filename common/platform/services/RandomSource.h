// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program's random generator: uniform single-precision values in [0, 1).
class RandomSource {
public:
    virtual ~RandomSource() = default;

    // A fresh value in [0, 1); never 1.
    virtual float uniform() = 0;

    // Int(Rnd * n): a whole number from 0 to n - 1. Takes exactly one value.
    int draw(int n);
};
