#include <gtest/gtest.h>

#include "platform/headless/headlesscanvas.h"
#include "platform/headless/headlesssystem.h"

namespace quillmap::platform {
namespace {

TEST(HeadlessCanvas, MetricsDependOnlyOnTheFont) {
    headlesscanvas canvas;
    canvas.SetFont({"Lucida Console", -13, RussianCharset, 0, clBlack});
    EXPECT_EQ(canvas.TextExtent("Ж0"), (extent{14, 13}));
    EXPECT_EQ(canvas.TextExtent(""), (extent{0, 13}));
    EXPECT_EQ(canvas.MeasureSingleLine(""), (extent{0, 13}));
    canvas.SetFont({"Lucida Console", 16, RussianCharset, fsBold, clBlack});
    EXPECT_EQ(canvas.TextExtent("abc"), (extent{27, 16}));

    canvas.SetCharacterWidths([](const fontspec&, unsigned char c) { return c == ' ' ? 3 : 7; });
    EXPECT_EQ(canvas.MeasureSingleLine("a b"), (extent{17, 16}));
    EXPECT_EQ(canvas.PixelsPerInch(), (extent{96, 96}));
}

TEST(HeadlessCanvas, RecordsEveryOperationWithItsState) {
    headlesscanvas canvas;
    canvas.SetFont({"Arial", -10, DefaultCharset, fsItalic, Rgb(1, 2, 3)});
    canvas.SetPen({Rgb(9, 9, 9), 2, penmode::invert});
    canvas.SetBrush(Rgb(200, 0, 0));
    canvas.TextOut({5, 6}, "значение", std::nullopt);
    canvas.TextOut({5, 20}, "x", clWhite);
    const point corners[] = {{0, 0}, {10, 0}, {10, 10}};
    canvas.Polyline(corners);
    canvas.Polygon(corners);
    canvas.Rectangle({1, 2, 3, 4});
    canvas.FillRect({0, 0, 8, 8});
    canvas.SetClipRect({0, 0, 50, 50});
    canvas.ClearClip();

    const auto& ops = canvas.Operations();
    ASSERT_EQ(ops.size(), 8u);
    EXPECT_EQ(ops[0].what, drawop::kind::text);
    EXPECT_EQ(ops[0].text, "значение");
    EXPECT_EQ(ops[0].points[0], (point{5, 6}));
    EXPECT_FALSE(ops[0].background.has_value());
    EXPECT_EQ(ops[0].font.textcolour, Rgb(1, 2, 3));
    EXPECT_EQ(ops[1].background, clWhite);
    EXPECT_EQ(ops[2].what, drawop::kind::polyline);
    EXPECT_EQ(ops[2].points.size(), 3u);
    EXPECT_EQ(ops[2].pen.mode, penmode::invert);
    EXPECT_EQ(ops[2].pen.width, 2);
    EXPECT_EQ(ops[3].what, drawop::kind::polygon);
    EXPECT_EQ(ops[3].brush, Rgb(200, 0, 0));
    EXPECT_EQ(ops[4].area, (rect{1, 2, 3, 4}));
    EXPECT_EQ(ops[5].what, drawop::kind::fillrect);
    EXPECT_EQ(ops[6].what, drawop::kind::clip);
    EXPECT_EQ(ops[7].what, drawop::kind::clearclip);
    canvas.ClearOperations();
    EXPECT_TRUE(canvas.Operations().empty());
}

TEST(HeadlessSystem, CountsBeepsAndMovesTheClock) {
    headlesssystem system;
    system.Beep();
    system.Beep();
    system.MessageBeep(beepkind::exclamation);
    EXPECT_EQ(system.Beeps(), 2);
    ASSERT_EQ(system.MessageBeeps().size(), 1u);
    EXPECT_EQ(system.MessageBeeps()[0], beepkind::exclamation);
    const uint32_t before = system.TickCount();
    system.AdvanceTicks(500);
    EXPECT_EQ(system.TickCount() - before, 500u);
}

}  // namespace
}  // namespace quillmap::platform
