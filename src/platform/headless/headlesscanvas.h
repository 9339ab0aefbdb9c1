#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/canvas.h"

namespace quillmap::platform {

// One recorded drawing operation with the state it was drawn in.
struct drawop {
    enum class kind { text, wrappedtext, polyline, polygon, rectangle, fillrect, sizegrip, bitmapcopy, pixelcopy, clip, clearclip };
    kind what;
    std::string text;
    std::vector<point> points;  // text: its origin; polylines and polygons: their corners
    rect area;                  // wrapped texts, rectangles, fills, copies, clips
    fontspec font;
    penspec pen;
    colour brush;
    textbackground background;
};

// A canvas that draws nothing and records everything, with metrics that depend only on the font.
// Default metrics: every character is ceil(|height| / 2) pixels wide, one more when bold;
// a line is |height| pixels high.
class headlesscanvas final : public canvas {
public:
    using widthfunction = std::function<int32_t(const fontspec& font, unsigned char character)>;

    headlesscanvas();

    void SetFont(const fontspec& font) override { font_ = font; }
    const fontspec& Font() const override { return font_; }
    void SetPen(const penspec& pen) override { pen_ = pen; }
    const penspec& Pen() const override { return pen_; }
    void SetBrush(colour fill) override { brush_ = fill; }
    colour Brush() const override { return brush_; }

    void TextOut(point at, std::string_view text, textbackground background) override;
    extent TextExtent(std::string_view text) override;
    extent MeasureSingleLine(std::string_view text) override;
    // Recorded whole, with its rectangle: the line breaks are the platform's business.
    void DrawWordWrapped(const rect& area, std::string_view text) override;

    void Polyline(std::span<const point> points) override;
    void Polygon(std::span<const point> points) override;
    void Rectangle(const rect& r) override;
    void FillRect(const rect& r) override;
    void DrawSizeGrip(const rect& area) override;
    void CopyFrom(const bitmap& source, const rect& area) override;
    // Recorded with the area the surface covers.
    void DrawPixels(const pixelsurface& source, point at) override;
    void SetClipRect(const rect& r) override;
    void ClearClip() override;
    extent PixelsPerInch() const override { return pixelsperinch_; }
    // A skin here is test code: it receives this canvas and draws through it.
    void LendNative(const std::function<void(void*)>& draw) override { draw(this); }

    // Test controls.
    void SetCharacterWidths(widthfunction widths) { widths_ = std::move(widths); }
    void SetPixelsPerInch(extent ppi) { pixelsperinch_ = ppi; }
    int32_t LineHeightOf(const fontspec& font) const;

    const std::vector<drawop>& Operations() const { return operations_; }
    void ClearOperations() { operations_.clear(); }

private:
    drawop Record(drawop::kind what);

    fontspec font_;
    penspec pen_;
    colour brush_ = clWhite;
    extent pixelsperinch_{96, 96};
    widthfunction widths_;
    std::vector<drawop> operations_;
};

}  // namespace quillmap::platform
