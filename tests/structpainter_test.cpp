#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/settings.h"
#include "platform/headless/headlesscanvas.h"
#include "platform/headless/headlesssystem.h"
#include "support/gifbytes.h"
#include "support/settingsguard.h"
#include "views/vwgif.h"

namespace quillmap::testing {
namespace {

using platform::drawop;
using platform::point;
using platform::rect;

// The headless canvas's default font draws every glyph 7 pixels wide and 13 high. With the
// default settings at 96 dpi and the margins at 0, worked out by hand:
//   LineHeight 13, FieldPad round(13 * 0.3) = 4, DigitWidth 7, CodeWidth 14, Pad round(4.2) = 4,
//   CellPitch round(14 + 4.2) = 18, LinePx = MarginPx = FieldLinePx = 0;
//   CoordRight = round(2 * 0.6 * 7) + 8 * 7 = 64, the coordinate line at x 64;
//   CodeLeft = 64 + 0 + 4 = 68; the first margin line and ValueLeft at 68 + 8 * 18 = 212;
//   ValueWidth = 8 * 7 + 2 * 4 + 19 = 83; the second margin line and DescLeft at 295;
//   with a client 1000 wide, DescWidth = 1000 - 83 - 64 - 12 - 144 = 697, so the drawing ends
//   at 295 + 697 + 4 = 996;
//   the header text at y 2, the header line at 15, the first block's top at 16 and its first
//   row at 20; a one-row field is round(13 * 1.6) = 21 high, a two-row one round(13 * 2.6) = 34.
constexpr int32_t ClientWidth = 1000;
constexpr int32_t FirstRowY = 20;

struct paintfixture {
    explicit paintfixture(const std::vector<uint8_t>& bytes, int32_t clientheight = 200) {
        view.SetClientWidth(ClientWidth);
        view.SetClientHeight(clientheight);
        view.AppendBytes(bytes.data(), static_cast<int32_t>(bytes.size()));
        view.ReparseAll();
    }
    const std::vector<drawop>& Paint() {
        canvas.ClearOperations();
        view.Paint();
        return canvas.Operations();
    }

    settingsguard settings;
    platform::headlesscanvas canvas;
    platform::headlesssystem system;
    vwgif view{canvas, system};
};

std::vector<drawop> TextsAtY(const std::vector<drawop>& ops, int32_t y) {
    std::vector<drawop> found;
    for (const drawop& op : ops)
        if (op.what == drawop::kind::text && op.points[0].y == y) found.push_back(op);
    return found;
}

// The texts drawn on one row inside [left, right), joined with their x positions.
std::string RowText(const std::vector<drawop>& ops, int32_t y, int32_t left, int32_t right) {
    std::string text;
    for (const drawop& op : TextsAtY(ops, y))
        if (op.points[0].x >= left && op.points[0].x < right)
            text += op.text + "@" + std::to_string(op.points[0].x) + " ";
    return text;
}

// The coordinate written on a row, its digits joined.
std::string Coordinate(const std::vector<drawop>& ops, int32_t y) {
    std::string digits;
    for (const drawop& op : TextsAtY(ops, y))
        if (op.points[0].x < 64) digits += op.text;
    return digits;
}

const drawop* FindText(const std::vector<drawop>& ops, const std::string& text) {
    for (const drawop& op : ops)
        if (op.what == drawop::kind::text && op.text == text) return &op;
    return nullptr;
}

std::vector<drawop> OpsOfKind(const std::vector<drawop>& ops, drawop::kind kind) {
    std::vector<drawop> found;
    std::copy_if(ops.begin(), ops.end(), std::back_inserter(found), [kind](const drawop& op) { return op.what == kind; });
    return found;
}

std::vector<uint8_t> SmallGif() { return gifbytes().Header("89a", 3, 2, 0).Image(3, 2, 0).Trailer().Make(); }

TEST(StructPainter, HeaderFrameAndMarginLines) {
    paintfixture f(SmallGif());
    const std::vector<drawop> ops = f.Paint();

    std::string numbers;
    for (int c = 0; c < 8; ++c) numbers += std::to_string(c) + "@" + std::to_string(71 + 18 * c) + " ";
    EXPECT_EQ(RowText(ops, 2, 65, 212), numbers);
    const drawop* value = FindText(ops, "значение");
    const drawop* description = FindText(ops, "описание");
    ASSERT_TRUE(value && description);
    EXPECT_EQ(value->points[0], (point{212 + (83 - 56) / 2, 2}));
    EXPECT_EQ(description->points[0], (point{295 + (697 - 56) / 2, 2}));
    EXPECT_EQ(value->font.textcolour, Settings().CoordColor);

    const std::vector<drawop> lines = OpsOfKind(ops, drawop::kind::polyline);
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0].points, (std::vector<point>{{996, 15}, {64, 15}, {64, 200}}));
    EXPECT_EQ(lines[0].pen.linecolour, Settings().LineColor);
    const auto margin = [&](int32_t x) {
        return std::count_if(lines.begin(), lines.end(), [&](const drawop& op) {
            return op.points == std::vector<point>{{x, 15}, {x, 200}} && op.pen.linecolour == Settings().MarginColor;
        });
    };
    EXPECT_EQ(margin(212), 1);
    EXPECT_EQ(margin(295), 1);
}

