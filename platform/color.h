#pragma once
// Colours are 24-bit RGB held in 32 bits as 0x00BBGGRR.
#include <cstdint>

namespace veldor {

using Color = std::uint32_t;

// What a read outside a bitmap yields: all bits set, so every channel reads 255.
inline constexpr Color kInvalidColor = 0xFFFFFFFFu;
inline constexpr Color kWhite = 0x00FFFFFFu;
inline constexpr Color kBlack = 0x00000000u;

constexpr Color rgb(int r, int g, int b)
{
    return Color(r & 0xFF) | (Color(g & 0xFF) << 8) | (Color(b & 0xFF) << 16);
}
constexpr int redOf(Color c) { return int(c & 0xFF); }
constexpr int greenOf(Color c) { return int((c >> 8) & 0xFF); }
constexpr int blueOf(Color c) { return int((c >> 16) & 0xFF); }

// Transparent in grounds and objects: exactly (255, 255, 255) in the 24 colour bits.
constexpr bool isPureWhite(Color c) { return (c & 0x00FFFFFFu) == kWhite; }

} // namespace veldor
