#pragma once

#include <memory>

#include "platform/bitmap.h"
#include "platform/win32/gdicanvas.h"
#include "platform/win32/gdiobject.h"
#include "platform/win32/winapi.h"

namespace quillmap::win32 {

// A picture compatible with the screen, selected into a memory DC of its own.
class win32bitmap final : public platform::bitmap {
public:
    explicit win32bitmap(platform::extent size);
    ~win32bitmap() override;
    win32bitmap(const win32bitmap&) = delete;
    win32bitmap& operator=(const win32bitmap&) = delete;

    platform::canvas& Canvas() override { return *canvas_; }
    platform::extent Size() const override { return size_; }
    void SetSize(platform::extent size) override;

    HDC Dc() const { return dc_; }

private:
    HDC dc_;
    // Made before the picture is selected, so that when it goes the DC takes its own 1x1
    // picture back and ours can be deleted.
    std::unique_ptr<gdicanvas> canvas_;
    bitmaphandle picture_;
    platform::extent size_;
};

}  // namespace quillmap::win32