TEST(StructPainter, RowsShowCoordinatesCodesValuesAndDescriptions) {
    paintfixture f(SmallGif());
    const std::vector<drawop> ops = f.Paint();

    // The signature: coordinate 00000000 digit by digit, "GIF" as codes and as characters.
    std::string coordinate;
    for (int i = 0; i < 8; ++i) coordinate += "0@" + std::to_string(4 + 7 * i) + " ";
    EXPECT_EQ(RowText(ops, FirstRowY, 0, 64), coordinate);
    EXPECT_EQ(RowText(ops, FirstRowY, 64, 212), "4@68 7@75 4@86 9@93 4@104 6@111 ");
    EXPECT_EQ(RowText(ops, FirstRowY, 212, 295), "GIF@212 ");
    EXPECT_EQ(TextsAtY(ops, FirstRowY)[0].font.textcolour, Settings().CoordColor);
    EXPECT_EQ(TextsAtY(ops, FirstRowY)[8].font.textcolour, platform::clBlack);

    // Its description fills the block between the margins; the screen descriptor below it is a
    // closed container of 10 bytes: two rows, coordinates 3 and B.
    const std::vector<drawop> texts = OpsOfKind(ops, drawop::kind::wrappedtext);
    ASSERT_GE(texts.size(), 2u);
    const pole* signature = f.view.Rows().Field(0);
    ASSERT_NE(signature, nullptr);
    EXPECT_EQ(texts[0].area, (rect{295, FirstRowY, 992, FirstRowY + 13}));
    EXPECT_EQ(texts[0].text, std::string(signature->Title()) + ". " + std::string(signature->Description()));
    const int32_t second = 16 + 21 + 4;
    EXPECT_EQ(texts[1].area, (rect{295, second, 992, second + 34 - 8}));
    EXPECT_EQ(Coordinate(ops, second), "00000003");
    EXPECT_EQ(Coordinate(ops, second + 13), "0000000B");
    EXPECT_EQ(RowText(ops, second + 13, 64, 212), "0@68 0@75 0@86 0@93 ");  // background and aspect

    // A separator line between the two blocks, from Pad to the drawing's end.
    const std::vector<drawop> lines = OpsOfKind(ops, drawop::kind::polyline);
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const drawop& op) {
        return op.points == std::vector<point>{{4, 37}, {996, 37}} && op.pen.linecolour == Settings().FieldLineClr;
    }));
}

TEST(StructPainter, ContentHeightSpansEveryBlock) {
    paintfixture f(SmallGif());
    // Signature 21, the screen descriptor and the image block 34 each (10 and 15 bytes), the
    // trailer block 21; bands of 0: 13 + 0 + 4 + 110 - 4 - 0.
    ASSERT_EQ(f.view.Rows().EntryCount(), 4);
    EXPECT_EQ(f.view.ContentHeight(), 123);
}

