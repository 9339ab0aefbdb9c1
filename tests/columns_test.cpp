#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/settings.h"
#include "platform/headless/headlessapplication.h"
#include "platform/headless/headlesscanvas.h"
#include "platform/headless/headlesssystem.h"
#include "support/gifbytes.h"
#include "support/settingsguard.h"
#include "views/vwgif.h"

namespace quillmap::testing {
namespace {

using platform::headlessdialogform;
using platform::point;
using platform::rect;

// A GIF with its image block closed into one entry of 33 bytes (13 to 45) and 23 bytes after the
// trailer, the last entry, a gap from 47 to the end at 70. Eight codes a row to start with.
std::vector<uint8_t> Document() {
    return gifbytes()
        .Header("89a", 1, 1, 0)
        .Image(1, 1, 0, 2, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20})
        .Trailer()
        .Text("abcdefghijklmnopqrstuvw")
        .Make();
}
constexpr int32_t ImageEntry = 2;
constexpr int32_t ImageStart = 13;
constexpr int32_t GapEntry = 4;
constexpr int32_t GapStart = 47;
constexpr int32_t End = 70;

struct columnfixture {
    columnfixture() {
        const std::vector<uint8_t> bytes = Document();
        view.AppendBytes(bytes.data(), static_cast<int32_t>(bytes.size()));
        view.ReparseAll();
        view.SetClientWidth(900);
        view.SetClientHeight(400);
        view.SetApplication(app);
        view.onrefresh = [this] { ++refreshes; };
    }
    // Caret and anchor together on a byte's first digit.
    void Place(int32_t byte) {
        const textpos at = view.LinearToPosition(byte);
        view.SetPosition(at.column, at.line, false);
        view.SetPosition(at.column, at.line, true);
        view.SetCurDigit(0);
        view.SetAnchorDigit(0);
    }
    headlessdialogform& Form() { return static_cast<headlessdialogform&>(view.ColumnWindow()->Form()); }
    std::string Shown() { return Form().EditText(stolbokno::CountEdit); }

    settingsguard settings;
    platform::headlesscanvas canvas;
    platform::headlesssystem system;
    platform::headlessapplication app;
    vwgif view{canvas, system};
    int refreshes = 0;
};

TEST(Columns, TheCountStaysBetweenTwoAnd999) {
    const struct {
        int32_t asked, count;
    } cases[] = {{1, 2}, {5000, 999}, {-3, 2}, {0, 2}, {2, 2}, {999, 999}, {1000, 999}, {17, 17}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.asked);
        columnfixture f;
        f.view.SetColumnCount(c.asked);
        EXPECT_EQ(f.view.ColumnCount(), c.count);
        EXPECT_EQ(Settings().ColumnCount, c.count);
        // The rows follow: the gap's 23 bytes and the end position.
        EXPECT_EQ(f.view.Rows().Rows(GapEntry), (24 + c.count - 1) / c.count);
        EXPECT_EQ(f.view.LastLine(), f.view.Rows().LastLine());
        EXPECT_EQ(f.refreshes, 1);
    }
}

TEST(Columns, TheSameCountOnlyRefreshesTheEditBox) {
    columnfixture f;
    f.view.ShowColumnWindow();
    f.Form().TypeInEdit(stolbokno::CountEdit, "5");
    f.Place(ImageStart + 20);
    f.view.CaretRight(false, true);  // a selection, which a real change would drop
    const textpos caret = f.view.Caret();
    const textpos anchor = f.view.Anchor();
    f.view.SetColumnCount(8);
    EXPECT_EQ(f.refreshes, 0);
    EXPECT_EQ(f.view.Caret(), caret);
    EXPECT_EQ(f.view.Anchor(), anchor);
    EXPECT_EQ(f.Shown(), "8");
}

