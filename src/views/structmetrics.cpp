#include "views/structmetrics.h"

#include <algorithm>
#include <limits>
#include <string>

#include "base/rounding.h"
#include "base/settings.h"
#include "views/digits.h"

namespace quillmap {

int32_t LinePixels(int32_t dpi, double millimetres) {
    return std::max(0, RoundHalfEven(dpi * millimetres / 25.4) - 1);
}

int32_t WidestDigit(platform::canvas& canvas, int32_t base) {
    base = std::clamp(base, 2, 36);
    int32_t widest = 0;
    for (int32_t digit = 0; digit < base; ++digit) {
        const std::string glyph = DigitString(static_cast<uint32_t>(digit), base, 0);
        widest = std::max(widest, canvas.TextExtent(glyph).width);
    }
    return widest;
}

glyphsizes MeasureGlyphs(platform::canvas& canvas) {
    const settingvalues& s = Settings();
    return {WidestDigit(canvas, s.TextBaseSyst), WidestDigit(canvas, s.CoordBaseSyst), canvas.PixelsPerInch().width};
}

structmetrics ComputeMetrics(const glyphsizes& glyphs, const metricsinput& in) {
    const settingvalues& s = Settings();
    structmetrics m;
    m.HDistance = s.HDistance;
    m.ColumnCount = in.ColumnCount;
    m.LineHeight = in.LineHeight;

    m.DigitWidth = glyphs.DigitWidth;
    m.CoordDigitWidth = glyphs.CoordDigitWidth;
    m.CodeWidth = m.DigitWidth * DigitCount(255, s.TextBaseSyst);
    m.Pad = RoundHalfEven(m.DigitWidth * s.HDistance);
    m.CoordPad = RoundHalfEven(m.CoordDigitWidth * s.HDistance);
    m.CellPitch = RoundHalfEven(m.CodeWidth + m.DigitWidth * s.HDistance);
    m.CoordDigits = DigitCount(4294967295u, s.CoordBaseSyst);
    m.ColumnDigits = DigitCount(static_cast<uint32_t>(std::max(in.ColumnCount, 0)), s.CoordBaseSyst);

    m.LinePx = LinePixels(glyphs.Dpi, s.LineWidth);
    m.MarginPx = LinePixels(glyphs.Dpi, s.MarginWidth);
    m.FieldLinePx = LinePixels(glyphs.Dpi, s.FieldLineWidth);
    m.FieldPad = RoundHalfEven(in.LineHeight * s.FieldDist);

    // Never narrower than eight digits; the 19 pixels hold the expand and collapse boxes, which
    // a printout does not show.
    m.ValueWidth = (in.ColumnCount < 9 ? 8 : in.ColumnCount) * m.DigitWidth + 2 * m.Pad + (in.Printing ? 0 : 19);

    const int32_t coordspan = RoundHalfEven(2 * s.HDistance * m.CoordDigitWidth) + m.CoordDigits * m.CoordDigitWidth;
    const int32_t codespan = in.ColumnCount * m.CellPitch;
    // The description column takes what the window leaves, but never so little that its texts
    // become a column of single words.
    m.DescWidth = std::max(500, in.ClientWidth + m.LinePx - m.ValueWidth - coordspan - 3 * m.Pad - codespan -
                                    2 * m.MarginPx);

    m.OriginX = in.OriginX;
    m.CoordTextLeft = in.OriginX + m.CoordPad;
    m.CoordRight = in.OriginX + coordspan;
    m.CoordLineX = m.CoordRight + m.LinePx / 2;
    m.CodeLeft = m.CoordRight + m.LinePx + m.Pad;
    m.FirstMarginX = m.CodeLeft + codespan + m.MarginPx / 2;
    m.ValueLeft = m.CodeLeft + codespan + m.MarginPx;
    m.SecondMarginX = m.ValueLeft + m.ValueWidth + m.MarginPx / 2;
    m.DescLeft = m.ValueLeft + m.ValueWidth + m.MarginPx;

    m.OriginY = in.OriginY;
    m.HeaderTextTop = in.OriginY + 2;
    m.HeaderBottom = in.OriginY + in.LineHeight + 2;
    m.HeaderLineY = m.HeaderBottom + m.LinePx / 2;
    return m;
}

int32_t ContentWidth(const structmetrics& m) {
    return m.ValueWidth + RoundHalfEven(5 * m.HDistance * m.CoordDigitWidth) + m.CoordDigits * m.CoordDigitWidth +
           m.ColumnCount * m.CellPitch + m.LinePx + 2 * m.MarginPx + m.DescWidth;
}

int32_t ContentHeight(const structmetrics& m, int64_t blocks) {
    const int64_t height = int64_t{m.LineHeight} + m.LinePx + 4 - m.FieldPad - m.FieldLinePx + blocks;
    return static_cast<int32_t>(std::clamp<int64_t>(height, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

}  // namespace quillmap
