#include <gtest/gtest.h>

#include <random>

#include "gif/gifcont.h"
#include "gif/gifdocument.h"
#include "platform/headless/headlesscanvas.h"
#include "platform/headless/headlesssystem.h"
#include "support/corpus.h"
#include "support/settingsguard.h"
#include "support/treetext.h"
#include "views/bytesreplaced.h"
#include "views/vwgif.h"

namespace quillmap::testing {
namespace {

struct viewfixture {
    settingsguard settings;
    platform::headlesscanvas canvas;
    platform::headlesssystem system;
    vwgif view{canvas, system};

    void Load(const std::vector<uint8_t>& bytes) {
        view.AppendBytes(bytes.data(), static_cast<int32_t>(bytes.size()));
        view.ReparseAll();
    }
    // The view's tree against a fresh parse of its bytes.
    std::string DifferenceFromFresh() const {
        const gifdocument fresh(view.Bytes());
        return FirstDifference(DescribeTree(view.Root()), DescribeTree(fresh.Root()));
    }
};

std::string Text(const std::vector<uint8_t>& bytes) { return {bytes.begin(), bytes.end()}; }

TEST(VwStruct, UndoingEverythingGivesTheOriginalBackAndRedoingTheEdits) {
    for (const char* name : {"welcome2.gif", "plain-text.gif", "metadata-full.gif"}) {
        SCOPED_TRACE(name);
        viewfixture f;
        const std::vector<uint8_t> original = ReadFile(CorpusDir() / name);
        f.Load(original);
        std::mt19937 random(99);
        int edits = 0;
        for (; edits < 300; ++edits) {
            const int32_t length = f.view.DocumentLength();
            const auto value = std::string(1, static_cast<char>(",!;\x00\x01\xF9\xFF"[random() % 7] + (random() % 3 == 0)));
            const int32_t at = static_cast<int32_t>(random() % (length + 1));
            switch (random() % 3) {
                case 0:  // overwrite
                    if (at < length) f.view.ReplaceBytes(at, 1, value, CaretStateByte(true, 0, 1), at);
                    break;
                case 1:  // insert
                    f.view.ReplaceBytes(at, 0, value, CaretStateByte(true, 0, 0), at + 1);
                    break;
                default:  // delete
                    if (at < length) f.view.ReplaceBytes(at, 1, "", CaretStateByte(true, 0, 0), at);
                    break;
            }
        }
        ASSERT_EQ(f.DifferenceFromFresh(), "");
        const std::vector<uint8_t> edited = f.view.Bytes();
        int undone = 0;
        while (f.view.CanUndo()) {
            f.view.Undo();
            ++undone;
        }
        EXPECT_EQ(undone, static_cast<int>(f.view.RedoList().size()));
        EXPECT_EQ(Text(f.view.Bytes()), Text(original));
        EXPECT_EQ(f.DifferenceFromFresh(), "");
        EXPECT_EQ(f.view.UndoBytes(), 0);
        while (f.view.CanRedo()) f.view.Redo();
        EXPECT_EQ(Text(f.view.Bytes()), Text(edited));
        EXPECT_EQ(f.DifferenceFromFresh(), "");
    }
}

TEST(VwStruct, BudgetDropsTheOldestStepsAndRefusesAStepLargerThanItAll) {
    viewfixture f;
    f.Load(ReadFile(CorpusDir() / "plain-text.gif"));
    // Each one-byte overwrite costs 21 + 9 + 2 = 32 bytes of budget.
    Settings().MaxUndoLen = 100;
    for (int32_t k = 0; k < 5; ++k) f.view.ReplaceBytes(60 + k, 1, "x", 0, 60 + k);
    EXPECT_EQ(f.view.UndoList().size(), 3u);
    EXPECT_EQ(f.view.UndoBytes(), 96);
    // The oldest kept step is the third overwrite.
    EXPECT_EQ(DecodeBytesReplaced(f.view.UndoList().front().Text).offset, 62);
    // A record of 101 bytes or more empties the list.
    f.view.ReplaceBytes(70, 0, std::string(71, 'y'), 0, 70);
    EXPECT_TRUE(f.view.UndoList().empty());
    EXPECT_EQ(f.view.UndoBytes(), 0);
}

TEST(VwStruct, UndoPlacesTheCaretWhereTheEditBegan) {
    viewfixture f;
    const std::vector<uint8_t> original = ReadFile(CorpusDir() / "depth1.gif");
    f.Load(original);
    const int32_t last = f.view.DocumentLength() - 1;
    f.view.ReplaceBytes(last, 1, "", CaretStateByte(true, 0, 0), last);
    EXPECT_EQ(f.view.DocumentLength(), last);
    f.view.Undo();
    EXPECT_EQ(Text(f.view.Bytes()), Text(original));
    EXPECT_EQ(f.view.PositionToLinear(f.view.Caret().column, f.view.Caret().line), last);
    // The step waiting for redo takes the restored ";" away again.
    const bytesreplaced redo = DecodeBytesReplaced(f.view.RedoList().back().Text);
    EXPECT_EQ(redo.oldbytes, "");
    EXPECT_EQ(redo.newbytes, ";");
    f.view.Redo();
    EXPECT_EQ(f.view.DocumentLength(), last);
}

TEST(VwStruct, TypingOverASelectionIsOneStep) {
    viewfixture f;
    const std::vector<uint8_t> original = ReadFile(CorpusDir() / "depth3.gif");
    f.Load(original);
    // The selection's two bytes go, the deletion waits open, the typed byte joins it.
    f.view.ReplaceBytes(20, 2, "", CaretStateByte(true, 1, 0), 20);
    f.view.MarkOpen();
    f.view.ReplaceBytes(20, 0, "Q", CaretStateByte(true, 0, 1), 21);
    ASSERT_EQ(f.view.UndoList().size(), 1u);
    EXPECT_EQ(f.view.UndoList().back().Kind, undokind::BytesReplaced);
    const bytesreplaced step = DecodeBytesReplaced(f.view.UndoList().back().Text);
    EXPECT_EQ(step.newbytes, "Q");
    EXPECT_EQ(step.oldbytes.size(), 2u);
    EXPECT_EQ(DigitAfter(step.caretstate), 1);
    f.view.Undo();
    EXPECT_EQ(Text(f.view.Bytes()), Text(original));
}

TEST(VwStruct, LinesComeFromTheRowTable) {
    viewfixture f;
    f.Load(ReadFile(CorpusDir() / "depth1.gif"));
    EXPECT_EQ(f.view.GetLine(0), "GIF");
    EXPECT_EQ(f.view.LastLine(), f.view.Rows().LastLine());
    // Blocks of Shag bytes; none for an empty document.
    Settings().Shag = 10;
    std::vector<int32_t> counts;
    f.view.ReadBlocks([&](int32_t count, const uint8_t*, bool&) { counts.push_back(count); });
    EXPECT_EQ(counts, (std::vector<int32_t>{10, 10, 10, 5}));
    viewfixture empty;
    int calls = 0;
    empty.view.ReadBlocks([&](int32_t, const uint8_t*, bool&) { ++calls; });
    EXPECT_EQ(calls, 0);
}

}  // namespace
}  // namespace quillmap::testing