TEST(Columns, TheCaretKeepsItsByteInCodes) {
    const struct {
        const char* what;
        int32_t byte, count;
        textpos caret;  // the column, and the line from the entry's first line
    } cases[] = {
        {"inside an entry", ImageStart + 20, 6, {2, 3}},
        {"on an entry's first byte", ImageStart, 3, {0, 0}},
        {"on a row start", ImageStart + 18, 9, {0, 2}},
        {"on the last byte", End - 1, 5, {2, 4}},
        {"at the end, not on a row boundary", End, 5, {3, 4}},
        {"at the end on a row boundary: the end of the row before", End, 23, {23, 0}},
        {"at the end, further down", End, 3, {2, 7}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        columnfixture f;
        f.Place(c.byte);
        f.view.SetCurDigit(c.byte < End ? 1 : 0);
        f.view.SetPosition(0, 0, false);  // a selection: the anchor must come back to the caret
        const int32_t entry = f.view.Rows().EntryAt(std::min(c.byte, End - 1));
        f.view.SetColumnCount(c.count);
        const textpos expected{c.caret.column, f.view.Rows().FirstLine(entry) + c.caret.line};
        EXPECT_EQ(f.view.Caret(), expected);
        EXPECT_EQ(f.view.Anchor(), f.view.Caret());
        EXPECT_EQ(f.view.AnchorDigit(), f.view.CurDigit());
        EXPECT_FALSE(f.view.HasSelection());
        EXPECT_EQ(f.view.CaretEnd(), (caretend{c.byte, c.byte < End ? 1 : 0}));
    }
}

TEST(Columns, InTheValueTextTheCaretKeepsItsByteAndTheTextFollowsItsRow) {
    // The image entry's last row holds its 33rd byte, the block terminator, alone; line end puts
    // the caret after it, after the entry's last byte. Its data bytes are 1 to 20 from offset 12.
    const struct {
        const char* what;
        int32_t count;
        textpos caret;  // from the entry's first line
        std::string text;
    } cases[] = {
        {"a row boundary: the end of the row before", 11, {11, 2}, std::string("\x0b\x0c\x0d\x0e\x0f\x10\x11\x12\x13\x14\x00", 11)},
        {"no boundary", 10, {3, 3}, std::string("\x13\x14\x00", 3)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        columnfixture f;
        f.Place(ImageStart + 32);
        f.view.TypeChar('\t');
        f.view.LineEnd(false);
        ASSERT_FALSE(f.view.InCodes());
        ASSERT_EQ(f.view.CaretEnd().byte, ImageStart + 33);
        f.view.SetColumnCount(c.count);
        EXPECT_FALSE(f.view.InCodes());
        const int32_t first = f.view.Rows().FirstLine(ImageEntry);
        EXPECT_EQ(f.view.Caret(), (textpos{c.caret.column, first + c.caret.line}));
        EXPECT_EQ(f.view.Anchor(), f.view.Caret());
        EXPECT_EQ(f.view.CaretEnd().byte, ImageStart + 33);
        EXPECT_EQ(f.view.TextLine(), c.caret.line);
        EXPECT_EQ(f.view.ValueText(), c.text);
    }
}

TEST(Columns, TheCaretIsBroughtIntoView) {
    columnfixture f;
    f.view.SetClientHeight(120);
    f.Place(End);
    f.view.EnsureCaretVisible();
    const int32_t before = f.view.ScrollY();
    f.view.SetColumnCount(2);
    EXPECT_GT(f.view.ScrollY(), before);
    // What a fresh computation gives: the pixels were computed for the new rows.
    const point pixels = f.view.CaretPixels();
    f.view.CalcCaretPixels();
    EXPECT_EQ(f.view.CaretPixels(), pixels);
    EXPECT_GE(pixels.y, 0);
    EXPECT_LE(pixels.y, 120);
}

// Headless, a character of a font h high is (h + 1) / 2 wide, one more when bold, and h high.
TEST(Columns, TheWindowIsLaidOutFromTheMessageFont) {
    const struct {
        const char* what;
        int32_t size;
        uint8_t style;
        int32_t clientwidth, clientheight;
        rect minus, edit, plus, done;
    } cases[] = {
        // 26 characters of 5: 130 + 20 wide. h = 10: edit 12 high, buttons 16 square, at 26;
        // the group of 62 starts at (150 - 62) / 2; "Готово" is 30 + 50 wide, 20 high, at 38 + 13.
        {"the default font", 10, 0, 150, 79, {44, 26, 60, 42}, {60, 26, 90, 38}, {90, 26, 106, 42}, {35, 51, 115, 71}},
        // Bold 16: characters of 9, 234 + 20 wide; edit 18 high, buttons 22, at 38; "Готово" 54 + 50.
        {"a bold 16", 16, 1, 254, 103, {90, 38, 112, 60}, {112, 38, 142, 56}, {142, 38, 164, 60}, {75, 69, 179, 95}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        columnfixture f;
        Settings().TextSize = c.size;
        Settings().TextStyle = c.style;
        Settings().TextColor = 0x123456;
        f.view.ShowColumnWindow();
        headlessdialogform& form = f.Form();
        EXPECT_EQ(form.Caption(), "Число столбцов");
        EXPECT_EQ(form.ClientSize(), (platform::extent{c.clientwidth, c.clientheight}));
        ASSERT_EQ(form.Buttons().size(), 3u);
        ASSERT_EQ(form.Edits().size(), 1u);
        EXPECT_EQ(form.Buttons()[stolbokno::MinusButton].caption, "-");
        EXPECT_EQ(form.Buttons()[stolbokno::PlusButton].caption, "+");
        EXPECT_EQ(form.Buttons()[stolbokno::DoneButton].caption, "Готово");
        EXPECT_EQ(form.Buttons()[stolbokno::MinusButton].bounds, c.minus);
        EXPECT_EQ(form.Edits()[0].bounds, c.edit);
        EXPECT_EQ(form.Buttons()[stolbokno::PlusButton].bounds, c.plus);
        EXPECT_EQ(form.Buttons()[stolbokno::DoneButton].bounds, c.done);

        // The message font everywhere, the "-" and "+" in bold.
        EXPECT_EQ(form.ButtonFont().height, c.size);
        EXPECT_EQ(form.ButtonFont().style, c.style);
        EXPECT_EQ(form.ButtonFont().textcolour, 0x123456u);
        EXPECT_FALSE(form.Buttons()[stolbokno::DoneButton].font.has_value());
        for (const size_t bold : {stolbokno::MinusButton, stolbokno::PlusButton}) {
            ASSERT_TRUE(form.Buttons()[bold].font.has_value());
            EXPECT_EQ(form.Buttons()[bold].font->style, c.style | platform::fsBold);
            EXPECT_EQ(form.Buttons()[bold].font->height, c.size);
        }
        EXPECT_EQ(form.Edits()[0].font, form.ButtonFont());
        EXPECT_EQ(form.Edits()[0].maxlength, 3);
        EXPECT_EQ(form.Edits()[0].text, "8");
        EXPECT_EQ(form.FocusedEdit(), std::optional<size_t>(0));

        form.Surface().ClearOperations();
        form.Paint();
        std::vector<std::pair<std::string, point>> texts;
        for (const auto& op : form.Surface().Operations()) {
            if (op.what == platform::drawop::kind::text) {
                texts.emplace_back(op.text, op.points.at(0));
                EXPECT_EQ(op.font, form.ButtonFont());
            }
        }
        const std::vector<std::pair<std::string, point>> expected{{"Число столбцов в редакторе", {10, 4}},
                                                                  {"будет равно...", {10, 4 + c.size}}};
        EXPECT_EQ(texts, expected);
    }
}

// The same keys in the edit box and in the window; from eight columns.
TEST(Columns, KeysButtonsAndTheEditBox) {
    using form = headlessdialogform;
    const struct {
        const char* what;
        std::function<void(form&)> act;
        int32_t count;
        bool visible;
        int refreshes;
    } cases[] = {
        {"+ in the window", [](form& w) { w.PressKey('+'); }, 9, true, 1},
        {"- in the window", [](form& w) { w.PressKey('-'); }, 7, true, 1},
        {"+ in the edit box", [](form& w) { w.TypeInEdit(0, "+"); }, 9, true, 1},
        {"- twice in the edit box", [](form& w) { w.TypeInEdit(0, "--"); }, 6, true, 2},
        {"the + button", [](form& w) { w.ClickButton(stolbokno::PlusButton); }, 9, true, 1},
        {"the - button", [](form& w) { w.ClickButton(stolbokno::MinusButton); }, 7, true, 1},
        {"a number and Enter in the edit box", [](form& w) { w.TypeInEdit(0, "12\r"); }, 12, true, 1},
        {"Enter in the window reads the edit box", [](form& w) { w.TypeInEdit(0, "31"); w.PressKey('\r'); }, 31,
         true, 1},
        {"at most three digits", [](form& w) { w.TypeInEdit(0, "1234\r"); }, 123, true, 1},
        {"a number and Готово", [](form& w) { w.TypeInEdit(0, "5"); w.ClickButton(stolbokno::DoneButton); }, 5,
         false, 1},
        {"an unreadable number", [](form& w) { w.TypeInEdit(0, "ab\r"); }, 2, true, 1},
        {"nothing typed and Готово", [](form& w) { w.TypeInEdit(0, "\b"); w.ClickButton(stolbokno::DoneButton); },
         2, false, 1},
        {"Esc in the edit box", [](form& w) { w.TypeInEdit(0, "5\x1b"); }, 8, false, 0},
        {"Esc in the window", [](form& w) { w.PressKey(platform::EscapeKey); }, 8, false, 0},
        {"closed from the title bar", [](form& w) { w.CloseFromTitleBar(); }, 8, false, 0},
        {"typing alone", [](form& w) { w.TypeInEdit(0, "5"); }, 8, true, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        columnfixture f;
        f.view.ShowColumnWindow();
        c.act(f.Form());
        EXPECT_EQ(f.view.ColumnCount(), c.count);
        EXPECT_EQ(f.Form().Visible(), c.visible);
        EXPECT_EQ(f.refreshes, c.refreshes);
        if (c.refreshes > 0) {
            EXPECT_EQ(f.Shown(), std::to_string(c.count));
        }
    }
}

TEST(Columns, LosingActivationHidesTheWindowAndALaterUseShowsItAgain) {
    columnfixture f;
    f.view.ShowColumnWindow();
    ASSERT_TRUE(f.Form().Visible());
    EXPECT_EQ(f.app.ActiveWindow(), &f.Form());
    f.app.Activate(nullptr);
    EXPECT_FALSE(f.Form().Visible());

    // The count changed meanwhile (a setting read back); the same window shows it.
    f.Form().TypeInEdit(0, "77");
    Settings().ColumnCount = 13;
    f.view.ShowColumnWindow();
    EXPECT_TRUE(f.Form().Visible());
    EXPECT_EQ(f.Shown(), "13");
    EXPECT_EQ(f.app.Dialogs().size(), 1u);
}

TEST(Columns, NoWindowWithoutTheApplication) {
    settingsguard settings;
    platform::headlesscanvas canvas;
    platform::headlesssystem system;
    vwgif view{canvas, system};
    view.ShowColumnWindow();
    EXPECT_EQ(view.ColumnWindow(), nullptr);
    view.SetColumnCount(5);
    EXPECT_EQ(view.ColumnCount(), 5);
}

// The default window is 150 x 79 inside and 156 x 104 outside, on a 1024 x 768 screen whose work
// area ends at 728.
TEST(Columns, TheWindowOpensAtTheMouseAndStaysOnTheScreen) {
    const struct {
        const char* what;
        point mouse;
        point at;
    } cases[] = {
        {"centred across the pointer, top at it", {500, 300}, {422, 300}},
        {"not left of the screen", {30, 300}, {0, 300}},
        {"not past its right edge", {1000, 300}, {868, 300}},
        {"above the pointer near the work area's bottom", {500, 700}, {422, 596}},
        {"just fitting above the bottom", {500, 624}, {422, 624}},
        {"one pixel more", {500, 625}, {422, 521}},
        {"in a corner", {1020, 760}, {868, 656}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        columnfixture f;
        f.system.SetScreenSize({1024, 768});
        f.system.SetWorkArea({0, 0, 1024, 728});
        f.system.MoveCursor(c.mouse);
        f.view.ShowColumnWindow();
        EXPECT_EQ(f.Form().Position(), c.at);
    }
}

TEST(Columns, ReadingTheTypedNumber) {
    const struct {
        const char* text;
        int32_t number;
    } cases[] = {{"12", 12}, {"7", 7}, {" 7", 7}, {"+7", 7}, {"-5", -5}, {"", 0}, {"ab", 0}, {"1a", 0}, {"7 ", 0}, {"-", 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ReadColumnNumber(c.text), c.number);
    }
}

}  // namespace
}  // namespace quillmap::testing