TEST(StructPainter, RowsStopAtTheBottomOfTheClientArea) {
    paintfixture f(SmallGif(), 60);
    const std::vector<drawop> ops = f.Paint();
    // Rows start at 20 and 41: the next one, at 54, still starts inside; 41 + 34 would not.
    int32_t lowest = 0;
    for (const drawop& op : OpsOfKind(ops, drawop::kind::text)) lowest = std::max(lowest, op.points[0].y);
    EXPECT_EQ(lowest, 54);
}

TEST(StructPainter, BaseTwoCodesWithAndWithoutLeadingZeros) {
    const std::vector<uint8_t> notgif{0x00, 0x05};
    {
        paintfixture f(notgif);
        Settings().TextBaseSyst = 2;
        f.view.RecalcMetrics();
        const std::vector<drawop> ops = f.Paint();
        // CodeWidth 8 * 7 = 56, CellPitch round(56 + 4.2) = 60: eight digits per code.
        EXPECT_EQ(RowText(ops, FirstRowY, 68, 128),
                  "0@68 0@75 0@82 0@89 0@96 0@103 0@110 0@117 ");
        EXPECT_EQ(RowText(ops, FirstRowY, 128, 188),
                  "0@128 0@135 0@142 0@149 0@156 1@163 0@170 1@177 ");
    }
    {
        paintfixture f(notgif);
        Settings().TextBaseSyst = 2;
        Settings().FirstZeroes = false;
        f.view.RecalcMetrics();
        const std::vector<drawop> ops = f.Paint();
        EXPECT_EQ(RowText(ops, FirstRowY, 68, 188), "0@117 1@163 0@170 1@177 ");
    }
}

TEST(StructPainter, AnEmptyDocumentShowsOneEmptyRowAndItsExplanation) {
    paintfixture f({});
    const std::vector<drawop> ops = f.Paint();
    EXPECT_NE(FindText(ops, "значение"), nullptr);
    EXPECT_EQ(Coordinate(ops, FirstRowY), "00000000");
    EXPECT_EQ(RowText(ops, FirstRowY, 64, ClientWidth), "");
    for (const drawop& op : OpsOfKind(ops, drawop::kind::text)) EXPECT_LE(op.points[0].y, FirstRowY);
    const std::vector<drawop> texts = OpsOfKind(ops, drawop::kind::wrappedtext);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].area.top, FirstRowY);
    EXPECT_FALSE(texts[0].text.empty());
}

TEST(StructPainter, CoordinatesStayWhileTheViewScrollsSidewaysAndTheHeaderWhileItScrollsDown) {
    paintfixture f(SmallGif());
    f.view.SetScrollX(36);
    std::vector<drawop> ops = f.Paint();
    std::string coordinate;
    for (int i = 0; i < 8; ++i) coordinate += "0@" + std::to_string(4 + 7 * i) + " ";
    EXPECT_EQ(RowText(ops, FirstRowY, 0, 64), coordinate);
    // Column numbers from the first column in view; the codes moved left by two cells.
    EXPECT_EQ(RowText(ops, 2, 65, 212).substr(0, 5), "2@71 ");
    EXPECT_EQ(RowText(ops, FirstRowY, 64, 212 - 36), "4@68 6@75 ");
    EXPECT_EQ(FindText(ops, "значение")->points[0].x, 225 - 36);

    // One block down: the screen descriptor's first row comes up to the first row's place.
    f.view.SetScrollX(0);
    f.view.SetScrollY(21);
    ops = f.Paint();
    EXPECT_EQ(FindText(ops, "значение")->points[0].y, 2);
    EXPECT_EQ(Coordinate(ops, FirstRowY), "00000003");
    // Halfway into a row, that row still shows, drawn partly under the header.
    f.view.SetScrollY(21 + 6);
    ops = f.Paint();
    EXPECT_EQ(Coordinate(ops, FirstRowY - 6), "00000003");
}