namespace quillmap::testing {
namespace {

// The headless canvas's default font: every glyph 7 pixels wide and 13 high. With the default
// settings at 96 dpi: LineHeight 13, FieldPad round(3.9) = 4, DigitWidth 7, CodeWidth 14,
// CellPitch round(14 + 4.2) = 18, no line is thicker than 1 pixel (LinePx = MarginPx =
// FieldLinePx = 0), and the codes' caret starts at round(3 * 0.6 * 7) + 8 * 7 + 0 + 1 = 70.
TEST(VwStruct, CaretPixelsInTheCodes) {
    viewfixture f;
    f.Load(ReadFile(CorpusDir() / "depth1.gif"));
    // Byte 5 is the descriptor's third byte: line 1, column 2, below the signature's block of
    // round(13 * (1 + 0.6)) = 21 pixels.
    const textpos at = f.view.LinearToPosition(5);
    EXPECT_EQ(at, (textpos{2, 1}));
    f.view.SetPosition(at.column, at.line, true);
    EXPECT_EQ(f.view.CaretPixels(), (platform::point{70 + 2 * 18, 13 + 3 + 4 + 21}));
    f.view.SetCurDigit(1);
    f.view.CalcCaretPixels();
    EXPECT_EQ(f.view.CaretPixels().x, 70 + 2 * 18 + 7);

    // After the last byte the caret stands at the right end of the empty cell.
    const int32_t end = f.view.DocumentLength();
    const textpos after = f.view.LinearToPosition(end);
    f.view.SetCurDigit(0);
    f.view.SetPosition(after.column, after.line, true);
    EXPECT_EQ(f.view.CaretPixels().x, 70 + after.column * 18 + 14);

    // Without leading zeros a one-digit code sits right-aligned and has one digit to stand on:
    // byte 6 is the screen width's 0x01, in column 3; "a" at byte 5 has two.
    Settings().FirstZeroes = false;
    const textpos width = f.view.LinearToPosition(6);
    f.view.SetPosition(width.column, width.line, true);
    f.view.SetCurDigit(5);
    f.view.CalcCaretPixels();
    EXPECT_EQ(f.view.CurDigit(), 1);
    EXPECT_EQ(f.view.CaretPixels().x, 70 + 3 * 18 + (2 + 1 - 1) * 7);
    f.view.SetPosition(at.column, at.line, true);
    f.view.SetCurDigit(5);
    f.view.CalcCaretPixels();
    EXPECT_EQ(f.view.CurDigit(), 2);
    EXPECT_EQ(f.view.CaretPixels().x, 70 + 2 * 18 + 2 * 7);
}

TEST(VwStruct, PositionsAndBytesAgree) {
    viewfixture f;
    f.Load(ReadFile(CorpusDir() / "welcome2.gif"));
    for (int32_t linear = 0; linear <= f.view.DocumentLength(); ++linear) {
        const textpos at = f.view.LinearToPosition(linear);
        ASSERT_EQ(f.view.PositionToLinear(at.column, at.line), linear);
        if (linear < f.view.DocumentLength()) {
            ASSERT_EQ(static_cast<uint8_t>(f.view.GetLine(at.line).at(static_cast<size_t>(at.column))),
                      f.view.Bytes()[static_cast<size_t>(linear)]);
        }
    }
}

TEST(VwStruct, DrawingBounds) {
    viewfixture f;
    // left: round(2 * 0.6 * 7) + 8 * 7 + 0 + 2; top: 13 + 0 + 4; the client is 200 x 200.
    EXPECT_EQ(f.view.DrawingBounds(), (platform::rect{66, 17, 200, 210}));
}

}  // namespace
}  // namespace quillmap::testing

