#pragma once

#include <memory>

#include "platform/pixelsurface.h"
#include "platform/win32/gdiobject.h"
#include "platform/win32/winapi.h"

namespace quillmap::win32 {

// A top-down 32-bit device-independent section selected into a memory DC of its own, so that the
// program writes its pixels directly and GDI copies them to a window.
class win32pixelsurface final : public platform::pixelsurface {
public:
    // Null when the section or its DC cannot be made.
    static std::unique_ptr<win32pixelsurface> Make(platform::extent size);
    ~win32pixelsurface() override;
    win32pixelsurface(const win32pixelsurface&) = delete;
    win32pixelsurface& operator=(const win32pixelsurface&) = delete;

    platform::extent Size() const override { return size_; }
    uint32_t* Pixels() override { return pixels_; }
    const uint32_t* Pixels() const override { return pixels_; }
    HDC Dc() const { return dc_; }

private:
    win32pixelsurface(platform::extent size, HDC dc, bitmaphandle section, uint32_t* pixels);

    platform::extent size_;
    HDC dc_;
    bitmaphandle section_;
    HGDIOBJ previous_;
    uint32_t* pixels_;
};

}  // namespace quillmap::win32
