// SPDX-License-Identifier: GPL-3.0-or-later
// make_sounds <out-dir>
//
// Writes the feedback sounds used by the program: four different applause
// clips (si1..si4.wav) for a right answer and a gentle falling "uh-oh"
// (no.wav) for a wrong one. Everything is synthesised by this tool so the
// build owns its assets; fixed seeds make every run byte-identical. Here are
// the clips' styles, their finishing and where they are written.

#include "Applause.h"
#include "Audio.h"
#include "Finishing.h"
#include "UhOh.h"
#include "Wav.h"

#include <cstddef>
#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: " << (argc > 0 ? argv[0] : "make_sounds") << " <out-dir>\n";
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    if (ec) {
        std::cerr << "make_sounds: cannot create " << dir.string() << ": " << ec.message() << '\n';
        return 1;
    }

    using namespace Sounds;

    // Each clip gets its own crowd so repeated right answers don't sound
    // canned: size, brightness, tempo and length all differ.
    const ApplauseStyle styles[] = {
        {.seed = 0x51A11,
         .seconds = 1.3,
         .clappers = 14,
         .brightness = 1.0,
         .rate_hz = 4.5,
         .swell_s = 0.18},
        {.seed = 0x51A22,
         .seconds = 1.6,
         .clappers = 24,
         .brightness = 1.2,
         .rate_hz = 4.0,
         .swell_s = 0.25},
        {.seed = 0x51A33,
         .seconds = 1.8,
         .clappers = 34,
         .brightness = 0.85,
         .rate_hz = 3.6,
         .swell_s = 0.3},
        {.seed = 0x51A44,
         .seconds = 1.5,
         .clappers = 18,
         .brightness = 1.35,
         .rate_hz = 5.2,
         .swell_s = 0.12},
    };

    struct Output {
        std::string name;
        Buffer samples;
        double peak_dbfs;
    };
    std::vector<Output> outputs;
    for (std::size_t i = 0; i < std::size(styles); ++i) {
        Buffer clip = make_applause(styles[i]);
        fade_ends(clip, 0.004, 0.03);
        soft_limit(clip, 1.8);
        outputs.push_back({"si" + std::to_string(i + 1) + ".wav", std::move(clip), -3.0});
    }
    Buffer no = make_uh_oh();
    fade_ends(no, 0.005, 0.02);
    // A steady tone sounds much louder than applause at the same peak; a
    // lower peak keeps "wrong" no louder than "right".
    outputs.push_back({"no.wav", std::move(no), -6.0});

    int status = 0;
    for (auto& [name, samples, peak_dbfs] : outputs) {
        normalise(samples, peak_dbfs);
        const auto path = dir / name;
        if (!write_wav(path, samples)) {
            std::cerr << "make_sounds: cannot write " << path.string() << '\n';
            status = 1;
        }
    }
    return status;
}
