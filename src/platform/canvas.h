#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "platform/geometry.h"

namespace quillmap::platform {

class bitmap;
class pixelsurface;

// Bits of a font's style byte, in the order the state file stores them.
enum fontstylebit : uint8_t {
    fsBold = 1,
    fsItalic = 2,
    fsUnderline = 4,
    fsStrikeout = 8,
};

inline constexpr uint8_t RussianCharset = 204;
inline constexpr uint8_t DefaultCharset = 1;

struct fontspec {
    std::string face;  // CP1251
    // Negative: character height in pixels; positive: cell height in pixels.
    int32_t height = -13;
    uint8_t charset = DefaultCharset;
    uint8_t style = 0;  // fontstylebit combination
    colour textcolour = clBlack;
    friend bool operator==(const fontspec&, const fontspec&) = default;
};

// A plain black font that asks for the face's Cyrillic glyphs whatever the system's code page:
// what the program's own Russian texts are drawn in.
inline fontspec RussianFont(std::string face, int32_t height) { return {std::move(face), height, RussianCharset, 0, clBlack}; }

enum class penmode : uint8_t {
    copy,    // draw in the pen's colour
    invert,  // invert what lies under the pen (caret, rubber bands)
};

struct penspec {
    colour linecolour = clBlack;
    int32_t width = 1;
    penmode mode = penmode::copy;
    friend bool operator==(const penspec&, const penspec&) = default;
};

// Text output: no background means the text is drawn over what is there.
using textbackground = std::optional<colour>;

// One drawing surface: a window's bitmap, a printer page, or a recording in tests.
// Texts are CP1251 bytes; each backend converts them where it must.
class canvas {
public:
    virtual ~canvas() = default;

    virtual void SetFont(const fontspec& font) = 0;
    virtual const fontspec& Font() const = 0;
    virtual void SetPen(const penspec& pen) = 0;
    virtual const penspec& Pen() const = 0;
    virtual void SetBrush(colour fill) = 0;
    virtual colour Brush() const = 0;

    virtual void TextOut(point at, std::string_view text, textbackground background) = 0;
    // Width and height of a string as laid on one line (GetTextExtentPoint32).
    virtual extent TextExtent(std::string_view text) = 0;
    // The single-line DrawText measure; an empty string still measures one line high.
    virtual extent MeasureSingleLine(std::string_view text) = 0;
    // Left-aligned from the top, broken between words to the rectangle's width, ampersands
    // shown as they are, nothing drawn outside the rectangle.
    virtual void DrawWordWrapped(const rect& area, std::string_view text) = 0;

    virtual void Polyline(std::span<const point> points) = 0;
    // Filled with the brush, outlined with the pen.
    virtual void Polygon(std::span<const point> points) = 0;
    virtual void Rectangle(const rect& r) = 0;
    // Filled with the brush, no outline.
    virtual void FillRect(const rect& r) = 0;

    // The grip in a window's corner by which it is sized.
    virtual void DrawSizeGrip(const rect& area) = 0;
    // Copies the area of an off-screen picture to the same place on this canvas.
    virtual void CopyFrom(const bitmap& source, const rect& area) = 0;
    // Copies a whole surface of pixels made by the same application with its top left corner at a
    // point; what falls outside the canvas is cut off.
    virtual void DrawPixels(const pixelsurface& source, point at) = 0;

    virtual void SetClipRect(const rect& r) = 0;
    virtual void ClearClip() = 0;

    virtual extent PixelsPerInch() const = 0;
    // Lends the surface to code outside the program (a skin) as the system's own handle (a
    // device context, with this canvas's brush selected); whatever that code selects or sets in
    // it is put back afterwards.
    virtual void LendNative(const std::function<void(void*)>& draw) = 0;
};

}  // namespace quillmap::platform
