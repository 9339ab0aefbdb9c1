#pragma once

#include <cstdint>

namespace quillmap::platform {

struct point {
    int32_t x = 0;
    int32_t y = 0;
    friend bool operator==(const point&, const point&) = default;
};

struct extent {
    int32_t width = 0;
    int32_t height = 0;
    friend bool operator==(const extent&, const extent&) = default;
};

// Right and bottom are exclusive, as in GDI.
struct rect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
    int32_t Width() const { return right - left; }
    int32_t Height() const { return bottom - top; }
    // Right and bottom edges are outside, as with Windows' rectangles.
    bool Contains(point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    friend bool operator==(const rect&, const rect&) = default;
};

// 0x00BBGGRR: red in the low byte.
using colour = uint32_t;

constexpr colour Rgb(uint8_t red, uint8_t green, uint8_t blue) {
    return colour(red) | (colour(green) << 8) | (colour(blue) << 16);
}

// A colour of the system's scheme, by the system's index: the high byte marks it, and the
// backend looks it up when it draws.
constexpr colour SystemColour(uint8_t index) { return 0x80000000u | index; }
constexpr bool IsSystemColour(colour c) { return (c & 0xFF000000u) == 0x80000000u; }
inline constexpr colour clBtnShadow = SystemColour(16);
inline constexpr colour clBtnFace = SystemColour(15);
inline constexpr colour clWindow = SystemColour(5);
inline constexpr colour clWindowText = SystemColour(8);
inline constexpr colour clHighlight = SystemColour(13);
inline constexpr colour clHighlightText = SystemColour(14);

inline constexpr colour clBlack = Rgb(0, 0, 0);
inline constexpr colour clWhite = Rgb(255, 255, 255);

}  // namespace quillmap::platform
