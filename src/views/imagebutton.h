#pragma once

#include <array>
#include <cstdint>

#include "platform/canvas.h"

namespace quillmap {

// The picture of the button beside an image block's data that shows the image: a small house on
// a pale square, 19 pixels each way. It is made once, pixel by pixel as GDI paints the shapes,
// and drawn as runs of one colour, so that a row too low for the whole picture shows its top.
class imagebutton {
public:
    static constexpr int32_t Size = 19;

    imagebutton();
    platform::colour Pixel(int32_t x, int32_t y) const { return pixels_[static_cast<size_t>(y * Size + x)]; }
    // The picture's first height rows (at most all 19) with their top-left corner at.
    void Draw(platform::canvas& canvas, platform::point at, int32_t height) const;

private:
    void Fill(int32_t left, int32_t top, int32_t right, int32_t bottom, platform::colour colour);
    // A rectangle as GDI's Rectangle draws it with a one-pixel pen: the border in the outline
    // colour, the inside filled; right and bottom exclusive.
    void Frame(int32_t left, int32_t top, int32_t right, int32_t bottom, platform::colour fill, platform::colour outline);

    std::array<platform::colour, Size * Size> pixels_{};
};

}  // namespace quillmap
