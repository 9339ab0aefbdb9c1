#pragma once

#include <memory>

#include "platform/canvas.h"

// HDC without <windows.h>: with STRICT handles (the default) an HDC is a pointer to this.
struct HDC__;

namespace quillmap::win32 {

// A canvas drawing on a device context it does not own. Whatever it selects into the DC is put
// back when the canvas goes, so the DC leaves as it came.
class gdicanvas final : public platform::canvas {
public:
    explicit gdicanvas(HDC__* dc);
    ~gdicanvas() override;
    gdicanvas(gdicanvas&&) noexcept;
    gdicanvas& operator=(gdicanvas&&) noexcept;
    gdicanvas(const gdicanvas&) = delete;
    gdicanvas& operator=(const gdicanvas&) = delete;

    void SetFont(const platform::fontspec& font) override;
    const platform::fontspec& Font() const override;
    void SetPen(const platform::penspec& pen) override;
    const platform::penspec& Pen() const override;
    void SetBrush(platform::colour fill) override;
    platform::colour Brush() const override;

    void TextOut(platform::point at, std::string_view text, platform::textbackground background) override;
    platform::extent TextExtent(std::string_view text) override;
    platform::extent MeasureSingleLine(std::string_view text) override;
    void DrawWordWrapped(const platform::rect& area, std::string_view text) override;

    void Polyline(std::span<const platform::point> points) override;
    void Polygon(std::span<const platform::point> points) override;
    void Rectangle(const platform::rect& r) override;
    void FillRect(const platform::rect& r) override;

    void DrawSizeGrip(const platform::rect& area) override;
    void CopyFrom(const platform::bitmap& source, const platform::rect& area) override;
    void DrawPixels(const platform::pixelsurface& source, platform::point at) override;
    void SetClipRect(const platform::rect& r) override;
    void ClearClip() override;

    platform::extent PixelsPerInch() const override;
    void LendNative(const std::function<void(void*)>& draw) override;

private:
    struct state;
    std::unique_ptr<state> state_;
};

}  // namespace quillmap::win32
