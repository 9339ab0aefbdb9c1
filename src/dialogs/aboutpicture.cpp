#include "dialogs/aboutpicture.h"

#include <cmath>
#include <numbers>

namespace quillmap {

namespace {

constexpr int32_t Width = AboutPictureSize.width;
constexpr int32_t Height = AboutPictureSize.height;
constexpr uint32_t White = 0x00FFFFFF;
constexpr uint32_t Paper = 0x00FFF8DC;
constexpr uint32_t Vane = 0x00E8ECFF;
constexpr uint32_t Barb = 0x00B8C4E8;
constexpr uint32_t Shaft = 0x00505060;
// The code cells take the colours of a small palette, as a GIF's colour map would show them.
constexpr uint32_t CellColours[] = {0x00E04040, 0x0040A040, 0x004060E0, 0x00F0D040, 0x00A050C0, 0x0040C0C0, 0x00F09040};

// The frame of the page the codes are written on, and its grid of cells; edges inclusive.
constexpr platform::rect Page{6, 34, 82, 116};
constexpr platform::point GridOrigin{10, 40};
constexpr platform::extent Cell{17, 12};
constexpr int32_t GridColumns = 4;
constexpr int32_t GridRows = 6;

// The quill lies from its nib to the tip of its feather; the vane starts part of the way along.
constexpr double NibX = 44, NibY = 96, TipX = 97, TipY = 8;
constexpr double VaneStart = 0.3;
constexpr double VaneHalfWidth = 10.5;
constexpr double ShaftHalfWidth = 1.6;
// Along the shaft the nib narrows to its point over this part of the length.
constexpr double NibPoint = 0.08;

class picture {
public:
    picture() : pixels_(static_cast<size_t>(Width * Height), White) {}
    uint32_t& At(int32_t x, int32_t y) { return pixels_[static_cast<size_t>(y * Width + x)]; }
    std::vector<uint32_t> Take() { return std::move(pixels_); }

private:
    std::vector<uint32_t> pixels_;
};

// A box filled with a colour inside a one-pixel black outline.
void OutlinedBox(picture& image, const platform::rect& box, uint32_t fill) {
    for (int32_t y = box.top; y <= box.bottom; ++y) {
        for (int32_t x = box.left; x <= box.right; ++x) {
            const bool edge = x == box.left || x == box.right || y == box.top || y == box.bottom;
            image.At(x, y) = edge ? AboutOutlinePixel : fill;
        }
    }
}

void DrawPage(picture& image) {
    OutlinedBox(image, Page, Paper);
    for (int32_t row = 0; row < GridRows; ++row) {
        for (int32_t column = 0; column < GridColumns; ++column) {
            const int32_t left = GridOrigin.x + column * (Cell.width - 1);
            const int32_t top = GridOrigin.y + row * (Cell.height - 1);
            const uint32_t colour = CellColours[(row * GridColumns + column * 3) % std::size(CellColours)];
            OutlinedBox(image, {left, top, left + Cell.width - 1, top + Cell.height - 1}, colour);
        }
    }
}

// Where a point lies against the quill: how far along it from the nib (0) to the tip (1), and
// how far to the side of its axis in pixels.
struct quillplace {
    double along;
    double aside;
};

quillplace PlaceOnQuill(int32_t x, int32_t y) {
    const double dx = TipX - NibX, dy = TipY - NibY;
    const double length = std::hypot(dx, dy);
    const double px = x - NibX, py = y - NibY;
    return {(px * dx + py * dy) / (length * length), (px * dy - py * dx) / length};
}

// The half-width of the quill at a place along it: the nib sharpening to its point, the bare
// shaft, then the vane swelling and narrowing to the tip.
double HalfWidth(double along) {
    if (along < 0 || along > 1) return -1;
    if (along < NibPoint) return ShaftHalfWidth * along / NibPoint;
    if (along < VaneStart) return ShaftHalfWidth;
    const double vane = (along - VaneStart) / (1 - VaneStart);
    return std::max(ShaftHalfWidth, VaneHalfWidth * std::pow(std::sin(std::numbers::pi * vane), 0.6));
}

bool InQuill(int32_t x, int32_t y) {
    if (x < 0 || y < 0 || x >= Width || y >= Height) return false;
    const quillplace place = PlaceOnQuill(x, y);
    return std::abs(place.aside) <= HalfWidth(place.along);
}

// The quill over the page: its edge black wherever a step up, down, left or right leaves it, so
// that a fill from outside cannot seep in; inside, the dark shaft and the vane's slanting barbs.
void DrawQuill(picture& image) {
    for (int32_t y = 0; y < Height; ++y) {
        for (int32_t x = 0; x < Width; ++x) {
            if (!InQuill(x, y)) continue;
            const bool edge = !InQuill(x + 1, y) || !InQuill(x - 1, y) || !InQuill(x, y + 1) || !InQuill(x, y - 1);
            const quillplace place = PlaceOnQuill(x, y);
            uint32_t colour = Vane;
            if (edge) colour = AboutOutlinePixel;
            else if (std::abs(place.aside) < 1.0) colour = Shaft;
            else if (std::fmod(place.along * 100 + std::abs(place.aside) * 0.7, 6.0) < 1.2) colour = Barb;
            image.At(x, y) = colour;
        }
    }
}

}  // namespace

std::vector<uint32_t> AboutPicture() {
    picture image;
    DrawPage(image);
    DrawQuill(image);
    return image.Take();
}

}  // namespace quillmap
