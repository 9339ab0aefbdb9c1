#pragma once

#include <cstdint>

#include "platform/canvas.h"

namespace quillmap {

// What the view measures once per font or base change.
struct glyphsizes {
    int32_t DigitWidth = 0;       // widest digit of TextBaseSyst
    int32_t CoordDigitWidth = 0;  // widest digit of CoordBaseSyst
    int32_t Dpi = 96;             // the canvas's horizontal pixels per inch
};

// What the structure view knows when it lays itself out; the bases, distances and line widths
// come from Settings().
struct metricsinput {
    int32_t OriginX = 0;  // the effective margins the main window gives
    int32_t OriginY = 0;
    int32_t ClientWidth = 0;
    int32_t ColumnCount = 8;
    int32_t LineHeight = 0;  // the view's own measure of its font
    bool Printing = false;
};

// The structure view's pixel geometry. x positions are unscrolled: everything from the
// coordinate line rightwards is drawn shifted left by scroll x, the coordinate column is not.
struct structmetrics {
    // Measured and derived sizes.
    int32_t DigitWidth = 0;       // widest digit of TextBaseSyst
    int32_t CoordDigitWidth = 0;  // widest digit of CoordBaseSyst
    int32_t CodeWidth = 0;
    int32_t Pad = 0;
    int32_t CoordPad = 0;
    int32_t CellPitch = 0;  // from one code's left edge to the next one's
    int32_t CoordDigits = 0;
    int32_t ColumnDigits = 0;
    int32_t LinePx = 0;
    int32_t MarginPx = 0;
    int32_t FieldLinePx = 0;
    int32_t LineHeight = 0;
    int32_t FieldPad = 0;
    int32_t ValueWidth = 0;
    int32_t DescWidth = 0;

    // Kept so the content size needs nothing but this struct.
    int32_t ColumnCount = 0;
    double HDistance = 0.0;

    // Horizontal layout, left to right.
    int32_t OriginX = 0;
    int32_t CoordTextLeft = 0;  // where coordinate digits start
    int32_t CoordRight = 0;
    int32_t CoordLineX = 0;  // centre of the coordinate line, LinePx + 1 wide
    int32_t CodeLeft = 0;
    int32_t FirstMarginX = 0;  // between codes and value column
    int32_t ValueLeft = 0;
    int32_t SecondMarginX = 0;  // between value and description columns
    int32_t DescLeft = 0;

    // Vertical layout of the header.
    int32_t OriginY = 0;
    int32_t HeaderTextTop = 0;  // column numbers and captions
    int32_t HeaderBottom = 0;
    int32_t HeaderLineY = 0;  // centre of the header line, LinePx + 1 wide
};

// A line thickness in pixels from millimetres: a pen of width w covers w + 1 pixels in the
// view's lines, hence the − 1; never below 0.
int32_t LinePixels(int32_t dpi, double millimetres);

// Widest glyph among the digits of base in the canvas's current font: "0".."9" below the base,
// then "A" onwards for bases above 10.
int32_t WidestDigit(platform::canvas& canvas, int32_t base);

// Measures with the canvas's current font, which the caller has set to the view font.
glyphsizes MeasureGlyphs(platform::canvas& canvas);

// Plain arithmetic, cheap enough to redo whenever the window's size or margins change.
structmetrics ComputeMetrics(const glyphsizes& glyphs, const metricsinput& in);

// Scroll-bar extents. ContentHeight takes the sum of every block's height with its separator
// band; a sum beyond int32 gives the largest height a scroll bar can hold.
int32_t ContentWidth(const structmetrics& m);
int32_t ContentHeight(const structmetrics& m, int64_t blocks);

}  // namespace quillmap