TEST(StructPainter, SelectedDigitsAndCharactersAreHighlighted) {
    paintfixture f(SmallGif());
    const settingvalues& s = Settings();
    // From byte 0 to digit 0 of byte 2: bytes 0 and 1.
    f.view.SetPosition(0, 0, false);
    f.view.SetAnchorDigit(0);
    f.view.SetPosition(2, 0, true);
    f.view.SetCurDigit(0);
    std::vector<drawop> ops = f.Paint();
    std::string highlighted;
    for (const drawop& op : TextsAtY(ops, FirstRowY)) {
        const bool chosen = op.background == std::optional<platform::colour>(s.ChosenFonClr);
        EXPECT_EQ(chosen, op.font.textcolour == s.ChosenTextClr) << op.text;
        if (chosen) highlighted += op.text + "@" + std::to_string(op.points[0].x) + " ";
    }
    EXPECT_EQ(highlighted, "GI@212 4@68 7@75 4@86 9@93 ");
    EXPECT_EQ(RowText(ops, FirstRowY, 212, 295), "GI@212 F@226 ");

    // Inside one code only its digits between the two ends.
    f.view.SetPosition(0, 0, false);
    f.view.SetAnchorDigit(0);
    f.view.SetPosition(0, 0, true);
    f.view.SetCurDigit(1);
    ops = f.Paint();
    highlighted.clear();
    for (const drawop& op : TextsAtY(ops, FirstRowY))
        if (op.background) highlighted += op.text + "@" + std::to_string(op.points[0].x) + " ";
    EXPECT_EQ(highlighted, "G@212 4@68 ");
}

