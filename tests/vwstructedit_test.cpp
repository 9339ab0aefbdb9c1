#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "base/settings.h"
#include "gif/gifcont.h"
#include "gif/gifdocument.h"
#include "platform/headless/headlessapplication.h"
#include "platform/headless/headlesscanvas.h"
#include "platform/headless/headlesssystem.h"
#include "support/corpus.h"
#include "support/gifbytes.h"
#include "support/outlinecheck.h"
#include "support/settingsguard.h"
#include "support/treetext.h"
#include "views/vwgif.h"

namespace quillmap::testing {
namespace {

struct editfixture {
    explicit editfixture(const std::string& bytes) {
        view.AppendBytes(reinterpret_cast<const uint8_t*>(bytes.data()), static_cast<int32_t>(bytes.size()));
        view.ReparseAll();
        view.SetClientWidth(800);
        view.SetClientHeight(400);
    }
    std::string Text() const { return {view.Bytes().begin(), view.Bytes().end()}; }
    // Caret and anchor together on a byte and digit.
    void Place(caretend at) {
        const textpos place = view.LinearToPosition(at.byte);
        view.SetPosition(place.column, place.line, false);
        view.SetPosition(place.column, place.line, true);
        view.SetCurDigit(at.digit);
        view.SetAnchorDigit(at.digit);
    }
    // One step of a script: a key as the main window passes it, or "type:..." for characters.
    void Do(const std::string& step) {
        if (step.rfind("type:", 0) == 0) {
            for (const char character : step.substr(5)) view.TypeChar(character);
        } else if (step == "left" || step == "shift+left") {
            view.CaretLeft(false, step != "left");
        } else if (step == "right" || step == "shift+right") {
            view.CaretRight(false, step != "right");
        } else if (step == "up") {
            view.CaretUp(false, false, column);
        } else if (step == "down") {
            view.CaretDown(false, false, column);
        } else if (step == "end") {
            view.LineEnd(false);
        } else if (step == "delete") {
            if (view.HasSelection()) view.DeleteSelection(true, true);
            else view.DeleteAtCaret();
        } else if (step == "backspace") {
            view.Backspace();
        } else if (step == "ctrl+shift+y") {
            view.DeleteLine(true);
        } else if (step == "undo") {
            view.Undo();
        } else {
            FAIL() << "unknown step " << step;
        }
    }

