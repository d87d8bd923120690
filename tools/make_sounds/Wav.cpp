// SPDX-License-Identifier: GPL-3.0-or-later
#include "Wav.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <string>

namespace Sounds {
namespace {

void put_u16(std::string& out, std::uint16_t v) {
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>(v >> 8));
}

void put_u32(std::string& out, std::uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8) {
        out.push_back(static_cast<char>((v >> shift) & 0xFF));
    }
}

} // namespace

bool write_wav(const std::filesystem::path& path, const Buffer& samples) {
    const auto data_bytes = static_cast<std::uint32_t>(samples.size() * 2);
    std::string bytes;
    bytes.reserve(44 + data_bytes);
    bytes += "RIFF";
    put_u32(bytes, 36 + data_bytes);
    bytes += "WAVEfmt ";
    put_u32(bytes, 16); // fmt chunk size
    put_u16(bytes, 1);  // PCM
    put_u16(bytes, 1);  // mono
    put_u32(bytes, kSampleRate);
    put_u32(bytes, kSampleRate * 2); // byte rate
    put_u16(bytes, 2);               // block align
    put_u16(bytes, 16);              // bits per sample
    bytes += "data";
    put_u32(bytes, data_bytes);
    for (double s : samples) {
        const double clamped = std::clamp(s, -1.0, 1.0);
        const auto v = static_cast<std::int16_t>(std::lround(clamped * 32767.0));
        put_u16(bytes, static_cast<std::uint16_t>(v));
    }

    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.close();
    return static_cast<bool>(file);
}

} // namespace Sounds
