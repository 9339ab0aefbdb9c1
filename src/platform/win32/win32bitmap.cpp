#include "platform/win32/win32bitmap.h"

#include <algorithm>

namespace quillmap::win32 {

win32bitmap::win32bitmap(platform::extent size)
    : dc_(CreateCompatibleDC(nullptr)), canvas_(std::make_unique<gdicanvas>(dc_)) {
    SetSize(size);
}

win32bitmap::~win32bitmap() {
    canvas_.reset();
    picture_ = bitmaphandle();
    DeleteDC(dc_);
}

void win32bitmap::SetSize(platform::extent size) {
    // GDI gives no picture of width or height 0.
    const int width = std::max(1, size.width);
    const int height = std::max(1, size.height);
    HDC screen = GetDC(nullptr);
    bitmaphandle made(CreateCompatibleBitmap(screen, width, height));
    ReleaseDC(nullptr, screen);
    if (!made) return;
    SelectObject(dc_, made.Get());
    picture_ = std::move(made);
    size_ = size;
}

}  // namespace quillmap::win32