namespace quillmap::testing {
namespace {

// depth1.gif's blocks, with the metrics above: signature 21, descriptor (2 rows) 34, map 21,
// image (2 rows) 34, trailer 21; their tops 0, 21, 55, 76, 110; lines 0, 1-2, 3, 4-5, 6.
TEST(VwStruct, KeepingTheCaretInView) {
    viewfixture f;
    f.Load(ReadFile(CorpusDir() / "depth1.gif"));
    ASSERT_EQ(f.view.LastLine(), 6);
    f.view.SetClientHeight(60);
    // The last line, at y 13 + 3 + 4 + 110 = 130, lies below 60 - 13 + 1: it comes to rest at
    // the bottom: scroll y = 110 + round(13 * 0.3) + 13 + 17 - 60 = 84.
    f.view.SetPosition(0, 6, true);
    EXPECT_EQ(f.view.ScrollY(), 84);
    EXPECT_EQ(f.view.CaretPixels().y, 130 - 84);
    // Back to the top: the signature's row, round(13 * 0.3) below the first block's top.
    f.view.SetPosition(0, 0, true);
    EXPECT_EQ(f.view.ScrollY(), 4);

    // Column 7 of the descriptor's first row lies at 70 + 7 * 18 = 196, past a client 100 wide:
    // scroll x = min(7 + 4, 8) * 18 + 66 - 100 + 2 = 112.
    f.view.SetClientWidth(100);
    f.view.SetPosition(7, 1, true);
    EXPECT_EQ(f.view.ScrollX(), 112);
    EXPECT_EQ(f.view.CaretPixels().x, 196 - 112);
    // Column 0 would be left of the codes: back to max(0, 0 - 4 + 1) cells.
    f.view.SetPosition(0, 1, true);
    EXPECT_EQ(f.view.ScrollX(), 0);
    EXPECT_EQ(f.view.CaretPixels().x, 70);
}

}  // namespace
}  // namespace quillmap::testing