    settingsguard settings;
    platform::headlessapplication app;
    platform::headlesscanvas canvas;
    platform::headlesssystem system;
    vwgif view{canvas, system};
    int32_t column = -1;  // the main window's remembered column
};

std::string SmallGif() {
    const std::vector<uint8_t> bytes = gifbytes().Header("89a", 3, 2, 0).Image(3, 2, 0).Trailer().Make();
    return {bytes.begin(), bytes.end()};
}

TEST(VwStructEdit, KeysAndTypingFromTheTable) {
    struct scenario {
        const char* name;
        int32_t base;
        bool firstzeroes;
        bool insert;
        std::string bytes;
        caretend start;
        std::vector<std::string> steps;
        std::string expected;
        caretend caret;
        size_t undosteps;
        int beeps = 0;
    };
    const std::string gif = SmallGif();
    const std::vector<scenario> scenarios = {
        {"Right from the second digit lands on the next code", 16, true, true, "\x4F\x12", {0, 1}, {"right"},
         "\x4F\x12", {1, 0}, 0},
        {"Left from the first digit lands on the previous code's second", 16, true, true, "\x4F\x12", {1, 0},
         {"left"}, "\x4F\x12", {0, 1}, 0},
        {"a one-digit code is left at once", 16, false, true, "\x07\x12", {0, 0}, {"right"}, "\x07\x12", {1, 0}, 0},
        {"Shift+Right then Shift+Left selects nothing", 16, true, true, "\x4F\x12", {0, 1},
         {"shift+right", "shift+left"}, "\x4F\x12", {0, 1}, 0},
        {"insert mode: a new code before 4F", 16, false, true, "\x4F", {0, 0}, {"type:A"}, "\x0A\x4F", {0, 1}, 1},
        {"insert mode: its second digit, then on to 4F", 16, false, true, "\x4F", {0, 0}, {"type:AB"},
         std::string("\xAB\x4F"), {1, 0}, 2},
        {"overwrite mode: the first digit", 16, false, false, "\x4F", {0, 0}, {"type:A"}, "\xAF", {0, 1}, 1},
        {"overwrite mode: both digits, then on", 16, false, false, "\x4F\x12", {0, 0}, {"type:ab"},
         std::string("\xAB\x12"), {1, 0}, 2},
        {"base 10 at the end: 300 does not fit, 30 and 0 do", 10, false, true, "\x01", {1, 0}, {"type:300"},
         std::string("\x01\x1E\x00", 3), {2, 1}, 3},
        {"a letter beyond the base beeps", 16, false, true, "\x4F", {0, 0}, {"type:G"}, "\x4F", {0, 0}, 0, 1},
        {"a code above 255 beeps", 10, false, false, std::string("\xC8", 1), {0, 1}, {"type:9"}, "\xC8", {0, 1}, 0, 1},
        {"Delete on the only digit removes the byte", 16, false, true, "\x07\x12", {0, 0}, {"delete"}, "\x12",
         {0, 0}, 1},
        {"Delete after the last digit takes the next code's first", 16, false, true, "\x4F\x12", {0, 2},
         {"delete"}, "\x4F\x02", {1, 0}, 1},
        {"deleting one of two selected digits keeps the other", 16, false, true, "\x4F\x12", {0, 0},
         {"shift+right", "delete"}, "\x0F\x12", {0, 0}, 1},
        {"Backspace takes the digit before the caret", 16, false, true, "\x4F\x12", {1, 0}, {"backspace"},
         "\x04\x12", {0, 1}, 1},
        {"Ctrl+Shift+Y removes a gap whole", 16, false, true, gif + "\x01\x02", {29, 0}, {"ctrl+shift+y"}, gif,
         {29, 0}, 1},
        {"Up keeps the column, clamped to a shorter row's last byte", 16, false, true, gif, {18, 0}, {"up"}, gif,
         {12, 0}, 0},
        {"and Down brings it back", 16, false, true, gif, {18, 0}, {"up", "down"}, gif, {18, 0}, 0},
        {"End stands after the row's last digit", 16, false, true, gif, {3, 0}, {"end"}, gif, {10, 1}, 0},
        {"Tab, two characters on and Tab back: the third code", 16, false, true, "\x4F\x12\x33\x44", {0, 1},
         {"type:\t", "right", "right", "type:\t"}, "\x4F\x12\x33\x44", {2, 0}, 0},
        {"typing X over a gap's byte in its value text", 16, false, false, "\x4F\x12\x33\x44", {1, 0},
         {"type:\tX"}, "\x4F\x58\x33\x44", {2, 0}, 1},
        {"characters typed in insert mode go in as bytes", 16, false, true, "\x4F\x12", {1, 0}, {"type:\tAb"},
         "\x4F\x41\x62\x12", {3, 0}, 2},
        {"Delete and Backspace in the value text take whole bytes", 16, false, true, "\x4F\x12\x33\x44", {1, 0},
         {"type:\t", "delete", "backspace"}, "\x33\x44", {0, 0}, 2},
        {"Tab back from after the row's last character: after its last code's digits", 16, false, true,
         "\x4F\x12\x33\x44", {0, 0}, {"type:\t", "end", "type:\t"}, "\x4F\x12\x33\x44", {2, 2}, 0},
        {"a whole typed code undoes in its steps", 16, false, true, "\x4F", {0, 0}, {"type:AB", "undo", "undo"},
         "\x4F", {0, 0}, 0},
    };
    for (const scenario& s : scenarios) {
        SCOPED_TRACE(s.name);
        editfixture f(s.bytes);
        Settings().TextBaseSyst = s.base;
        Settings().FirstZeroes = s.firstzeroes;
        f.view.SetInsertMode(s.insert);
        f.Place(s.start);
        for (const std::string& step : s.steps) f.Do(step);
        EXPECT_EQ(f.Text(), s.expected);
        EXPECT_EQ(f.view.CaretEnd(), s.caret) << f.view.CaretEnd().byte << ':' << f.view.CaretEnd().digit;
        EXPECT_FALSE(f.view.HasSelection());
        EXPECT_EQ(f.view.UndoList().size(), s.undosteps);
        EXPECT_EQ(f.system.Beeps(), s.beeps);
    }
}

// Random keys, typing, clicks and drags on corpus files: the tree always equals a fresh parse,
// the caret stays in the document, the history takes every change back and forth exactly, and
// the open navigator, whose rows are opened and closed at random too, keeps its outline true to
// the tree.
TEST(VwStructEdit, RandomEditingKeepsTheTreeAndTheHistoryExact) {
    std::vector<std::string> files;
    for (const auto& path : CorpusFiles()) {
        const std::vector<uint8_t> bytes = ReadFile(path);
        if (bytes.size() <= 20000) files.emplace_back(bytes.begin(), bytes.end());
    }
    ASSERT_FALSE(files.empty());
    std::mt19937 rng(20261208);
    // Apart, so that the edits stay those the test has always made.
    std::mt19937 folding(20261209);
    // Tab goes between the codes and a value text, where Enter stores what was typed.
    const char typed[] = "0123456789abcdefGz\t\t\r";
    const char* pasted[] = {"4f 0A", "1 2 3", "zz", "100", "FF\r00"};
    const int32_t bases[] = {16, 10, 2};
    for (int sequence = 0; sequence < 3000; ++sequence) {
        const std::string& original = files[rng() % files.size()];
        editfixture f(original);
        f.view.SetApplication(f.app);
        f.view.ShowNavigator(true);
        Settings().TextBaseSyst = bases[rng() % 3];
        Settings().FirstZeroes = rng() % 2;
        f.view.SetInsertMode(rng() % 2);
        SCOPED_TRACE("sequence " + std::to_string(sequence));
        for (int step = 0; step < 12; ++step) {
            const bool shift = rng() % 3 == 0;
            const bool ctrl = rng() % 4 == 0;
            switch (rng() % 16) {
                case 0: f.view.CaretLeft(ctrl, shift); break;
                case 1: f.view.CaretRight(ctrl, shift); break;
                case 2: f.view.CaretUp(ctrl, shift, f.column); break;
                case 3: f.view.CaretDown(ctrl, shift, f.column); break;
                case 4: shift ? f.view.LineEnd(shift) : f.view.LineStart(shift); break;
                case 5: ctrl ? f.view.PageUp(shift, f.column) : f.view.PageDown(shift, f.column); break;
                case 6:
                case 7: {
                    const char character = typed[rng() % (sizeof typed - 1)];
                    if (f.view.HasSelection() && f.view.KeyReplacesSelection(character)) {
                        f.view.DeleteSelection(true, true);
                        f.view.MarkOpen();
                    }
                    f.view.TypeChar(character);
                    break;
                }
                case 8: f.Do("delete"); break;
                case 9: f.view.Backspace(); break;
                case 10: f.view.DeleteLine(ctrl); break;
                case 11: f.view.Insert(std::string(1 + rng() % 3, static_cast<char>(rng())), true, true); break;
                case 12: f.view.SetInsertMode(!f.view.InsertMode()); break;
                case 13: {
                    const auto x = static_cast<int32_t>(rng() % 900);
                    const auto y = static_cast<int32_t>(rng() % 600);
                    f.view.MouseButton(x, y, true, shift);
                    if (ctrl) f.view.MouseButton(static_cast<int32_t>(rng() % 900), y + 40, false, true);
                    break;
                }
                case 14:
                    f.system.Clipboard().PutForeignText(pasted[rng() % std::size(pasted)]);
                    f.view.PasteTextAsCodes();
                    break;
                case 15: f.view.SetColumnCount(1 + static_cast<int32_t>(rng() % 12)); break;
            }
            const gifdocument fresh(f.view.Bytes());
            ASSERT_EQ(TreeFingerprint(f.view.Root()), TreeFingerprint(fresh.Root())) << "after step " << step;
            ASSERT_GE(f.view.CaretEnd().byte, 0);
            ASSERT_LE(f.view.CaretEnd().byte, f.view.DocumentLength());
            ASSERT_LE(f.view.AnchorEnd().byte, f.view.DocumentLength());
            navigator& outline = *f.view.Navigator();
            ASSERT_EQ(OutlineMismatch(f.view.Root(), outline.Outline().Rows()), "") << "after step " << step;
            for (int toggles = folding() % 3; toggles > 0; --toggles)
                outline.Toggle(folding() % outline.Outline().Rows().size());
        }
        const std::string edited = f.Text();
        while (f.view.CanUndo()) f.view.Undo();
        ASSERT_EQ(f.Text(), original);
        while (f.view.CanRedo()) f.view.Redo();
        ASSERT_EQ(f.Text(), edited);
    }
}

}  // namespace
}  // namespace quillmap::testing
