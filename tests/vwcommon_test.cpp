#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

#include "base/settings.h"
#include "platform/headless/headlesscanvas.h"
#include "support/settingsguard.h"
#include "views/charclasses.h"
#include "views/edithistory.h"
#include "views/vwcommon.h"

namespace quillmap::testing {
namespace {

// Plain text lines with the simplest edits that record themselves, as a real text view would.
class lineview final : public vwcommon {
public:
    explicit lineview(platform::canvas& surface, std::vector<std::string> lines = {""}, platform::point margins = {})
        : vwcommon(surface, margins) {
        SetLines(std::move(lines));
    }

    void SetLines(std::vector<std::string> lines) {
        lines_ = std::move(lines);
        if (lines_.empty()) lines_.emplace_back();
        lastline_ = static_cast<int32_t>(lines_.size()) - 1;
    }
    const std::vector<std::string>& Lines() const { return lines_; }
    std::string Text() const {
        std::string text;
        for (const std::string& line : lines_) text += line;
        return text;
    }
    void Select(textpos anchor, textpos caret) {
        SetPosition(anchor.column, anchor.line, false);
        SetPosition(caret.column, caret.line, true);
    }
    edithistory& Log() { return History(); }
    int recalcs = 0;
    int reparses = 0;

    std::string GetLine(int32_t line) const override {
        return line >= 0 && line < static_cast<int32_t>(lines_.size()) ? lines_[static_cast<size_t>(line)] : "";
    }
    void RecalcMetrics() override { ++recalcs; }
    int32_t ContentWidth() const override { return 0; }
    void SetCharMap(const charmaptable& table) override { charmap_ = table; }
    void AppendBytes(const uint8_t* bytes, int32_t count) override {
        lines_.back().append(reinterpret_cast<const char*>(bytes), static_cast<size_t>(count));
    }
    void LoadFromFile(const std::string&) override { throw std::logic_error("no files here"); }
    void SaveToFile(const std::string&) override { throw std::logic_error("no files here"); }
    void Paint() override {}
    bool TypeChar(char character) override { return Insert(std::string(1, character), true, true); }
    bool Insert(std::string_view text, bool record, bool) override {
        const textpos from = Caret();
        lines_[static_cast<size_t>(from.line)].insert(static_cast<size_t>(from.column), text);
        Select({from.column + static_cast<int32_t>(text.size()), from.line},
               {from.column + static_cast<int32_t>(text.size()), from.line});
        if (record) RecordEdit(undokind::TextInserted, text, from);
        return true;
    }
    bool DeleteAtCaret() override {
        const int32_t at = CaretLinear();
        if (at >= Length()) return false;
        const std::string removed = Erase(at, at + 1);
        RecordEdit(undokind::TextDeleted, removed, Caret());
        return true;
    }
    bool DeleteSelection(bool record, bool) override {
        if (!HasSelection()) return false;
        const int32_t a = PositionToLinear(Anchor().column, Anchor().line);
        const int32_t b = CaretLinear();
        const std::string removed = Erase(std::min(a, b), std::max(a, b));
        PlaceCaretAt(std::min(a, b));
        if (record) RecordEdit(undokind::TextDeleted, removed, Caret());
        return true;
    }
    void DeleteLine(bool) override {}
    bool CaretLeft(bool, bool) override { return false; }
    bool CaretRight(bool, bool) override { return false; }
    bool CaretUp(bool, bool, int32_t&) override { return false; }
    bool CaretDown(bool, bool, int32_t&) override { return false; }
    void LineStart(bool) override {}
    void LineEnd(bool) override {}
    void PageUp(bool, int32_t&) override {}
    void PageDown(bool, int32_t&) override {}
    void MouseButton(int32_t, int32_t, bool, bool) override {}
    std::string CharNearCaret(bool) const override { return {}; }
    bool FindPhrase(std::string_view, int32_t&, bool, bool) override { return false; }
    amnaction PopupItems() override { return {}; }
    void Clear() override {
        SetLines({""});
        Select({}, {});
    }
    void ReparseAll() override { ++reparses; }

private:
    // Removes the characters at linear positions [from, to), lines keeping their places.
    std::string Erase(int32_t from, int32_t to) {
        std::string removed;
        int32_t start = 0;
        for (std::string& line : lines_) {
            const auto length = static_cast<int32_t>(line.size());
            const int32_t a = std::clamp(from - start, 0, length);
            const int32_t b = std::clamp(to - start, 0, length);
            removed += line.substr(static_cast<size_t>(a), static_cast<size_t>(b - a));
            line.erase(static_cast<size_t>(a), static_cast<size_t>(b - a));
            start += length;
        }
        return removed;
    }