TEST(StructPainter, BoxesOpenContainersAndCloseParents) {
    paintfixture f(SmallGif());
    std::vector<drawop> ops = f.Paint();
    // The closed screen descriptor (block top 37) can be opened: green plus, grey minus.
    const int32_t x = 212 + 83 - 4 - 20;
    std::vector<drawop> boxes = OpsOfKind(ops, drawop::kind::rectangle);
    ASSERT_EQ(boxes.size(), 2u * 3);  // descriptor, image block and trailer block are closed
    EXPECT_EQ(boxes[0].area, (rect{x, 38, x + 9, 47}));
    EXPECT_EQ(boxes[1].area, (rect{x + 10, 38, x + 19, 47}));
    EXPECT_EQ(boxes[0].brush, platform::Rgb(0xFF, 0xFB, 0xF0));
    const auto strokes = [&](const std::vector<drawop>& all, int32_t top) {
        std::vector<drawop> found;
        for (const drawop& op : OpsOfKind(all, drawop::kind::polyline))
            if (op.points.size() == 2 && op.points[0].x >= x && op.points[0].y >= top && op.points[0].y < top + 9)
                found.push_back(op);
        return found;
    };
    std::vector<drawop> marks = strokes(ops, 38);
    ASSERT_EQ(marks.size(), 3u);
    EXPECT_EQ(marks[0].points, (std::vector<point>{{x + 2, 42}, {x + 7, 42}}));
    EXPECT_EQ(marks[0].pen.linecolour, platform::Rgb(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(marks[1].points, (std::vector<point>{{x + 12, 42}, {x + 17, 42}}));
    EXPECT_EQ(marks[1].pen.linecolour, platform::Rgb(0x00, 0x80, 0x00));
    EXPECT_EQ(marks[2].points, (std::vector<point>{{x + 14, 40}, {x + 14, 45}}));

    // Opened, its first child (the version) closes it: red minus, grey plus.
    auto& descriptor = static_cast<cont&>(*f.view.Rows().Field(1));
    descriptor.SetExpanded(true);
    f.view.RebuildRows();
    ops = f.Paint();
    ASSERT_EQ(f.view.Rows().Field(1), &descriptor.Child(0));
    marks = strokes(ops, 38);
    ASSERT_EQ(marks.size(), 3u);
    EXPECT_EQ(marks[0].pen.linecolour, platform::Rgb(0xFF, 0x00, 0x00));
    EXPECT_EQ(marks[1].pen.linecolour, platform::Rgb(0xC0, 0xC0, 0xC0));

    // A printout has no boxes.
    f.view.SetPrinting(true);
    EXPECT_TRUE(OpsOfKind(f.Paint(), drawop::kind::rectangle).empty());
}

TEST(StructPainter, PrintedPagesTakeTheRowsInTurnEachWhole) {
    paintfixture f(SmallGif(), 200);
    // Every row's coordinate on a screen tall enough for everything.
    std::vector<std::string> expected;
    for (const drawop& op : f.Paint())
        if (op.what == drawop::kind::text && op.points[0].x == 4) expected.push_back(Coordinate(f.canvas.Operations(), op.points[0].y));
    ASSERT_GE(expected.size(), 5u);

    f.view.SetPrinting(true);
    f.view.SetClientHeight(60);  // rows at 20 and 41 fit; 54 + 13 would not
    std::vector<std::string> printed;
    int pages = 0;
    do {
        ++pages;
        const std::vector<drawop> ops = f.Paint();
        for (const drawop& op : ops) {
            if (op.what != drawop::kind::text || op.points[0].x != 4) continue;
            EXPECT_LE(op.points[0].y + 13, 60);
            printed.push_back(Coordinate(ops, op.points[0].y));
        }
        ASSERT_LT(pages, 20);
    } while (!f.view.LastPage());
    EXPECT_EQ(printed, expected);
    EXPECT_GT(pages, 2);
}

// A GIF whose one image holds blocks of 255 bytes of 0x11.
std::vector<uint8_t> GifWithSubBlocks(int32_t count) {
    gifbytes gif;
    gif.Header("89a", 1, 1, 0).Text(",").Word(0).Word(0).Word(1).Word(1).Bytes({0, 2});
    std::vector<uint8_t> bytes = gif.Make();
    bytes.reserve(bytes.size() + static_cast<size_t>(count) * 256 + 2);
    for (int32_t k = 0; k < count; ++k) {
        bytes.push_back(255);
        bytes.insert(bytes.end(), 255, 0x11);
    }
    bytes.push_back(0);
    bytes.push_back(';');
    return bytes;
}

TEST(StructPainter, OneScreenCostsTheSameInASmallAndAHundredMegabyteFile) {
    const std::vector<uint8_t> small = GifWithSubBlocks(40);
    const std::vector<uint8_t> large = GifWithSubBlocks(400'000);
    ASSERT_GT(large.size(), 100'000'000u);
    paintfixture few(small, 600);
    paintfixture many(large, 600);

    // The closed image block: its rows repeat every 32 (256 bytes in rows of 8), so row 64 of
    // the small file and row 64 + 32 * 300000 of the large one look alike but for coordinates.
    const auto scrolltorow = [](paintfixture& f, int32_t row) {
        const int32_t entry = f.view.Rows().EntryAt(13);  // the image block
        f.view.SetScrollY(static_cast<int32_t>(f.view.BlockTop(entry) + 4 + 13 * int64_t{row}));
    };
    const size_t top = few.Paint().size();
    EXPECT_EQ(many.Paint().size(), top);
    scrolltorow(few, 64);
    scrolltorow(many, 64 + 32 * 300'000);
    const size_t inside = few.Paint().size();
    EXPECT_EQ(many.Paint().size(), inside);
    EXPECT_GT(inside, 8u * 40);  // a full screen: 44 rows of coordinates at least

    // Opened, the image is a list of 800,000 sub-block fields; a screen deep inside costs what
    // one near the start costs.
    for (paintfixture* f : {&few, &many}) {
        static_cast<cont&>(*f->view.Rows().Field(f->view.Rows().EntryAt(13))).SetExpanded(true);
        f->view.RebuildRows();
    }
    const auto scrolltoblock = [](paintfixture& f, int32_t subblock) {
        const int32_t entry = f.view.Rows().EntryAt(24 + 256 * subblock);
        ASSERT_EQ(f.view.Rows().Start(entry), 24 + 256 * subblock);
        f.view.SetScrollY(static_cast<int32_t>(f.view.BlockTop(entry)));
    };
    scrolltoblock(few, 6);
    scrolltoblock(many, 300'000);
    const size_t opened = few.Paint().size();
    EXPECT_EQ(many.Paint().size(), opened);
    RecordProperty("operations_top", static_cast<int>(top));
    RecordProperty("operations_inside_closed_image", static_cast<int>(inside));
    RecordProperty("operations_inside_open_image", static_cast<int>(opened));
}

}  // namespace
}  // namespace quillmap::testing
