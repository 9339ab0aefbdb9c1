#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "base/settings.h"
#include "gif/gifcont.h"
#include "gif/gifdocument.h"
#include "platform/headless/headlesscanvas.h"
#include "platform/headless/headlesssystem.h"
#include "support/gifbytes.h"
#include "support/settingsguard.h"
#include "support/treetext.h"
#include "views/bytesreplaced.h"
#include "views/vwgif.h"

namespace quillmap::testing {
namespace {

struct documentfixture {
    explicit documentfixture(const std::vector<uint8_t>& bytes) {
        view.AppendBytes(bytes.data(), static_cast<int32_t>(bytes.size()));
        view.ReparseAll();
    }
    std::string Text() const { return {view.Bytes().begin(), view.Bytes().end()}; }

    settingsguard settings;
    platform::headlesscanvas canvas;
    platform::headlesssystem system;
    vwgif view{canvas, system};
};

// Header 0..12, image descriptor 13..22, code size 23, one sub-block of two bytes at 24..26,
// block end 27, trailer 28.
std::vector<uint8_t> SmallGif() { return gifbytes().Header("89a", 3, 2, 0).Image(3, 2, 0).Trailer().Make(); }
std::string SmallGifText() {
    const std::vector<uint8_t> bytes = SmallGif();
    return {bytes.begin(), bytes.end()};
}

TEST(VwStructDocument, UndoAndRedoPutTheCaretBackOnItsDigitAndArea) {
    documentfixture f(SmallGif());
    f.view.ReplaceBytes(6, 1, "\x07", CaretStateByte(true, 1, 0), 7);
    EXPECT_EQ(f.view.CurDigit(), 0);
    f.view.Undo();
    EXPECT_EQ(f.view.CaretEnd(), (caretend{6, 1}));
    EXPECT_EQ(f.view.AnchorEnd(), f.view.CaretEnd());
    EXPECT_TRUE(f.view.InCodes());
    // Redone, it stands where the edit left it, after the overwritten code.
    f.view.Redo();
    EXPECT_EQ(f.view.CaretEnd(), (caretend{7, 0}));

    // An edit begun in a value text returns there.
    f.view.ReplaceBytes(6, 1, "\x09", CaretStateByte(false, 0, 0), 6);
    f.view.Undo();
    EXPECT_FALSE(f.view.InCodes());
}

TEST(VwStructDocument, BytesTypedAfterADeletionUndoWithItAsOneStep) {
    const uint8_t codes = CaretStateByte(true, 0, 0);
    const struct {
        const char* name;
        int32_t offset;  // where the byte is typed after two bytes were deleted at 6
        int32_t count;   // 1 overwrites, 0 inserts
        size_t steps;    // undo steps back to the original
    } cases[] = {
        {"overwrite where the deletion was", 6, 1, 1},
        {"insert where the deletion was", 6, 0, 1},
        {"overwrite elsewhere", 20, 1, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        documentfixture f(SmallGif());
        f.view.ReplaceBytes(6, 2, "", codes, 6);
        f.view.MarkOpen();
        f.view.ReplaceBytes(c.offset, c.count, "\x33", codes, c.offset + 1);
        const std::string edited = f.Text();
        EXPECT_EQ(f.view.UndoList().size(), c.steps);
        for (size_t step = 0; step < c.steps; ++step) f.view.Undo();
        EXPECT_EQ(f.Text(), SmallGifText());
        for (size_t step = 0; step < c.steps; ++step) f.view.Redo();
        EXPECT_EQ(f.Text(), edited);
    }
}

TEST(VwStructDocument, EveryKeyButTabTypesOverASelection) {
    documentfixture f(SmallGif());
    for (const char key : {'0', 'F', ' ', '\r', '\x08', 'z'}) EXPECT_TRUE(f.view.KeyReplacesSelection(key)) << int(key);
    EXPECT_FALSE(f.view.KeyReplacesSelection('\t'));
}

TEST(VwStructDocument, ACopyTakesTheBytesInBlocksAndTheOpenContainers) {
    documentfixture source(SmallGif());
    // Open the screen descriptor in the source.
    auto& descriptor = static_cast<cont&>(source.view.Root().Child(1));
    ASSERT_TRUE(descriptor.IsContainer());
    descriptor.SetExpanded(true);
    source.view.RebuildRows();

    struct countingview final : public vwstruct {
        countingview(platform::canvas& c, platform::system& s)
            : vwstruct(c, s, [](fieldhost& view) { return std::make_unique<gifcont>(view); }) {}
        void AppendBytes(const uint8_t* bytes, int32_t count) override {
            blocks.push_back(count);
            vwstruct::AppendBytes(bytes, count);
        }
        std::vector<int32_t> blocks;
    };
    Settings().Shag = 10;
    countingview other(source.canvas, source.system);
    source.view.CopyDocumentTo(other);
    EXPECT_EQ(other.blocks, (std::vector<int32_t>{10, 10, 9}));
    EXPECT_EQ(other.Bytes(), source.view.Bytes());
    // Another class of view: the bytes, parsed afresh, and its own open and closed containers.
    EXPECT_FALSE(static_cast<cont&>(other.Root().Child(1)).Expanded());

    documentfixture same({});
    source.view.CopyDocumentTo(same.view);
    EXPECT_EQ(same.view.Bytes(), source.view.Bytes());
    EXPECT_TRUE(static_cast<cont&>(same.view.Root().Child(1)).Expanded());
    EXPECT_EQ(same.view.Rows().EntryCount(), source.view.Rows().EntryCount());
    const gifdocument fresh(source.view.Bytes());
    EXPECT_EQ(FirstDifference(DescribeTree(same.view.Root()), DescribeTree(fresh.Root())), "");
}

TEST(VwStructDocument, RewritingBlocksReplacesTheDocumentAndForgetsTheHistory) {
    documentfixture f(SmallGif());
    f.view.ReplaceBytes(6, 1, "\x07", CaretStateByte(true, 0, 0), 7);
    ASSERT_TRUE(f.view.CanUndo());
    Settings().Shag = 10;
    std::vector<std::pair<int32_t, bool>> seen;
    const std::string replacement = "ABC";
    f.view.RewriteBlocks([&](int32_t& count, const uint8_t*& bytes, bool& last) {
        seen.emplace_back(count, last);
        if (seen.size() == 2) {
            count = 3;
            bytes = reinterpret_cast<const uint8_t*>(replacement.data());
        }
    });
    EXPECT_EQ(seen, (std::vector<std::pair<int32_t, bool>>{{10, false}, {10, false}, {9, true}}));
    std::string expected = SmallGifText();
    expected[6] = 7;
    expected.replace(10, 10, replacement);
    EXPECT_EQ(f.Text(), expected);
    EXPECT_FALSE(f.view.CanUndo());
    EXPECT_FALSE(f.view.CanRedo());

    // Done after the first block: the rest stays as it was.
    documentfixture early(SmallGif());
    Settings().Shag = 10;
    early.view.RewriteBlocks([&](int32_t& count, const uint8_t*&, bool& last) {
        count = 2;
        last = true;
    });
    std::string kept = SmallGifText();
    kept.erase(2, 8);
    EXPECT_EQ(early.Text(), kept);
}

// The entries' starts in the row table, and the tree as text.
std::string Outline(const vwstruct& view) {
    std::string text = DescribeTree(view.Root());
    for (int32_t entry = 0; entry < view.Rows().EntryCount(); ++entry)
        text += std::to_string(view.Rows().Start(entry)) + ' ';
    return text;
}

TEST(VwStructDocument, EveryWholeDocumentChangeShowsTheTreeOfAFreshParse) {
    // The rewritten signature no longer matches: nothing of the old blocks may stay.
    const auto notagif = [](int32_t& count, const uint8_t*& bytes, bool& last) {
        static const std::string text = "not a GIF";
        count = static_cast<int32_t>(text.size());
        bytes = reinterpret_cast<const uint8_t*>(text.data());
        last = true;
    };
    const struct {
        const char* name;
        std::function<void(vwstruct&)> change;
    } cases[] = {
        {"RecalcMetrics", [](vwstruct& view) { view.RecalcMetrics(); }},
        {"Clear", [](vwstruct& view) { view.Clear(); }},
        {"RewriteBlocks", [&](vwstruct& view) { view.RewriteBlocks(notagif); }},
        {"RewriteFields",
         [&](vwstruct& view) {
             view.RewriteFields([&](uint32_t, int32_t& length, const uint8_t*& bytes, bool&, bool& stop) {
                 bool last = false;
                 notagif(length, bytes, last);
                 stop = true;
             });
         }},
        {"AppendBytes then ReparseAll",
         [](vwstruct& view) {
             // A second GIF after the first one's trailer: gaps after a whole file.
             const std::vector<uint8_t> more = SmallGif();
             view.AppendBytes(more.data(), static_cast<int32_t>(more.size()));
             view.ReparseAll();
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        documentfixture f(SmallGif());
        // A block opened by the user closes with the old tree.
        ASSERT_TRUE(f.view.Root().Child(2).IsContainer());
        static_cast<cont&>(f.view.Root().Child(2)).SetExpanded(true);
        f.view.RebuildRows();
        c.change(f.view);
        const documentfixture fresh(f.view.Bytes());
        EXPECT_EQ(FirstDifference(Outline(f.view), Outline(fresh.view)), "");
    }
}

// One line per callback: serial (0 for gaps and ends), length and the first byte.
struct walklog {
    std::vector<std::string> lines;
    void Add(const documentfixture& f, uint32_t serial, int32_t length, const uint8_t* bytes) {
        std::string line = serial ? "field" : (bytes ? "gap" : "end");
        line += ' ';
        line += std::to_string(length);
        if (bytes) {
            line += " @";
            line += std::to_string(bytes - f.view.Bytes().data());
        }
        lines.push_back(line);
    }
};

TEST(VwStructDocument, ReadFieldsWalksLevelsWithGapsAndEnds) {
    // Two stray bytes after the trailer make a gap at the end.
    std::vector<uint8_t> bytes = SmallGif();
    bytes.push_back(1);
    bytes.push_back(2);
    documentfixture f(bytes);
    walklog log;
    const uint32_t descriptor = f.view.Root().Child(1).Serial();
    f.view.ReadFields([&](uint32_t serial, int32_t length, const uint8_t* at, bool& descend, bool&) {
        log.Add(f, serial, length, at);
        // Into the screen descriptor, and into the signature and the gap, which have nothing inside.
        descend = serial == descriptor || serial == f.view.Root().Child(0).Serial() || (serial == 0 && at);
    });
    const std::vector<std::string> expected{
        "field 3 @0", "end 0",  // the signature, and the end of what lies inside it
        "field 10 @3", "field 3 @3", "field 2 @6", "field 2 @8", "field 1 @10", "field 1 @11", "field 1 @12", "end 0",
        "field 15 @13", "field 1 @28", "gap 2 @29", "end 0", "end 0"};
    EXPECT_EQ(log.lines, expected);

    walklog stopped;
    f.view.ReadFields([&](uint32_t serial, int32_t length, const uint8_t* at, bool&, bool& stop) {
        stopped.Add(f, serial, length, at);
        stop = stopped.lines.size() == 2;
    });
    EXPECT_EQ(stopped.lines, (std::vector<std::string>{"field 3 @0", "field 10 @3"}));
}

TEST(VwStructDocument, RewriteFieldsTakesTheReplacedBlocksInOrder) {
    documentfixture f(SmallGif());
    f.view.ReplaceBytes(6, 1, "\x05", CaretStateByte(true, 0, 0), 7);
    const std::string screen("\x05\x00\x06\x00", 4);
    const uint32_t descriptor = f.view.Root().Child(1).Serial();
    const uint32_t signature = f.view.Root().Child(0).Serial();
    int32_t fieldsinside = 0;
    f.view.RewriteFields([&](uint32_t serial, int32_t& length, const uint8_t*& bytes, bool& descend, bool& stop) {
        if (serial == signature) descend = true;  // nothing inside: its bytes stay
        if (serial == descriptor) descend = true;
        if (bytes && serial && serial != descriptor && fieldsinside++ == 2) {
            // The screen width and height of the descriptor as one block.
            length = 4;
            bytes = reinterpret_cast<const uint8_t*>(screen.data());
        }
        if (serial == 0 && !bytes && fieldsinside > 5) stop = true;  // after the descriptor's level
    });
    std::string expected = SmallGifText();
    expected.replace(6, 2, screen);
    EXPECT_EQ(f.Text(), expected);
    EXPECT_FALSE(f.view.CanUndo());
    const gifdocument fresh(f.view.Bytes());
    EXPECT_EQ(FirstDifference(DescribeTree(f.view.Root()), DescribeTree(fresh.Root())), "");
}

}  // namespace
}  // namespace quillmap::testing