    std::vector<std::string> lines_;
};

// Default font: 13 pixels high, every character 7 pixels wide.
class Vwcommon : public ::testing::Test {
protected:
    settingsguard settings;
    platform::headlesscanvas canvas;
    lineview view{canvas};
};

std::vector<std::string> Lines(int count, const std::string& text) { return std::vector<std::string>(count, text); }

TEST_F(Vwcommon, ConstructionState) {
    lineview placed(canvas, {"abc"}, {2, 3});
    EXPECT_EQ(placed.CaretPixels(), (platform::point{2, 3}));
    EXPECT_EQ(placed.Origin(), (platform::point{2, 3}));
    EXPECT_EQ(placed.ClientWidth(), 200);
    EXPECT_EQ(placed.ClientHeight(), 200);
    EXPECT_TRUE(placed.InsertMode());
    EXPECT_FALSE(placed.Printing());
    EXPECT_FALSE(placed.HasSelection());
    EXPECT_FALSE(placed.CanUndo());
    EXPECT_EQ(placed.HistoryState(), historystate::Idle);
    for (int i = 0; i < 256; ++i) ASSERT_EQ(placed.CharMap()[static_cast<size_t>(i)], i);
    EXPECT_EQ(placed.DrawingBounds(), (platform::rect{0, 0, 1000000, 1000000}));
}

TEST_F(Vwcommon, SetPositionClampsLineAndColumn) {
    view.SetLines({"abc", "de", "fghij"});
    view.SetPosition(1, -5, true);
    EXPECT_EQ(view.Caret(), (textpos{1, 0}));
    view.SetPosition(9, 99, true);
    EXPECT_EQ(view.Caret(), (textpos{5, 2}));
    view.SetPosition(7, 1, true);
    EXPECT_EQ(view.Caret(), (textpos{2, 1}));
    view.SetPosition(-3, 1, false);
    EXPECT_EQ(view.Anchor(), (textpos{0, 1}));
    EXPECT_EQ(view.Caret(), (textpos{2, 1}));
    EXPECT_EQ(view.CaretPixels(), (platform::point{14, 13}));
}

TEST_F(Vwcommon, OneLineStepScrollsExactlyOneLine) {
    view.SetLines(Lines(30, "x"));
    view.SetClientHeight(130);  // ten lines of 13 pixels
    view.SetPosition(0, 9, true);
    EXPECT_EQ(view.ScrollY(), 0);
    view.SetPosition(0, 10, true);
    EXPECT_EQ(view.ScrollY(), 13);
    EXPECT_EQ(view.CaretPixels().y, 117);
    view.SetPosition(0, 11, true);
    EXPECT_EQ(view.ScrollY(), 26);
    view.SetPosition(0, 1, true);  // above the top: the caret line becomes the top line
    EXPECT_EQ(view.ScrollY(), 13);
    EXPECT_EQ(view.CaretPixels().y, 0);
}

TEST_F(Vwcommon, LargerVerticalStepLeavesLinesAroundTheCaret) {
    Settings().VScrollStep = 3;
    view.SetLines(Lines(30, "x"));
    view.SetClientHeight(130);
    view.SetPosition(0, 10, true);
    EXPECT_EQ(view.ScrollY(), 13 * 12 + 13 - 130);
    EXPECT_EQ(view.CaretPixels().y, 130 - 13 * 3);
    view.SetPosition(0, 29, true);  // no lines below the last one to show
    EXPECT_EQ(view.ScrollY(), 13 * 29 + 13 - 130);
    view.SetPosition(0, 15, true);
    EXPECT_EQ(view.ScrollY(), 13 * 13);
    view.SetPosition(0, 1, true);
    EXPECT_EQ(view.ScrollY(), 0);
}

TEST_F(Vwcommon, HorizontalScrollKeepsHScrollStepCharactersAhead) {
    view.SetLines({std::string(100, 'a'), std::string(32, 'b'), "c"});
    view.SetPosition(30, 0, true);  // 210 pixels: past the right edge
    EXPECT_EQ(view.ScrollX(), 7 * 34 - 200 + 2);
    EXPECT_EQ(view.CaretPixels().x, 210 - 40);
    view.SetPosition(2, 0, true);  // left of the edge, too near the start to keep four behind
    EXPECT_EQ(view.ScrollX(), 0);
    view.SetScrollX(100);
    EXPECT_EQ(view.CaretPixels().x, 14 - 100);
    view.SetPosition(10, 0, true);
    EXPECT_EQ(view.ScrollX(), 7 * 7);
    view.SetScrollX(0);
    view.SetPosition(30, 1, true);  // only two characters remain after the caret
    EXPECT_EQ(view.ScrollX(), 7 * 32 - 200 + 2);
    view.SetScrollX(0);
    Settings().HScrollStep = 10;
    view.SetPosition(30, 0, true);
    EXPECT_EQ(view.ScrollX(), 7 * 40 - 200 + 2);
    view.SetScrollX(0);
    view.SetClientWidth(5);
    view.SetPosition(1, 2, true);  // a one-character line never scrolls to the right
    EXPECT_EQ(view.ScrollX(), 0);
    EXPECT_EQ(view.CaretPixels().x, 7);
}

TEST_F(Vwcommon, SelectAllOnAnEmptyDocumentSelectsNothing) {
    view.SelectAll();
    EXPECT_EQ(view.Caret(), (textpos{0, 0}));
    EXPECT_EQ(view.Anchor(), (textpos{0, 0}));
    EXPECT_FALSE(view.HasSelection());
    view.SetLines({"ab", "cde"});
    view.SelectAll();
    EXPECT_EQ(view.Caret(), (textpos{3, 1}));
    EXPECT_EQ(view.Anchor(), (textpos{0, 0}));
    EXPECT_EQ(view.SelectedText(), "abcde");
    EXPECT_EQ(view.CaretPixels(), (platform::point{21, 13}));
}

TEST_F(Vwcommon, LineHeightRoundsDistanceHalvesToEven) {
    view.SetLines({"abc"});
    EXPECT_EQ(view.LineHeight(), 13);
    Settings().Distance = 1.0;
    EXPECT_EQ(view.LineHeight(), 26);
    Settings().Distance = 0.5;
    EXPECT_EQ(view.LineHeight(), 20);  // 19.5
    platform::fontspec font;
    font.height = -15;
    view.SetFont(font);
    EXPECT_EQ(view.LineHeight(), 22);  // 22.5
    EXPECT_EQ(view.ContentHeight(), 22);
    view.SetLines({"", "abc"});
    EXPECT_EQ(view.ContentHeight(), 0);
}

TEST_F(Vwcommon, TextHeightMeasuresTheFirstCharacterOrASpace) {
    // Only "g" is tall here, so the height shows which character was measured.
    class tallg final : public platform::canvas {
    public:
        void SetFont(const platform::fontspec& font) override { inner.SetFont(font); }
        const platform::fontspec& Font() const override { return inner.Font(); }
        void SetPen(const platform::penspec& pen) override { inner.SetPen(pen); }
        const platform::penspec& Pen() const override { return inner.Pen(); }
        void SetBrush(platform::colour fill) override { inner.SetBrush(fill); }
        platform::colour Brush() const override { return inner.Brush(); }
        void TextOut(platform::point at, std::string_view text, platform::textbackground b) override {
            inner.TextOut(at, text, b);
        }
        platform::extent TextExtent(std::string_view text) override {
            platform::extent size = inner.TextExtent(text);
            if (text.find('g') != std::string_view::npos) size.height += 4;
            return size;
        }
        platform::extent MeasureSingleLine(std::string_view text) override { return TextExtent(text); }
        void DrawWordWrapped(const platform::rect& r, std::string_view text) override { inner.DrawWordWrapped(r, text); }
        void Polyline(std::span<const platform::point> p) override { inner.Polyline(p); }
        void Polygon(std::span<const platform::point> p) override { inner.Polygon(p); }
        void Rectangle(const platform::rect& r) override { inner.Rectangle(r); }
        void FillRect(const platform::rect& r) override { inner.FillRect(r); }
        void DrawSizeGrip(const platform::rect& r) override { inner.DrawSizeGrip(r); }
        void CopyFrom(const platform::bitmap& b, const platform::rect& r) override { inner.CopyFrom(b, r); }
        void DrawPixels(const platform::pixelsurface& s, platform::point at) override { inner.DrawPixels(s, at); }
        void SetClipRect(const platform::rect& r) override { inner.SetClipRect(r); }
        void ClearClip() override { inner.ClearClip(); }
        platform::extent PixelsPerInch() const override { return inner.PixelsPerInch(); }
        void LendNative(const std::function<void(void*)>& draw) override { inner.LendNative(draw); }
        platform::headlesscanvas inner;
    } surface;
    lineview tall(surface, {"gap"});
    EXPECT_EQ(tall.TextHeight(), 17);
    tall.SetLines({"ag"});
    EXPECT_EQ(tall.TextHeight(), 13);
    tall.SetLines({"", "g"});
    EXPECT_EQ(tall.TextHeight(), 13);
}

TEST_F(Vwcommon, CaretPixelsSumMeasuredWidthsAndFollowTheFont) {
    canvas.SetCharacterWidths([](const platform::fontspec& font, unsigned char c) {
        return c == 'i' ? 3 : (std::abs(font.height) + 1) / 2;
    });
    view.SetLines({"iia", "x"});
    view.SetPosition(3, 0, true);
    EXPECT_EQ(view.CaretPixels(), (platform::point{13, 0}));
    platform::fontspec font;
    font.height = -20;
    view.SetFont(font);
    EXPECT_EQ(view.recalcs, 1);
    view.SetPosition(3, 0, true);
    EXPECT_EQ(view.CaretPixels().x, 16);
    view.SetScrollY(5);
    EXPECT_EQ(view.CaretPixels().y, -5);
    view.SetClientHeight(0);
    view.SetClientWidth(-1);
    EXPECT_EQ(view.ClientHeight(), 200);
    EXPECT_EQ(view.ClientWidth(), 200);
    view.SetClientWidth(0);
    EXPECT_EQ(view.ClientWidth(), 0);
}

TEST_F(Vwcommon, LinearPositionsRoundTrip) {
    view.SetLines({"abc", "", "de", "fghi"});
    EXPECT_EQ(view.Length(), 9);
    for (int32_t linear = 0; linear <= 9; ++linear) {
        const textpos at = view.LinearToPosition(linear);
        EXPECT_EQ(view.PositionToLinear(at.column, at.line), linear) << linear;
    }
    EXPECT_EQ(view.LinearToPosition(2), (textpos{2, 0}));
    EXPECT_EQ(view.LinearToPosition(3), (textpos{0, 2}));  // the empty line holds no position of its own
    EXPECT_EQ(view.LinearToPosition(5), (textpos{0, 3}));
    EXPECT_EQ(view.LinearToPosition(9), (textpos{4, 3}));
    EXPECT_EQ(view.LinearToPosition(12), (textpos{7, 3}));
    EXPECT_EQ(view.PositionToLinear(1, 2), 4);
    EXPECT_EQ(view.PositionToLinear(2, 3), 7);
}

TEST_F(Vwcommon, SelectedTextJoinsLinesWithoutSeparators) {
    view.SetLines({"abc", "de", "fgh"});
    view.Select({1, 0}, {2, 2});
    EXPECT_EQ(view.SelectedText(), "bcdefg");
    view.Select({2, 2}, {1, 0});
    EXPECT_EQ(view.SelectedText(), "bcdefg");
    view.Select({1, 1}, {1, 1});
    EXPECT_EQ(view.SelectedText(), "");
}

TEST_F(Vwcommon, SelectWordAtCaretFollowsTheClasses) {
    view.SetLines({"say при", "вет, ok"});
    view.SetPosition(5, 0, true);
    view.SelectWordAtCaret();  // the word runs on across the line end
    EXPECT_EQ(view.Anchor(), (textpos{4, 0}));
    EXPECT_EQ(view.Caret(), (textpos{3, 1}));
    EXPECT_EQ(view.SelectedText(), "привет");

    view.SetLines({"GIFфайл mp3", "x"});
    view.SetPosition(1, 0, true);
    view.SelectWordAtCaret();
    EXPECT_EQ(view.SelectedText(), "GIF");
    view.SetPosition(11, 0, true);  // at the end of the line: the character before the caret
    view.SelectWordAtCaret();
    EXPECT_EQ(view.SelectedText(), "mp3x");
    view.Select({7, 0}, {7, 0});  // on the space
    view.SelectWordAtCaret();
    EXPECT_FALSE(view.HasSelection());
    {
        allseparators off;
        view.Select({1, 0}, {1, 0});
        view.SelectWordAtCaret();
        EXPECT_FALSE(view.HasSelection());
    }
    view.SelectWordAtCaret();
    EXPECT_EQ(view.SelectedText(), "GIF");
}

TEST_F(Vwcommon, CharacterClassesOfTheTextTable) {
    for (const char c : std::string("azAZ09_µ")) EXPECT_EQ(CharClass(static_cast<unsigned char>(c)), LatinClass) << c;
    for (const char c : std::string("АяЁёЇїІіЎўҐґЄєЈјЅѕЂђЉљЊњЋћЌќЏџЃѓ")) {
        EXPECT_EQ(CharClass(static_cast<unsigned char>(c)), CyrillicClass) << int(static_cast<unsigned char>(c));
    }
    for (const char c : std::string(" \t\r\n.,;:!?-()\"'«»—–…№§©\xA0\xAD\x98")) {
        EXPECT_GT(CharClass(static_cast<unsigned char>(c)), 4) << int(static_cast<unsigned char>(c));
    }
    {
        allseparators outer;
        {
            allseparators inner;
        }
        EXPECT_EQ(std::count(CharClasses().begin(), CharClasses().end(), SeparatorClass), 256);
    }
    EXPECT_EQ(CharClass('q'), LatinClass);
}

TEST_F(Vwcommon, ParagraphTextRunsWhileLinesEndInWords) {
    view.SetLines({"end.", "one two", "three", "four.", "five"});
    view.SetPosition(0, 2, true);
    EXPECT_EQ(view.ParagraphText(), "one twothreefour.");
    view.SetPosition(0, 0, true);
    EXPECT_EQ(view.ParagraphText(), "end.");
    view.SetPosition(0, 4, true);
    EXPECT_EQ(view.ParagraphText(), "five");
    view.SetLines({"ab", "", "cd", "ef;"});
    view.SetPosition(1, 2, true);
    EXPECT_EQ(view.ParagraphText(), "cdef;");
}

TEST_F(Vwcommon, BackspaceDeletesBackwardsAsOneStep) {
    view.SetLines({"ab", "cd"});
    view.SetPosition(0, 0, true);
    EXPECT_FALSE(view.Backspace());
    EXPECT_FALSE(view.CanUndo());
    view.SetPosition(0, 1, true);  // column 0: the character before is the last of line 0
    EXPECT_TRUE(view.Backspace());
    EXPECT_EQ(view.Lines(), (std::vector<std::string>{"a", "cd"}));
    EXPECT_EQ(view.Caret(), (textpos{1, 0}));
    EXPECT_FALSE(view.HasSelection());
    ASSERT_EQ(view.UndoList().size(), 1u);
    EXPECT_EQ(view.UndoList()[0].Text, "b");

    view.SetLines({"abcd"});
    view.Log().Clear();
    view.SetPosition(4, 0, true);
    view.Backspace();
    view.Backspace();
    view.Backspace();
    ASSERT_EQ(view.UndoList().size(), 1u);
    const undorec& joined = view.UndoList()[0];
    EXPECT_EQ(joined.Kind, undokind::TextDeleted);
    EXPECT_EQ(joined.Text, "bcd");
    EXPECT_EQ(joined.From.x, 4);
    EXPECT_EQ(joined.To.x, 1);
    view.Undo();
    EXPECT_EQ(view.Text(), "abcd");
    EXPECT_EQ(view.Caret(), (textpos{4, 0}));
    view.Redo();
    EXPECT_EQ(view.Text(), "a");
    view.Undo();
    EXPECT_EQ(view.Text(), "abcd");
}

TEST_F(Vwcommon, CopyAndBlockWalksGoLineByLine) {
    view.SetLines({"ab", "cd", "ef"});
    lineview copy(canvas);
    view.CopyDocumentTo(copy);
    EXPECT_EQ(copy.Text(), "abcdef");
    EXPECT_EQ(copy.reparses, 1);

    std::vector<std::string> seen;
    view.ReadBlocks([&](int32_t count, const uint8_t* bytes, bool& stop) {
        seen.emplace_back(reinterpret_cast<const char*>(bytes), static_cast<size_t>(count));
        stop = seen.size() == 2;
    });
    EXPECT_EQ(seen, (std::vector<std::string>{"ab", "cd"}));

    view.TypeChar('x');
    std::string upper;
    view.RewriteBlocks([&](int32_t& count, const uint8_t*& bytes, bool& last) {
        upper.assign(reinterpret_cast<const char*>(bytes), static_cast<size_t>(count));
        for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        bytes = reinterpret_cast<const uint8_t*>(upper.data());
        last = upper == "XAB";  // done after the first line
    });
    EXPECT_EQ(view.Text(), "XABcdef");
    EXPECT_FALSE(view.CanUndo());
    EXPECT_EQ(view.reparses, 1);
}

// The history on its own.

TEST(History, RecordLargerThanTheBudgetEmptiesUndoList) {
    settingsguard guard;
    Settings().MaxUndoLen = 100;
    edithistory history;
    history.Record(undokind::TextInserted, "first", 0, 5);
    history.Record(undokind::TextInserted, std::string(80, 'x'), 5, 85);  // 101 bytes
    EXPECT_FALSE(history.CanUndo());
    EXPECT_EQ(history.UndoBytes(), 0);
    history.Record(undokind::TextInserted, std::string(79, 'x'), 0, 79);  // exactly 100
    ASSERT_EQ(history.UndoList().size(), 1u);
    EXPECT_EQ(history.UndoBytes(), 100);
}

TEST(History, OldestRecordsMakeRoom) {
    settingsguard guard;
    Settings().MaxUndoLen = 100;
    edithistory history;
    for (const char* text : {"111111111", "222222222", "333333333", "444444444"}) {
        history.Record(undokind::TextDeleted, text, 50, 50);  // 30 bytes each, never adjacent to merge
    }
    ASSERT_EQ(history.UndoList().size(), 3u);
    EXPECT_EQ(history.UndoList().front().Text, "222222222");
    EXPECT_EQ(history.UndoBytes(), 90);
    history.Record(undokind::TextInserted, std::string(49, 'y'), 0, 49);  // 70 bytes
    ASSERT_EQ(history.UndoList().size(), 2u);
    EXPECT_EQ(history.UndoList().front().Text, "444444444");
    EXPECT_EQ(history.UndoBytes(), 100);
}

TEST(History, NothingIsRecordedOrOpenedWhileUndoing) {
    settingsguard guard;
    edithistory history;
    history.Record(undokind::TextInserted, "ab", 0, 2);
    history.SetHistoryState(historystate::Undoing);
    history.Record(undokind::TextInserted, "cd", 2, 4);
    history.MarkOpen();
    EXPECT_EQ(history.UndoList().size(), 1u);
    EXPECT_EQ(history.UndoList()[0].Kind, undokind::TextInserted);
    history.SetHistoryState(historystate::Idle);
    history.MarkOpen();
    EXPECT_EQ(history.UndoList()[0].Kind, undokind::OpenRecord);
}

TEST(History, ListOperationsKeepUndoBytesTheSum) {
    settingsguard guard;
    edithistory history;
    history.PushUndo({undokind::BytesReplaced, "0123456789", {}, {}});
    history.PushUndo({undokind::BytesReplaced, "abc", {}, {}});
    EXPECT_EQ(history.UndoBytes(), 31 + 24);
    history.ReplaceNewestUndo({undokind::BytesReplaced, "abcdef", {}, {}});
    EXPECT_EQ(history.UndoBytes(), 31 + 27);
    const undorec taken = history.TakeNewestUndo();
    EXPECT_EQ(taken.Text, "abcdef");
    EXPECT_EQ(history.UndoBytes(), 31);
    history.PushRedo(taken);
    EXPECT_EQ(history.TakeNewestRedo().Text, "abcdef");
    EXPECT_FALSE(history.CanRedo());
}

TEST(History, ReplacedPayloadIsBigEndian) {
    const std::string payload = EncodeReplaced({0x01020304, "ab", "c"});
    EXPECT_EQ(payload, std::string("\x01\x02\x03\x04\x00\x00\x00\x02" "abc", 11));
    const replacedtext back = DecodeReplaced(payload);
    EXPECT_EQ(back.position, 0x01020304);
    EXPECT_EQ(back.deleted, "ab");
    EXPECT_EQ(back.inserted, "c");
    const replacedtext cut = DecodeReplaced(std::string("\0\0\0\x05\0\0\0\x10" "xyz", 11));
    EXPECT_EQ(cut.deleted, "xyz");
    EXPECT_EQ(cut.inserted, "");
}

// The history through the view's edits.

class HistoryOfView : public Vwcommon {};

TEST_F(HistoryOfView, TypedWordCharactersJoinOneStep) {
    for (const char c : std::string("ab пр12")) view.TypeChar(c);
    ASSERT_EQ(view.UndoList().size(), 2u);
    EXPECT_EQ(view.UndoList()[0].Text, "ab ");  // a separator still joins the word before it
    EXPECT_EQ(view.UndoList()[1].Text, "пр12");
    EXPECT_EQ(view.UndoList()[1].From.x, 3);
    EXPECT_EQ(view.UndoList()[1].To.x, 7);
    EXPECT_EQ(view.UndoBytes(), 24 + 25);

    view.Clear();
    view.Log().Clear();
    for (const char c : std::string(" a.b")) view.TypeChar(c);  // after a separator a new step
    ASSERT_EQ(view.UndoList().size(), 3u);
    EXPECT_EQ(view.UndoList()[1].Text, "a.");

    view.Log().Clear();
    view.TypeChar('x');
    view.SetPosition(0, 0, true);  // not where the last one ended
    view.TypeChar('y');
    EXPECT_EQ(view.UndoList().size(), 2u);

    view.Log().Clear();
    allseparators off;
    view.TypeChar('u');
    view.TypeChar('v');
    EXPECT_EQ(view.UndoList().size(), 2u);
}

TEST_F(HistoryOfView, ForwardDeletionsJoinOnTheBack) {
    view.SetLines({"abcd"});
    view.SetPosition(1, 0, true);
    view.DeleteAtCaret();
    view.DeleteAtCaret();
    ASSERT_EQ(view.UndoList().size(), 1u);
    EXPECT_EQ(view.UndoList()[0].Text, "bc");
    view.Undo();
    EXPECT_EQ(view.Text(), "abcd");
    EXPECT_EQ(view.Caret(), (textpos{1, 0}));
    view.Redo();
    EXPECT_EQ(view.Text(), "ad");
}

TEST_F(HistoryOfView, OpenDeletionAndTypingBecomeOneReplacement) {
    view.SetLines({"hello world"});
    view.Select({6, 0}, {11, 0});
    view.DeleteSelection(true, true);
    view.MarkOpen();
    EXPECT_EQ(view.UndoList().back().Kind, undokind::OpenRecord);
    view.TypeChar('X');
    ASSERT_EQ(view.UndoList().size(), 1u);
    const undorec replaced = view.UndoList()[0];
    EXPECT_EQ(replaced.Kind, undokind::TextReplaced);
    EXPECT_EQ(replaced.Text, EncodeReplaced({6, "world", "X"}));
    EXPECT_EQ(replaced.From.x, 6);
    EXPECT_EQ(replaced.To.x, 7);
    EXPECT_EQ(view.UndoBytes(), 21 + 8 + 6);

    view.Undo();
    EXPECT_EQ(view.Text(), "hello world");
    EXPECT_EQ(view.RedoList().back().Text, EncodeReplaced({6, "X", "world"}));
    view.Redo();
    EXPECT_EQ(view.Text(), "hello X");
    ASSERT_EQ(view.UndoList().size(), 1u);
    EXPECT_EQ(view.UndoList()[0].Text, replaced.Text);
    EXPECT_EQ(view.UndoList()[0].Kind, undokind::TextReplaced);
    view.Undo();
    EXPECT_EQ(view.Text(), "hello world");
}

TEST_F(HistoryOfView, UndoAndRedoRestoreInsertionsAndDeletions) {
    view.SetLines({"abc", "def"});
    view.SetPosition(1, 0, true);
    view.Insert("XY", true, true);
    view.Select({2, 1}, {2, 0});
    view.DeleteSelection(true, true);
    EXPECT_EQ(view.Text(), "aXf");
    view.Undo();
    EXPECT_EQ(view.Text(), "aXYbcdef");
    view.Undo();
    EXPECT_EQ(view.Text(), "abcdef");
    EXPECT_FALSE(view.CanUndo());
    EXPECT_EQ(view.RedoList().size(), 2u);
    view.Redo();
    EXPECT_EQ(view.Text(), "aXYbcdef");
    EXPECT_EQ(view.RedoList().size(), 1u);  // recording inside Redo keeps the rest
    EXPECT_EQ(view.UndoList().size(), 1u);
    view.Redo();
    EXPECT_EQ(view.Text(), "aXf");
    view.Undo();
    view.TypeChar('z');  // a new step outside Redo
    EXPECT_FALSE(view.CanRedo());
    EXPECT_EQ(view.HistoryState(), historystate::Idle);
}

TEST_F(HistoryOfView, UndoOnEmptyListsDoesNothing) {
    view.SetLines({"abc"});
    view.SetPosition(2, 0, true);
    view.Undo();
    view.Redo();
    EXPECT_EQ(view.Text(), "abc");
    EXPECT_EQ(view.Caret(), (textpos{2, 0}));
    EXPECT_FALSE(view.CanUndo());
    EXPECT_FALSE(view.CanRedo());
}

TEST_F(HistoryOfView, UndoOnlyDropsAnOpenRecord) {
    view.SetLines({"abc"});
    view.Select({0, 0}, {2, 0});
    view.DeleteSelection(true, true);
    view.MarkOpen();
    view.Undo();
    EXPECT_FALSE(view.CanUndo());
    EXPECT_FALSE(view.CanRedo());
    EXPECT_EQ(view.Text(), "c");
}

TEST_F(HistoryOfView, BytesRecordsAreLeftToTheStructureView) {
    view.SetLines({"abc"});
    view.Log().PushUndo({undokind::BytesReplaced, std::string(9, '\0'), {}, {}});
    view.Undo();
    EXPECT_EQ(view.UndoList().size(), 1u);
    EXPECT_EQ(view.Text(), "abc");
}

}  // namespace
}  // namespace quillmap::testing
