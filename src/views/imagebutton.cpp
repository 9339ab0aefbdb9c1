#include "views/imagebutton.h"

#include <algorithm>

namespace quillmap {

namespace {

// Windows colour values: blue in the high byte.
constexpr platform::colour Face = 0xF0FBFF;
constexpr platform::colour Border = 0xC0C0C0;
constexpr platform::colour Walls = 0x00FFFF;
constexpr platform::colour WallLine = 0x808080;
constexpr platform::colour Window = 0x800000;
constexpr platform::colour Beam = 0x000000;
constexpr platform::colour Roof = 0x000080;

}  // namespace

imagebutton::imagebutton() {
    Frame(0, 0, Size, Size, Face, Border);
    Frame(3, 8, 16, 16, Walls, WallLine);
    Fill(12, 11, 15, 15, Window);
    // A pen line from x = 6 to 14 leaves its last point out.
    Fill(6, 10, 14, 11, Beam);
    // The roof polygon (4, 7), (9, 2), (14, 7), filled and outlined in one colour: its outline
    // takes every corner, so row y runs from 11 - y to 7 + y.
    for (int32_t y = 2; y <= 7; ++y) Fill(11 - y, y, 8 + y, y + 1, Roof);
}

void imagebutton::Fill(int32_t left, int32_t top, int32_t right, int32_t bottom, platform::colour colour) {
    for (int32_t y = top; y < bottom; ++y)
        for (int32_t x = left; x < right; ++x) pixels_[static_cast<size_t>(y * Size + x)] = colour;
}

void imagebutton::Frame(int32_t left, int32_t top, int32_t right, int32_t bottom, platform::colour fill,
                        platform::colour outline) {
    Fill(left, top, right, bottom, outline);
    Fill(left + 1, top + 1, right - 1, bottom - 1, fill);
}

void imagebutton::Draw(platform::canvas& canvas, platform::point at, int32_t height) const {
    const platform::colour brush = canvas.Brush();
    for (int32_t y = 0; y < std::min(height, Size); ++y) {
        for (int32_t x = 0; x < Size;) {
            const platform::colour colour = Pixel(x, y);
            int32_t end = x + 1;
            while (end < Size && Pixel(end, y) == colour) ++end;
            canvas.SetBrush(colour);
            canvas.FillRect({at.x + x, at.y + y, at.x + end, at.y + y + 1});
            x = end;
        }
    }
    canvas.SetBrush(brush);
}

}  // namespace quillmap
