#include "gif/gifpicture.h"

namespace quillmap {

void WritePicture(const lzwresult& decoded, const lzwinput& picture, platform::pixelsurface& surface) {
    const platform::extent size = surface.Size();
    if (size.width <= 0 || size.width != picture.width || size.height != picture.height) return;
    const auto width = static_cast<size_t>(size.width);
    uint32_t* pixels = surface.Pixels();
    for (size_t i = 0; i < decoded.pixels.size(); ++i) {
        const int32_t row = PictureRow(static_cast<int32_t>(i / width), picture.height, picture.interlaced);
        if (row < 0) break;
        const rgb colour = decoded.pixels[i];
        pixels[static_cast<size_t>(row) * width + i % width] =
            (uint32_t{colour.red} << 16) | (uint32_t{colour.green} << 8) | colour.blue;
    }
}

}  // namespace quillmap
