// The display styles through the main window's keys, and what each draws in the value column.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "base/settings.h"
#include "platform/headless/headlesscanvas.h"
#include "platform/headless/headlesssystem.h"
#include "support/gifbytes.h"
#include "support/inputwindow.h"
#include "support/settingsguard.h"
#include "views/imagebutton.h"
#include "views/numbertext.h"
#include "views/valueeditor.h"
#include "views/vwgif.h"

namespace quillmap {
namespace {

using namespace platform;
using platform::drawop;
using testing::gifbytes;
using testing::inputwindow;

// Every container open, so that each field has an entry of its own.
void ExpandAll(cont& container) {
    container.SetExpanded(true);
    for (int32_t k = 0; k < container.ChildCount(); ++k)
        if (container.Child(k).IsContainer()) ExpandAll(static_cast<cont&>(container.Child(k)));
}

// The top of the first row of the entry holding a byte, with the view unscrolled.
int32_t RowTop(const vwstruct& view, int32_t byte) {
    const structmetrics m = view.Metrics();
    return static_cast<int32_t>(m.HeaderBottom + m.LinePx + 1 + view.BlockTop(view.Rows().EntryAt(byte)) + m.FieldPad);
}

std::string Text(const std::vector<uint8_t>& bytes) { return {bytes.begin(), bytes.end()}; }

// A 89a screen 266 (0A 01) wide and 1 high, flags 1 010 0 101 (groups 1, 3, 1, 3 showing 1, 2, 0, 5:
// a global map of 64 entries), background colour 2, aspect 0, then the map and the trailer.
// Offsets: width 6, height 8, flags 10, background 11, aspect 12, map entries from 13.
std::string ScreenGif() { return Text(gifbytes().Header("89a", 266, 1, 0xA5, 2, 0).Map(64).Trailer().Make()); }

struct keywindow : inputwindow {
    explicit keywindow(const std::string& bytes) : inputwindow(bytes) {
        ExpandAll(form.View().Root());
        form.View().RebuildRows();
    }
    // Ctrl+Down goes to the next entry's first row.
    void ToEntry(int32_t entries) {
        for (int32_t k = 0; k < entries; ++k) window.Type(vkDown, 0, ssCtrl);
    }
    void Tab() { window.Type(vkTab, '\t'); }
    void Enter() { window.Type(vkReturn, '\r'); }
    void Keys(const std::string& characters) {
        for (const char c : characters) window.Type(static_cast<uint16_t>(c), c);
    }
    // Shift+End selects the line, so that what is typed replaces it.
    void Retype(const std::string& characters) {
        window.Type(vkHome, 0);
        window.Type(vkEnd, 0, ssShift);
        Keys(characters);
    }
    std::string ValueText() { return valueeditor(form.View()).Text(); }
    int32_t TextLine() { return valueeditor(form.View()).Line(); }
    const pole* CaretField() { return valueeditor(form.View()).CaretField(); }
    bool InCodes() { return form.View().InCodes(); }
};

TEST(DisplayStyles, NumbersAreTypedInDecimalAndStoredWithEnter) {
    keywindow w(ScreenGif());
    w.ToEntry(2);  // the screen width
    w.Tab();
    ASSERT_FALSE(w.InCodes());
    EXPECT_EQ(w.ValueText(), "266");
    const pole* width = w.CaretField();

    w.Retype("70000");
    EXPECT_EQ(w.ValueText(), "70000");
    w.Enter();
    EXPECT_EQ(w.system.Beeps(), 1);
    EXPECT_EQ(w.ValueText(), "266");
    EXPECT_EQ(w.Bytes().substr(6, 2), "\x0A\x01");
    EXPECT_FALSE(w.form.Modified());

    w.Retype("300");
    w.Enter();
    EXPECT_EQ(w.system.Beeps(), 1);
    EXPECT_EQ(w.Bytes().substr(6, 2), "\x2C\x01");
    EXPECT_TRUE(w.form.Modified());
    // On into the height's value text, so that numbers can be typed one after another.
    EXPECT_FALSE(w.InCodes());
    EXPECT_NE(w.CaretField(), width);
    EXPECT_EQ(w.CaretField()->Start(), 8);
    EXPECT_EQ(w.ValueText(), "1");
    w.Retype("2");
    w.Enter();
    EXPECT_EQ(w.Bytes().substr(6, 4), std::string("\x2C\x01\x02\x00", 4));

    // Each Enter is one undo step; undone, the caret is back in the number's value text.
    w.window.Type('Z', 0, ssCtrl);
    EXPECT_EQ(w.Bytes().substr(6, 4), std::string("\x2C\x01\x01\x00", 4));
    w.window.Type('Z', 0, ssCtrl);
    EXPECT_EQ(w.Bytes().substr(6, 2), "\x0A\x01");
    EXPECT_FALSE(w.InCodes());
    EXPECT_EQ(w.ValueText(), "266");
}

TEST(DisplayStyles, ANumberTextHoldsAsManyDigitsAsTheFieldsLargestValue) {
    const struct {
        const char* name;
        int32_t entries;  // Ctrl+Down from the signature
        std::string typed;
        std::string kept;
        int beeps;
    } cases[] = {
        {"one byte: three digits", 5, "1234", "123", 1},
        {"two bytes: five digits", 2, "123456", "12345", 1},
        {"five digits fit two bytes", 2, "65535", "65535", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        keywindow w(ScreenGif());
        w.ToEntry(c.entries);
        w.Tab();
        w.Retype(c.typed);
        EXPECT_EQ(w.ValueText(), c.kept);
        EXPECT_EQ(w.system.Beeps(), c.beeps);
        EXPECT_EQ(w.Bytes(), ScreenGif());
    }
}

TEST(DisplayStyles, OverwritingANumberTakesTheCharacterUnderTheCaret) {
    keywindow w(ScreenGif());
    w.ToEntry(2);
    w.Tab();
    w.window.Type(vkInsert, 0);
    w.Keys("3");
    EXPECT_EQ(w.ValueText(), "366");
    // After the last character nothing gives way: the text grows while there is room.
    w.window.Type(vkEnd, 0);
    w.Keys("9");
    EXPECT_EQ(w.ValueText(), "3669");
    w.Keys("99");
    EXPECT_EQ(w.ValueText(), "36699");
    EXPECT_EQ(w.system.Beeps(), 1);
    w.window.Type(vkBack, 8);
    w.Enter();
    EXPECT_EQ(w.Bytes().substr(6, 2), std::string("\x55\x0E", 2));  // 3669
}

TEST(DisplayStyles, FlagsAreEditedGroupByGroup) {
    keywindow w(ScreenGif());
    w.ToEntry(4);  // the screen flags
    w.Tab();
    const pole* flags = w.CaretField();
    EXPECT_EQ(valueeditor(w.form.View()).Lines(), (std::vector<std::string>{"1", "2", "0", "5"}));
    w.window.Type(vkDown, 0);
    EXPECT_EQ(w.TextLine(), 1);
    EXPECT_EQ(w.ValueText(), "2");
    // A three-bit group takes one digit.
    w.Keys("7");
    EXPECT_EQ(w.system.Beeps(), 1);
    w.window.Type(vkDelete, 0);
    w.Keys("7");
    w.Enter();
    EXPECT_EQ(static_cast<uint8_t>(w.Bytes()[10]), 0xF5);  // 1 111 0 101
    // The caret stays on the group in the flags.
    EXPECT_FALSE(w.InCodes());
    EXPECT_EQ(w.CaretField(), flags);
    EXPECT_EQ(w.TextLine(), 1);
    EXPECT_EQ(w.ValueText(), "7");

    // A value beyond the group's bits is refused and the stored one comes back.
    w.window.Type(vkDown, 0);
    w.window.Type(vkDown, 0);
    w.Retype("9");
    w.Enter();
    EXPECT_EQ(w.system.Beeps(), 2);
    EXPECT_EQ(w.ValueText(), "5");
    EXPECT_EQ(static_cast<uint8_t>(w.Bytes()[10]), 0xF5);
}

TEST(DisplayStyles, AGroupsTextKeepsItsLineAndColumnWhenTheRowsChange) {
    keywindow w(ScreenGif());
    w.ToEntry(4);  // the screen flags
    w.Tab();
    w.window.Type(vkDown, 0);
    w.window.Type(vkDown, 0);
    w.window.Type(vkDown, 0);
    w.window.Type(vkEnd, 0);
    w.form.View().SetColumnCount(3);
    EXPECT_FALSE(w.InCodes());
    EXPECT_EQ(w.TextLine(), 3);
    EXPECT_EQ(w.ValueText(), "5");
    EXPECT_EQ(w.form.View().Caret().column, 1);
    const rowtable& rows = w.form.View().Rows();
    EXPECT_EQ(w.form.View().Caret().line, rows.FirstLine(rows.PlaceOfLine(w.form.View().Caret().line).entry));
    // Enter stores the line as it stands.
    w.Enter();
    EXPECT_EQ(static_cast<uint8_t>(w.Bytes()[10]), 0xA5);
}

TEST(DisplayStyles, AClickInTheFlagsValueColumnTakesTheClickedGroupsLine) {
    keywindow w(ScreenGif());
    vwgif& view = w.form.View();
    const structmetrics m = view.Metrics();
    const int32_t third = RowTop(view, 10) + 2 * view.LineHeight() + view.LineHeight() / 2;
    w.window.MouseDown({m.ValueLeft + 1, third});
    w.window.MouseUp({m.ValueLeft + 1, third});
    EXPECT_FALSE(w.InCodes());
    EXPECT_EQ(w.CaretField()->Start(), 10);
    EXPECT_EQ(w.TextLine(), 2);
    EXPECT_EQ(w.ValueText(), "0");
    // A click in a colour entry's value column leaves the caret where it was.
    const int32_t entry = RowTop(view, 13) + view.LineHeight() / 2;
    w.window.MouseDown({m.ValueLeft + 1, entry});
    w.window.MouseUp({m.ValueLeft + 1, entry});
    EXPECT_EQ(w.CaretField()->Start(), 10);
    EXPECT_EQ(w.TextLine(), 2);
}

TEST(DisplayStyles, AColourEntryRefusesEveryCharacter) {
    keywindow w(ScreenGif());
    w.ToEntry(7);  // the map's first entry
    w.Tab();
    ASSERT_FALSE(w.InCodes());
    EXPECT_EQ(w.CaretField()->Start(), 13);
    EXPECT_EQ(w.ValueText(), "");
    for (const char c : std::string("A5\r")) w.window.Type(static_cast<uint16_t>(c), c);
    EXPECT_EQ(w.system.Beeps(), 3);
    EXPECT_EQ(w.Bytes(), ScreenGif());
    EXPECT_FALSE(w.form.Modified());
}

TEST(DisplayStyles, AGapsValueTextTypesCharacterCodes) {
    // Not a GIF: the first three bytes are the unmatched signature, the rest a gap.
    keywindow w("ABCDEFGH");
    w.ToEntry(1);
    w.window.Type(vkInsert, 0);
    w.Tab();
    w.Keys("X");
    EXPECT_EQ(w.Bytes(), "ABCXEFGH");
    EXPECT_EQ(w.Caret().byte, 4);
}

TEST(DisplayStyles, TheCaretGoesOnFromANumbersTextIntoItsNeighbours) {
    const struct {
        const char* name;
        std::vector<std::pair<uint16_t, uint8_t>> keys;  // from column 0 of the width's "266"
        int32_t start;                                    // the caret's field afterwards
        int32_t line;
        int32_t column;
    } cases[] = {
        {"left from the first column: the end of the version's characters", {{vkLeft, 0}}, 3, 0, 3},
        {"right past the end: the height's text", {{vkEnd, 0}, {vkRight, 0}}, 8, 0, 0},
        {"right inside the text", {{vkRight, 0}}, 6, 0, 1},
        {"down: the height", {{vkDown, 0}}, 8, 0, 0},
        {"up: the version", {{vkUp, 0}}, 3, 0, 0},
        {"down twice: the flags' first group", {{vkDown, 0}, {vkDown, 0}}, 10, 0, 0},
        {"down through the flags' groups: the background", std::vector(6, std::pair<uint16_t, uint8_t>{vkDown, 0}), 11, 0, 0},
        {"up from the background: the flags' last group", {{vkDown, 0}, {vkDown, 0}, {vkDown, 0}, {vkDown, 0},
                                                            {vkDown, 0}, {vkDown, 0}, {vkUp, 0}}, 10, 3, 0},
        {"left from the background: the end of the flags' last group",
         {{vkDown, 0}, {vkDown, 0}, {vkDown, 0}, {vkDown, 0}, {vkDown, 0}, {vkDown, 0}, {vkLeft, 0}}, 10, 3, 1},
        {"right past the flags' first group: its second", {{vkDown, 0}, {vkDown, 0}, {vkRight, 0}, {vkRight, 0}}, 10, 1, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        keywindow w(ScreenGif());
        w.ToEntry(2);
        w.Tab();
        for (const auto& [key, shift] : c.keys) w.window.Type(key, 0, shift);
        EXPECT_FALSE(w.InCodes());
        ASSERT_NE(w.CaretField(), nullptr);
        EXPECT_EQ(w.CaretField()->Start(), c.start);
        EXPECT_EQ(w.TextLine(), c.line);
        EXPECT_EQ(w.form.View().Caret().column, c.column);
        EXPECT_EQ(w.system.Beeps(), 0);
    }
}

TEST(DisplayStyles, TabFromANumbersTextGoesBackToItsFirstCode) {
    keywindow w(ScreenGif());
    w.ToEntry(2);
    w.Tab();
    w.window.Type(vkEnd, 0);
    w.Tab();
    EXPECT_TRUE(w.InCodes());
    EXPECT_EQ(w.Caret(), (caretend{6, 0}));
}

TEST(NumberText, LengthLimitsAndReading) {
    const int32_t numberlengths[] = {0, 3, 5, 8, 10, 13, 15, 17, 20, 0};
    for (int32_t bytes = 0; bytes <= 9; ++bytes) EXPECT_EQ(MaxNumberLength(bytes), numberlengths[bytes]) << bytes;
    const int32_t grouplengths[] = {0, 1, 1, 1, 2, 2, 2, 3, 3, 0};
    for (int32_t bits = 0; bits <= 9; ++bits) EXPECT_EQ(MaxGroupLength(bits), grouplengths[bits]) << bits;

    const struct {
        const char* text;
        int32_t bits;
        std::optional<uint64_t> value;
    } cases[] = {
        {"266", 16, 266},
        {"65535", 16, 65535},
        {"65536", 16, std::nullopt},
        {"70000", 16, std::nullopt},
        {"7", 3, 7},
        {"8", 3, std::nullopt},
        {"", 8, std::nullopt},
        {"1a", 8, std::nullopt},
        {"-1", 8, std::nullopt},
        {"4294967295", 32, 4294967295u},
        {"4294967296", 32, std::nullopt},
        {"18446744073709551615", 64, UINT64_MAX},
        // One more would wrap a 64-bit sum round to 0; it is refused instead.
        {"18446744073709551616", 64, std::nullopt},
        {"99999999999999999999", 64, std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(ReadDecimal(c.text, c.bits), c.value) << c.text;
    EXPECT_EQ(LittleEndian(0x012C, 2), std::string("\x2C\x01", 2));
    EXPECT_EQ(LittleEndian(UINT64_MAX, 8), std::string(8, '\xFF'));
}

// Painting on a canvas that records, every field in view.
struct paintedgif {
    explicit paintedgif(const std::vector<uint8_t>& bytes) {
        view.SetClientWidth(1000);
        view.SetClientHeight(20000);
        view.AppendBytes(bytes.data(), static_cast<int32_t>(bytes.size()));
        view.ReparseAll();
        ExpandAll(view.Root());
        view.RebuildRows();
        canvas.ClearOperations();
        view.Paint();
    }
    int32_t RowTop(int32_t byte) const { return quillmap::RowTop(view, byte); }
    // The texts drawn in the value column at a height.
    std::vector<std::string> ValuesAt(int32_t y) const {
        const structmetrics m = view.Metrics();
        std::vector<std::string> texts;
        for (const drawop& op : canvas.Operations())
            if (op.what == drawop::kind::text && op.points[0].y == y && op.points[0].x >= m.ValueLeft &&
                op.points[0].x < m.DescLeft)
                texts.push_back(op.text);
        return texts;
    }
    std::vector<drawop> Ops(drawop::kind kind) const {
        std::vector<drawop> found;
        for (const drawop& op : canvas.Operations())
            if (op.what == kind) found.push_back(op);
        return found;
    }

    testing::settingsguard settings;
    headlesscanvas canvas;
    headlesssystem system;
    vwgif view{canvas, system};
};

TEST(DisplayStyles, NumbersFlagsAndColoursAreDrawnInTheValueColumn) {
    paintedgif p(gifbytes().Header("89a", 266, 1, 0xA5, 2, 0).Map(64).Trailer().Make());
    const int32_t lineheight = p.view.LineHeight();
    const struct {
        const char* name;
        int32_t y;
        std::vector<std::string> texts;
    } cases[] = {
        {"the width", p.RowTop(6), {"266"}},
        {"the height", p.RowTop(8), {"1"}},
        {"the flags' first group", p.RowTop(10), {"1"}},
        {"the second", p.RowTop(10) + lineheight, {"2"}},
        {"the third", p.RowTop(10) + 2 * lineheight, {"0"}},
        {"the fourth", p.RowTop(10) + 3 * lineheight, {"5"}},
        {"the background number", p.RowTop(11), {"2"}},
        {"a colour entry: no text", p.RowTop(13 + 3 * 5), {}},
        {"the signature's characters", p.RowTop(0), {"GIF"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(p.ValuesAt(c.y), c.texts);
    }

    // One swatch per map entry, filled with its colour and outlined in black, one pixel higher
    // than the row; the background's colour number has a swatch of entry 2 after its widest text.
    const structmetrics m = p.view.Metrics();
    std::map<int32_t, drawop> swatches;  // by top
    for (const drawop& op : p.Ops(drawop::kind::rectangle))
        if (op.area.left >= m.ValueLeft && op.area.left < m.DescLeft && op.pen.linecolour == clBlack)
            swatches.emplace(op.area.top, op);
    for (const int32_t k : {0, 5, 63}) {
        SCOPED_TRACE(k);
        const auto found = swatches.find(p.RowTop(13 + 3 * k) - 1);
        ASSERT_NE(found, swatches.end());
        EXPECT_EQ(found->second.brush, Rgb(static_cast<uint8_t>(k), static_cast<uint8_t>(255 - k), 7));
        EXPECT_EQ(found->second.pen.linecolour, clBlack);
        EXPECT_EQ(found->second.area.left, m.ValueLeft);
    }
    const auto background = swatches.find(p.RowTop(11) - 1);
    ASSERT_NE(background, swatches.end());
    EXPECT_EQ(background->second.brush, Rgb(2, 253, 7));
    EXPECT_EQ(background->second.area.left, m.ValueLeft + p.canvas.TextExtent("000").width + m.Pad);
    EXPECT_EQ(swatches.size(), 64u + 1u);
}

TEST(DisplayStyles, AColourNumberWithoutAMapHasNoSwatch) {
    paintedgif p(gifbytes().Header("89a", 1, 1, 0x00, 2, 0).Trailer().Make());
    EXPECT_EQ(p.ValuesAt(p.RowTop(11)), (std::vector<std::string>{"2"}));
    const std::vector<drawop> rectangles = p.Ops(drawop::kind::rectangle);
    EXPECT_TRUE(std::none_of(rectangles.begin(), rectangles.end(),
                             [&](const drawop& op) { return op.pen.linecolour == clBlack; }));
}

TEST(DisplayStyles, TheImageButtonIsTheHouseOnAPaleSquare) {
    const imagebutton button;
    const struct {
        int32_t x, y;
        colour expected;
        const char* what;
    } pixels[] = {
        {0, 0, 0xC0C0C0, "the square's outline"},   {18, 18, 0xC0C0C0, "its far corner"},
        {1, 1, 0xF0FBFF, "the square's face"},      {17, 17, 0xF0FBFF, "inside its far corner"},
        {9, 2, 0x000080, "the roof's top"},         {4, 7, 0x000080, "the roof's left corner"},
        {14, 7, 0x000080, "the roof's right corner"}, {8, 2, 0xF0FBFF, "beside the roof's top"},
        {15, 7, 0xF0FBFF, "beyond the roof"},       {3, 8, 0x808080, "the walls' outline"},
        {15, 15, 0x808080, "the walls' far corner"}, {4, 9, 0x00FFFF, "the walls"},
        {16, 12, 0xF0FBFF, "right of the walls"},   {6, 10, 0x000000, "the beam's start"},
        {13, 10, 0x000000, "the beam's end"},       {14, 10, 0x00FFFF, "after the beam"},
        {12, 11, 0x800000, "the window"},           {14, 14, 0x800000, "the window's far corner"},
        {15, 14, 0x808080, "the wall beside the window"},
    };
    for (const auto& p : pixels) EXPECT_EQ(button.Pixel(p.x, p.y), p.expected) << p.what;
}

TEST(DisplayStyles, ImageDataDrawsItsCharactersAndTheButton) {
    // The data block of the image: a code size byte, a sub-block of two bytes and the terminator.
    const std::vector<uint8_t> bytes = gifbytes().Header("89a", 1, 1, 0x00).Image(1, 1, 0x00, 2, {0x41, 0x42}).Trailer().Make();
    paintedgif p(bytes);
    const int32_t data = static_cast<int32_t>(bytes.size()) - 4;  // "AB", the terminator, ";"
    ASSERT_EQ(p.view.Rows().Field(p.view.Rows().EntryAt(data))->Style(), fieldstyle::ImageData);
    const int32_t top = p.RowTop(data);
    EXPECT_EQ(p.ValuesAt(top), (std::vector<std::string>{"AB"}));

    // The fills paint the picture's top rows at the value rectangle's right edge + 4, top + 7.
    const structmetrics m = p.view.Metrics();
    const int32_t left = m.ValueLeft + m.ValueWidth - 2 * m.Pad - 19 + 4;
    const int32_t rectheight = p.view.BlockHeight(p.view.Rows().EntryAt(data)) - 2 * m.FieldPad;
    const int32_t height = std::min(19, rectheight - 5);
    ASSERT_GT(height, 0);
    std::map<std::pair<int32_t, int32_t>, colour> painted;
    for (const drawop& op : p.Ops(drawop::kind::fillrect))
        for (int32_t y = op.area.top; y < op.area.bottom; ++y)
            for (int32_t x = op.area.left; x < op.area.right; ++x) painted[{x, y}] = op.brush;
    const imagebutton button;
    for (int32_t y = 0; y < 19; ++y)
        for (int32_t x = 0; x < 19; ++x) {
            const auto found = painted.find({left + x, top + 7 + y});
            if (y < height) {
                ASSERT_NE(found, painted.end()) << x << "," << y;
                EXPECT_EQ(found->second, button.Pixel(x, y)) << x << "," << y;
            } else {
                EXPECT_EQ(found, painted.end()) << x << "," << y;
            }
        }
}

TEST(DisplayStyles, WhileEditingTheValueTextIsDrawnWithItsSelection) {
    keywindow w(ScreenGif());
    w.ToEntry(2);
    w.Tab();
    w.Keys("1");  // "1266", the caret after the 1
    w.window.Type(vkRight, 0, ssShift);
    w.window.Type(vkRight, 0, ssShift);
    headlesscanvas& canvas = static_cast<headlesscanvas&>(w.form.View().Canvas());
    canvas.ClearOperations();
    w.form.View().Paint();
    std::vector<std::pair<std::string, bool>> runs;  // text, highlighted
    const structmetrics m = w.form.View().Metrics();
    for (const drawop& op : canvas.Operations())
        if (op.what == drawop::kind::text && op.points[0].x >= m.ValueLeft && op.points[0].x < m.DescLeft &&
            op.points[0].y == RowTop(w.form.View(), 6))
            runs.emplace_back(op.text, op.background.has_value());
    EXPECT_EQ(runs, (std::vector<std::pair<std::string, bool>>{{"1", false}, {"26", true}, {"6", false}}));
    // Nothing is written before Enter.
    EXPECT_EQ(w.Bytes(), ScreenGif());
}

}  // namespace
}  // namespace quillmap
