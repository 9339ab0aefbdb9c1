#include "platform/win32/win32pixelsurface.h"

#include <algorithm>
#include <utility>

namespace quillmap::win32 {

std::unique_ptr<win32pixelsurface> win32pixelsurface::Make(platform::extent size) {
    if (!platform::PixelSurfaceBytes(size)) return nullptr;
    // GDI makes no section of width or height 0; such a surface has a pixel nobody sees.
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = std::max(1, size.width);
    info.bmiHeader.biHeight = -std::max(1, size.height);  // negative: rows top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmaphandle section(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!section || bits == nullptr) return nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    if (dc == nullptr) return nullptr;
    return std::unique_ptr<win32pixelsurface>(
        new win32pixelsurface(size, dc, std::move(section), static_cast<uint32_t*>(bits)));
}

win32pixelsurface::win32pixelsurface(platform::extent size, HDC dc, bitmaphandle section, uint32_t* pixels)
    : size_(size), dc_(dc), section_(std::move(section)), previous_(SelectObject(dc, section_.Get())),
      pixels_(pixels) {}

win32pixelsurface::~win32pixelsurface() {
    // The section leaves the DC before either goes.
    SelectObject(dc_, previous_);
    DeleteDC(dc_);
}

}  // namespace quillmap::win32
