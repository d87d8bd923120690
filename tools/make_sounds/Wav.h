// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Audio.h"

#include <filesystem>

namespace Sounds {

// RIFF/WAVE, 16-bit PCM mono, written byte by byte so the result is
// little-endian whatever the host. False if the file could not be written.
bool write_wav(const std::filesystem::path& path, const Buffer& samples);

} // namespace Sounds
