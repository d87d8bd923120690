// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/platform/services/RandomSource.h"

#include <QList>

#include <random>

// Gives the values a test scripts, then (once they run out) values from a
// seeded generator; counts every value taken.
class ScriptedRandom : public RandomSource {
public:
    // The largest float below 1, where a careless Int(Rnd * n) rounds up to n.
    static constexpr float justBelowOne = 0.99999994f;

    // The value that makes Int(Rnd * n) equal k.
    static float forDraw(int k, int n) {
        return (static_cast<float>(k) + 0.5f) / static_cast<float>(n);
    }

    void script(const QList<float>& values) { script_ += values; }
    // Scripts draws as (k, n) pairs.
    void scriptDraws(std::initializer_list<std::pair<int, int>> draws) {
        for (auto [k, n] : draws)
            script_ << forDraw(k, n);
    }
    void clear() { script_.clear(); }
    qsizetype pending() const { return script_.size(); }
    int taken() const { return taken_; }
    void resetCount() { taken_ = 0; }

    float uniform() override {
        ++taken_;
        if (!script_.isEmpty())
            return script_.takeFirst();
        return static_cast<float>(engine_() >> 8) / 16777216.0f;
    }

private:
    QList<float> script_;
    int taken_ = 0;
    std::mt19937 engine_{12345};
};
