#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "base/settings.h"
#include "support/corpus.h"
#include "support/gifview.h"
#include "support/settingsguard.h"
#include "support/treetext.h"
#include "views/vwgif.h"

namespace quillmap::testing {
namespace {

struct document : gifview {
    explicit document(const std::vector<uint8_t>& bytes) : gifview(bytes) {
        view.SetClientWidth(800);
        view.SetClientHeight(400);
    }
};

// The replacements as a user makes them one at a time: the selection deleted, the replacement
// typed over it, the caret stepped back and the next search from there.
int32_t ReplaceOneByOne(vwstruct& view, const std::string& phrase, const std::string& replacement, bool matchcase,
                        int32_t& budget) {
    int32_t count = 0;
    bool more = true;
    while (more) {
        const int32_t length = view.Selection().tobyte - view.Selection().frombyte;
        view.ReplaceSelection(replacement);
        const bool fromcaret = view.StepBack();
        budget -= length - 1;
        ++count;
        more = view.FindPhrase(phrase, budget, fromcaret, matchcase);
    }
    return count;
}

void ExpectSameHistory(const forundo& actual, const forundo& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (size_t k = 0; k < actual.size(); ++k) {
        EXPECT_EQ(actual[k].Kind, expected[k].Kind) << k;
        EXPECT_EQ(actual[k].Text, expected[k].Text) << k;
        EXPECT_EQ(actual[k].From, expected[k].From) << k;
        EXPECT_EQ(actual[k].To, expected[k].To) << k;
    }
}

// Replacing every match at once must leave exactly what replacing them one by one leaves: the
// bytes, the history, the caret, the budget and the outline, with containers opened beforehand.
TEST(ReplaceFound, AllAtOnceLeavesWhatOneByOneLeaves) {
    settingsguard settings;
    std::mt19937 random(11);
    const std::vector<std::filesystem::path> files = CorpusFiles();
    ASSERT_FALSE(files.empty());
    int rounds = 0;
    for (size_t f = 0; f < files.size() && rounds < 60; f += 1 + files.size() / 30) {
        const std::vector<uint8_t> bytes = ReadFile(files[f]);
        if (bytes.size() < 64 || bytes.size() > 300000) continue;
        for (int repeat = 0; repeat < 2; ++repeat, ++rounds) {
            SCOPED_TRACE(files[f].filename().string() + " round " + std::to_string(repeat));
            Settings().MaxUndoLen = repeat == 0 ? 1000000 : 200;  // the second round trims the history
            // A phrase taken from the document, so that it occurs: one or two codes, or text.
            const size_t at = random() % (bytes.size() / 2 - 2);
            const bool twobytes = random() % 3 != 0;
            char codes[16];
            std::snprintf(codes, sizeof codes, twobytes ? "%02x %02X" : "%02X", bytes[at], bytes[at + 1]);
            const bool astext = random() % 4 == 0;
            const std::string phrase = astext ? std::string(bytes.begin() + at, bytes.begin() + at + 2) : codes;
            const std::string replacement = std::string("\x01\x02\x03").substr(0, random() % 4);
            const searchmode mode = astext ? searchmode::text : searchmode::codes;
            // From the start, or from a byte within the selection-like range a budget gives.
            const int32_t budget0 = random() % 2 ? INT_MAX : static_cast<int32_t>(bytes.size() / 2);

            document one(bytes), all(bytes);
            for (document* d : {&one, &all}) {
                for (int32_t k = 0; k < d->view.Root().ChildCount(); k += 3)
                    if (d->view.Root().Child(k).IsContainer()) static_cast<cont&>(d->view.Root().Child(k)).SetExpanded(true);
                d->view.RebuildRows();
                d->view.SetSearchMode(mode);
            }
            int32_t budgetone = budget0, budgetall = budget0;
            ASSERT_TRUE(one.view.FindPhrase(phrase, budgetone, false, false));
            ASSERT_TRUE(all.view.FindPhrase(phrase, budgetall, false, false));
            const int32_t count = ReplaceOneByOne(one.view, phrase, replacement, false, budgetone);

            const phrasefinder finder(phrase, 16, mode, false);
            const bool fromcaret = all.view.ReplaceFound(replacement, finder, budgetall, true);
            EXPECT_FALSE(all.view.FindPhrase(phrase, budgetall, fromcaret, false));

            EXPECT_GT(count, 0);
            EXPECT_EQ(all.view.Bytes(), one.view.Bytes());
            ExpectSameHistory(all.view.UndoList(), one.view.UndoList());
            EXPECT_TRUE(all.view.RedoList().empty());
            EXPECT_EQ(all.view.CaretEnd(), one.view.CaretEnd());
            EXPECT_EQ(all.view.AnchorEnd(), one.view.AnchorEnd());
            EXPECT_EQ(budgetall, budgetone);
            EXPECT_EQ(FirstDifference(DescribeTree(all.view.Root()), DescribeTree(one.view.Root())), "");
            EXPECT_EQ(all.view.LastLine(), one.view.LastLine());
            // And undo takes the replacements back one by one, to the original bytes.
            while (all.view.CanUndo()) all.view.Undo();
            if (repeat == 0) {
                EXPECT_EQ(all.view.Bytes(), bytes);
            }
        }
    }
    EXPECT_GE(rounds, 20);
}

}  // namespace
}  // namespace quillmap::testing
