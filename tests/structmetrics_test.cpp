#include <gtest/gtest.h>

#include <vector>

#include "base/settings.h"
#include "platform/headless/headlesscanvas.h"
#include "support/settingsguard.h"
#include "views/structmetrics.h"

namespace quillmap {
namespace {

using platform::fontspec;
using platform::headlesscanvas;

// A font where every character is 7 pixels wide except the ones named.
headlesscanvas::widthfunction Widths(std::vector<std::pair<char, int32_t>> special) {
    return [special](const fontspec&, unsigned char c) {
        for (const auto& [character, width] : special)
            if (static_cast<unsigned char>(character) == c) return width;
        return 7;
    };
}

TEST(StructMetrics, WidestDigitFindsAWideEight) {
    headlesscanvas canvas;
    canvas.SetCharacterWidths(Widths({{'8', 11}, {'A', 9}}));
    EXPECT_EQ(WidestDigit(canvas, 16), 11);
    EXPECT_EQ(WidestDigit(canvas, 10), 11);
    EXPECT_EQ(WidestDigit(canvas, 9), 11);  // 0..8
}

TEST(StructMetrics, WidestDigitIgnoresDigitsAtOrAboveTheBase) {
    headlesscanvas canvas;
    canvas.SetCharacterWidths(Widths({{'9', 20}, {'8', 15}, {'7', 8}, {'1', 5}, {'0', 6}}));
    EXPECT_EQ(WidestDigit(canvas, 8), 8);   // 0..7: "8" and "9" do not count
    EXPECT_EQ(WidestDigit(canvas, 9), 15);  // 0..8
    EXPECT_EQ(WidestDigit(canvas, 10), 20);
    EXPECT_EQ(WidestDigit(canvas, 2), 6);   // only "0" (6) and "1" (5)
}

TEST(StructMetrics, WidestDigitCountsOnlyTheLettersOfTheBase) {
    headlesscanvas canvas;
    canvas.SetCharacterWidths(Widths({{'E', 13}, {'B', 10}, {'Z', 30}}));
    EXPECT_EQ(WidestDigit(canvas, 16), 13);  // A..F holds E
    EXPECT_EQ(WidestDigit(canvas, 14), 10);  // A..D: B, not E
    EXPECT_EQ(WidestDigit(canvas, 11), 7);   // A only
    EXPECT_EQ(WidestDigit(canvas, 10), 7);   // no letters at all
    EXPECT_EQ(WidestDigit(canvas, 35), 13);  // A..Y
    EXPECT_EQ(WidestDigit(canvas, 36), 30);  // A..Z
}

TEST(StructMetrics, LinePixelsFromDpiAndMillimetres) {
    // 96 * 0.3 / 25.4 = 1.13 -> 1, minus 1 = 0.
    EXPECT_EQ(LinePixels(96, 0.3), 0);
    // 600 * 0.3 / 25.4 = 7.09 -> 7, minus 1 = 6.
    EXPECT_EQ(LinePixels(600, 0.3), 6);
    // 127 * 0.5 / 25.4 = 2.5 exactly -> 2 (halves to even), minus 1 = 1.
    EXPECT_EQ(LinePixels(127, 0.5), 1);
    // 0.1 mm at 96 dpi rounds to 0 and stays at 0 rather than going negative.
    EXPECT_EQ(LinePixels(96, 0.1), 0);
}

// Codes in base 16 with a wide "8", coordinates in base 8 where "8" does not count; 96 dpi and
// the default distances and line widths.
TEST(StructMetrics, AtNinetySixDpiEveryEdgeWorkedOut) {
    testing::settingsguard guard;
    Settings().TextBaseSyst = 16;
    Settings().CoordBaseSyst = 8;
    headlesscanvas canvas;
    canvas.SetCharacterWidths(Widths({{'8', 9}}));

    metricsinput in;
    in.OriginX = 5;
    in.OriginY = 3;
    in.ClientWidth = 1000;
    in.ColumnCount = 8;
    in.LineHeight = 13;
    in.Printing = false;
    const structmetrics m = ComputeMetrics(MeasureGlyphs(canvas), in);

    EXPECT_EQ(m.DigitWidth, 9);                  // "8"
    EXPECT_EQ(m.CoordDigitWidth, 7);             // 0..7 are all 7
    EXPECT_EQ(m.CodeWidth, 18);                  // 2 digits of 9
    EXPECT_EQ(m.Pad, 5);                         // round(9 * 0.6 = 5.4)
    EXPECT_EQ(m.CoordPad, 4);                    // round(7 * 0.6 = 4.2)
    EXPECT_EQ(m.CellPitch, 23);                  // round(18 + 5.4)
    EXPECT_EQ(m.CoordDigits, 11);                // 37777777777 in octal
    EXPECT_EQ(m.ColumnDigits, 2);                // 8 = "10" in octal
    EXPECT_EQ(m.LinePx, 0);                      // round(1.13) - 1
    EXPECT_EQ(m.MarginPx, 0);                    // the same 0.3 mm
    EXPECT_EQ(m.FieldLinePx, 0);                 // round(96 * 0.2 / 25.4 = 0.76) - 1
    EXPECT_EQ(m.LineHeight, 13);
    EXPECT_EQ(m.FieldPad, 4);                    // round(13 * 0.3 = 3.9)
    EXPECT_EQ(m.ValueWidth, 101);                // 8 * 9 + 2 * 5 + 19
    // round(2 * 0.6 * 7 = 8.4) + 11 * 7 = 85 for the coordinates, 8 * 23 = 184 for the codes:
    // 1000 + 0 - 101 - 85 - 15 - 184 - 0 = 615.
    EXPECT_EQ(m.DescWidth, 615);

    EXPECT_EQ(m.CoordTextLeft, 9);    // 5 + 4
    EXPECT_EQ(m.CoordRight, 90);      // 5 + 85
    EXPECT_EQ(m.CoordLineX, 90);      // + 0 div 2
    EXPECT_EQ(m.CodeLeft, 95);        // 90 + 0 + 5
    EXPECT_EQ(m.FirstMarginX, 279);   // 95 + 184 + 0
    EXPECT_EQ(m.ValueLeft, 279);      // 95 + 184 + 0
    EXPECT_EQ(m.SecondMarginX, 380);  // 279 + 101 + 0
    EXPECT_EQ(m.DescLeft, 380);
    EXPECT_EQ(m.HeaderTextTop, 5);    // 3 + 2
    EXPECT_EQ(m.HeaderBottom, 18);    // 3 + 13 + 2
    EXPECT_EQ(m.HeaderLineY, 18);

    // 101 + round(5 * 0.6 * 7 = 21) + 77 + 184 + 0 + 0 + 615
    EXPECT_EQ(ContentWidth(m), 998);
}

// 600 dpi makes every line thick and the odd margin checks the div 2s; 12 columns, printing.
TEST(StructMetrics, AtSixHundredDpiWithThickLines) {
    testing::settingsguard guard;
    Settings().TextBaseSyst = 16;
    Settings().CoordBaseSyst = 16;
    Settings().MarginWidth = 0.5;
    headlesscanvas canvas;  // default font -13: every character 7 wide
    canvas.SetPixelsPerInch({600, 600});

    metricsinput in;
    in.OriginX = 10;
    in.OriginY = 7;
    in.ClientWidth = 1200;
    in.ColumnCount = 12;
    in.LineHeight = 20;
    in.Printing = true;
    const structmetrics m = ComputeMetrics(MeasureGlyphs(canvas), in);

    EXPECT_EQ(m.DigitWidth, 7);
    EXPECT_EQ(m.CodeWidth, 14);
    EXPECT_EQ(m.Pad, 4);          // round(4.2)
    EXPECT_EQ(m.CellPitch, 18);   // round(14 + 4.2)
    EXPECT_EQ(m.CoordDigits, 8);  // FFFFFFFF
    EXPECT_EQ(m.ColumnDigits, 1); // 12 = "C"
    EXPECT_EQ(m.LinePx, 6);       // round(600 * 0.3 / 25.4 = 7.09) - 1
    EXPECT_EQ(m.MarginPx, 11);    // round(600 * 0.5 / 25.4 = 11.81) - 1
    EXPECT_EQ(m.FieldLinePx, 4);  // round(600 * 0.2 / 25.4 = 4.72) - 1
    EXPECT_EQ(m.FieldPad, 6);     // round(20 * 0.3)
    EXPECT_EQ(m.ValueWidth, 92);  // 12 * 7 + 2 * 4, no boxes when printing
    // Coordinates round(8.4) + 8 * 7 = 64, codes 12 * 18 = 216:
    // 1200 + 6 - 92 - 64 - 12 - 216 - 22 = 800.
    EXPECT_EQ(m.DescWidth, 800);

    EXPECT_EQ(m.CoordTextLeft, 14);   // 10 + 4
    EXPECT_EQ(m.CoordRight, 74);      // 10 + 64
    EXPECT_EQ(m.CoordLineX, 77);      // 74 + 6 div 2
    EXPECT_EQ(m.CodeLeft, 84);        // 74 + 6 + 4
    EXPECT_EQ(m.FirstMarginX, 305);   // 84 + 216 + 11 div 2
    EXPECT_EQ(m.ValueLeft, 311);      // 84 + 216 + 11
    EXPECT_EQ(m.SecondMarginX, 408);  // 311 + 92 + 5, also 84 + 216 + 92 + 33 div 2
    EXPECT_EQ(m.DescLeft, 414);       // 311 + 92 + 11
    EXPECT_EQ(m.HeaderBottom, 29);    // 7 + 20 + 2
    EXPECT_EQ(m.HeaderLineY, 32);     // 29 + 6 div 2

    // 92 + 21 + 56 + 216 + 6 + 22 + 800
    EXPECT_EQ(ContentWidth(m), 1213);

    // 20 + 6 + 4 + (30 + 4) + (50 + 4) + (20 + 4) - 6 - 4
    EXPECT_EQ(ContentHeight(m, (30 + 4) + (50 + 4) + (20 + 4)), 132);
    EXPECT_EQ(ContentHeight(m, 0), 20);  // 20 + 6 + 4 - 6 - 4
    EXPECT_EQ(ContentHeight(m, int64_t{1} << 40), INT32_MAX);
}

TEST(StructMetrics, ValueWidthKeepsEightDigitsUpToEightColumns) {
    testing::settingsguard guard;
    headlesscanvas canvas;  // 7 wide, Pad = round(4.2) = 4
    metricsinput in;
    in.ClientWidth = 800;
    in.LineHeight = 13;
    const auto width = [&](int32_t columns, bool printing) {
        in.ColumnCount = columns;
        in.Printing = printing;
        return ComputeMetrics(MeasureGlyphs(canvas), in).ValueWidth;
    };
    EXPECT_EQ(width(2, false), 83);   // 8 * 7 + 8 + 19
    EXPECT_EQ(width(8, false), 83);
    EXPECT_EQ(width(9, false), 90);   // 9 * 7 + 8 + 19
    EXPECT_EQ(width(12, false), 111); // 12 * 7 + 8 + 19
    EXPECT_EQ(width(8, true), 64);    // 8 * 7 + 8
    EXPECT_EQ(width(12, true), 92);   // 12 * 7 + 8
}

TEST(StructMetrics, DescWidthNeverBelowFiveHundred) {
    testing::settingsguard guard;
    Settings().CoordBaseSyst = 8;
    headlesscanvas canvas;
    canvas.SetCharacterWidths(Widths({{'8', 9}}));
    metricsinput in;
    in.ColumnCount = 8;
    in.LineHeight = 13;
    // Everything but the description takes 385 pixels here, as worked out at 96 dpi above.
    in.ClientWidth = 886;
    EXPECT_EQ(ComputeMetrics(MeasureGlyphs(canvas), in).DescWidth, 501);
    in.ClientWidth = 885;
    EXPECT_EQ(ComputeMetrics(MeasureGlyphs(canvas), in).DescWidth, 500);
    in.ClientWidth = 884;
    EXPECT_EQ(ComputeMetrics(MeasureGlyphs(canvas), in).DescWidth, 500);
    in.ClientWidth = 0;
    EXPECT_EQ(ComputeMetrics(MeasureGlyphs(canvas), in).DescWidth, 500);
}

TEST(StructMetrics, BaseTwoCodesAreEightDigitsWideWhateverFirstZeroes) {
    testing::settingsguard guard;
    Settings().TextBaseSyst = 2;
    headlesscanvas canvas;
    canvas.SetCharacterWidths(Widths({{'0', 6}, {'1', 5}, {'2', 30}}));
    metricsinput in;
    in.LineHeight = 13;
    Settings().FirstZeroes = true;
    EXPECT_EQ(ComputeMetrics(MeasureGlyphs(canvas), in).CodeWidth, 48);  // 8 * 6
    Settings().FirstZeroes = false;
    const structmetrics m = ComputeMetrics(MeasureGlyphs(canvas), in);
    EXPECT_EQ(m.DigitWidth, 6);
    EXPECT_EQ(m.CodeWidth, 48);
    EXPECT_EQ(m.CellPitch, 52);  // round(48 + 6 * 0.6 = 51.6)
}

TEST(StructMetrics, DecimalAndBase36Coordinates) {
    testing::settingsguard guard;
    headlesscanvas canvas;
    metricsinput in;
    in.LineHeight = 13;
    in.ColumnCount = 100;
    Settings().CoordBaseSyst = 10;
    structmetrics m = ComputeMetrics(MeasureGlyphs(canvas), in);
    EXPECT_EQ(m.CoordDigits, 10);
    EXPECT_EQ(m.ColumnDigits, 3);
    Settings().CoordBaseSyst = 36;
    m = ComputeMetrics(MeasureGlyphs(canvas), in);
    EXPECT_EQ(m.CoordDigits, 7);   // 1Z141Z3
    EXPECT_EQ(m.ColumnDigits, 2);  // 100 = 2 * 36 + 28 = "2S"
}

}  // namespace
}  // namespace quillmap
