#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "app/tform1.h"
#include "base/settings.h"
#include "platform/headless/headlessapplication.h"
#include "platform/headless/headlesssystem.h"
#include "support/inputwindow.h"

namespace quillmap {
namespace {

using namespace platform;
using testing::inputwindow;

TEST(FormInput, KeysAndTypingEditTheDocument) {
    struct step {
        uint16_t key;
        char character;
        uint8_t shift;
    };
    const struct {
        const char* name;
        std::vector<step> steps;
        std::string expected;
        bool modified;
    } cases[] = {
        {"typing in insert mode puts a new code first", {{'A', 'a', 0}, {'B', 'b', 0}}, "\xAB\x4F\x12", true},
        {"Insert switches to overwriting", {{vkInsert, 0, 0}, {'A', 'a', 0}, {'B', 'b', 0}}, "\xAB\x12", true},
        {"Shift+Right selects a digit, Delete takes it", {{vkRight, 0, ssShift}, {vkDelete, 0, 0}}, "\x0F\x12", true},
        {"typing over a selection replaces it", {{vkEnd, 0, ssCtrl | ssShift}, {'7', '7', 0}}, "\x07", true},
        {"the whole document selected and deleted",
         {{vkHome, 0, ssCtrl}, {vkEnd, 0, ssCtrl | ssShift}, {vkDelete, 0, 0}}, "", true},
        {"Backspace at the start changes nothing", {{vkBack, 8, 0}}, "\x4F\x12", false},
        {"a letter beyond the base changes nothing", {{'G', 'g', 0}}, "\x4F\x12", false},
        {"Ctrl+Delete takes the rest of the code", {{vkRight, 0, 0}, {vkDelete, 0, ssCtrl}}, "\x04\x12", true},
        {"Ctrl+Y takes the row", {{'Y', 0, ssCtrl}}, "", true},
        {"Alt+Backspace undoes", {{vkDelete, 0, 0}, {vkBack, 0, ssAlt}}, "\x4F\x12", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        inputwindow w("\x4F\x12");
        for (const step& s : c.steps) w.window.Type(s.key, s.character, s.shift);
        EXPECT_EQ(w.Bytes(), c.expected);
        EXPECT_EQ(w.form.Modified(), c.modified);
    }
}

TEST(FormInput, UndoRedoItemsAndTheModeFollowTheKeys) {
    inputwindow w("\x4F\x12");
    EXPECT_FALSE(w.form.Menu().Undo().Enabled());
    // With leading zeros, a digit typed on the first one of 4F in insert mode makes 1F before it.
    w.window.Type('1', '1');
    EXPECT_TRUE(w.form.Menu().Undo().Enabled());
    w.window.Type('Z', 0, ssCtrl);
    EXPECT_EQ(w.Bytes(), "\x4F\x12");
    EXPECT_TRUE(w.form.Menu().Redo().Enabled());
    w.window.Type('Z', 0, ssCtrl | ssShift);
    EXPECT_EQ(w.Bytes(), "\x1F\x4F\x12");
    w.window.Type(vkInsert, 0);
    EXPECT_FALSE(w.form.View().InsertMode());
}

TEST(FormInput, UpAndDownKeepTheColumnAcrossShortRows) {
    // Not a GIF: the three bytes where the signature should be, then a gap of rows 3..10, 11..18
    // and 19..21 with the end of the document after them.
    inputwindow w(std::string(22, '\x11'));
    for (int i = 0; i < 12; ++i) w.window.Type(vkRight, 0);  // two digits a code: byte 6, column 3
    ASSERT_EQ(w.Caret(), (caretend{6, 0}));
    const struct {
        uint16_t key;
        int32_t byte;
    } moves[] = {
        {vkDown, 14},
        {vkDown, 22},  // the short last row: as far as the end of the document
        {vkUp, 14},    // the remembered column again
        {vkUp, 6},
        {vkUp, 2},     // the signature's row holds three codes
        {vkDown, 6},
    };
    for (const auto& move : moves) {
        w.window.Type(move.key, 0);
        EXPECT_EQ(w.Caret().byte, move.byte);
    }
    EXPECT_EQ(w.form.DesiredColumn(), 3);
    w.window.Type(vkLeft, 0);
    EXPECT_EQ(w.form.DesiredColumn(), -1);
}

TEST(FormInput, AClickLandsOnTheDigitUnderIt) {
    for (const bool firstzeroes : {false, true}) {
        SCOPED_TRACE(firstzeroes ? "with leading zeros" : "without leading zeros");
        inputwindow w(std::string("\x4F\x07\xFF\x00\x10\x9A\x01\xEE\x33\x44", 10));
        Settings().FirstZeroes = firstzeroes;
        w.form.View().RecalcMetrics();
        for (int32_t byte = 0; byte < 10; ++byte) {
            const int32_t digits = firstzeroes || static_cast<uint8_t>(w.Bytes()[byte]) >= 16 ? 2 : 1;
            for (int32_t digit = 0; digit < digits; ++digit) {
                const point at = w.At(byte, digit);
                w.window.MouseDown(w.At(0, 0));
                w.window.MouseUp(w.At(0, 0));
                w.window.MouseDown(at);
                w.window.MouseUp(at);
                EXPECT_EQ(w.Caret(), (caretend{byte, digit})) << byte << ':' << digit;
            }
        }
    }
}

TEST(FormInput, DraggingAndShiftClickSelectAndADoubleClickKeepsItsSelection) {
    inputwindow w(std::string(20, '\x22'));
    const point from = w.At(1, 0);
    const point to = w.At(4, 0);
    w.window.MouseMove(from);
    EXPECT_EQ(w.window.Cursor(), cursorshape::ibeam);
    w.window.MouseDown(from);
    EXPECT_TRUE(w.window.Captured());
    w.window.MouseMove(to);
    w.window.MouseUp(to);
    EXPECT_FALSE(w.window.Captured());
    EXPECT_EQ(w.form.View().Selection().frombyte, 1);
    EXPECT_EQ(w.form.View().Selection().tobyte, 4);

    w.window.MouseDown(w.At(6, 0), ssShift);
    w.window.MouseUp(w.At(6, 0), ssShift);
    EXPECT_EQ(w.form.View().Selection().tobyte, 6);

    // The press that comes with a double click is not a new click.
    const caretend before = w.Caret();
    w.window.DoubleClick(w.At(9, 0));
    EXPECT_EQ(w.Caret(), before);
    w.window.MouseDown(w.At(9, 0));
    EXPECT_EQ(w.Caret().byte, 9);
}

TEST(FormInput, TheWheelAndAutoscrollMoveTheView) {
    inputwindow w(std::string(4000, '\x22'));
    scrollbar& bar = *w.window.ScrollBar(scrollaxis::vertical);
    ASSERT_TRUE(bar.Enabled());
    w.window.Wheel(-120);
    EXPECT_EQ(bar.Position(), bar.SmallChange());
    w.window.Wheel(120);
    EXPECT_EQ(bar.Position(), 0);

    // A selection dragged below the picture scrolls the view on every tick, faster further out.
    const point start = w.At(0, 0);
    w.window.MouseMove(start);
    w.window.MouseDown(start);
    ASSERT_EQ(w.window.Timers().count(Tform1::AutoScrollTimer), 1u);
    const int32_t bottom = w.form.Picture().Size().height;
    w.window.MouseMove({start.x, bottom + 10});
    w.window.Tick(Tform1::AutoScrollTimer);
    const int32_t first = bar.Position();
    EXPECT_EQ(first, 12);
    w.window.MouseMove({start.x, bottom + 100});
    w.window.Tick(Tform1::AutoScrollTimer);
    EXPECT_EQ(bar.Position(), first + 70);
    EXPECT_GT(w.Caret().byte, 0);
    w.window.MouseUp({start.x, bottom + 100});
    EXPECT_EQ(w.window.Timers().count(Tform1::AutoScrollTimer), 0u);
}

}  // namespace
}  // namespace quillmap

namespace quillmap {
namespace {

TEST(FormInput, AClickInTheValueColumnTypesCharactersThere) {
    inputwindow w("\x4F\x12\x33\x44\x55");
    const structmetrics m = w.form.View().Metrics();
    const int32_t first = w.form.View().Canvas().TextExtent("O").width;
    // Just inside the second character of the first row.
    const point at{m.ValueLeft + first + 1, w.At(0, 0).y};
    w.window.MouseDown(at);
    w.window.MouseUp(at);
    EXPECT_FALSE(w.form.View().InCodes());
    w.window.Type('Z', 'z');
    EXPECT_EQ(w.Bytes(), "\x4Fz\x12\x33\x44\x55");
    // Tab goes back to the codes, onto the code after the typed one.
    w.window.Type(vkTab, '\t');
    EXPECT_TRUE(w.form.View().InCodes());
    EXPECT_EQ(w.Caret(), (caretend{2, 0}));
}

}  // namespace
}  // namespace quillmap
