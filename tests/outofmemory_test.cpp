// Memory running out in the middle of an edit: whichever allocation fails, the view puts the
// document back as it was (bytes, history, a tree and rows that a fresh parse would make), passes
// the failure on, and does the same edit right afterwards.
#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <string>
#include <vector>

#include "base/settings.h"
#include "support/allocationlimit.h"
#include "support/gifbytes.h"
#include "support/gifview.h"
#include "support/settingsguard.h"
#include "support/treetext.h"
#include "views/bytesreplaced.h"
#include "views/phrasefinder.h"

namespace quillmap::testing {
namespace {

using document = gifview;

// The tree, the entries of the rows and the history's sizes.
std::string State(const vwgif& view) {
    std::string text = DescribeTree(view.Root());
    for (int32_t entry = 0; entry < view.Rows().EntryCount(); ++entry)
        text += std::to_string(view.Rows().Start(entry)) + ' ';
    return text + "| undo " + std::to_string(view.UndoList().size()) + " redo " +
           std::to_string(view.RedoList().size());
}

// Two images with a comment between them; the first image opened by the user.
std::vector<uint8_t> Gif() {
    return gifbytes()
        .Header("89a", 3, 2, 0x80)
        .Map(2)
        .Image(3, 2, 0, 2, {0x4C, 0x01, 0x4C, 0x01})
        .Text("!")
        .Bytes({0xFE, 3})
        .Text("abc")
        .Bytes({2})
        .Text("de")
        .Bytes({0})
        .Image(3, 2, 0)
        .Trailer()
        .Make();
}

struct edit {
    const char* name;
    // Done before the limit is set.
    std::function<void(vwgif&)> prepare;
    std::function<void(vwgif&)> change;
};

void Overwrite(vwgif& view) { view.ReplaceBytes(19, 1, "\x05", CaretStateByte(true, 0, 0), 20); }

TEST(OutOfMemory, EveryFailingAllocationLeavesTheDocumentAsItWas) {
    settingsguard settings;
    const auto none = [](vwgif&) {};
    const auto notagif = [](int32_t& count, const uint8_t*& bytes, bool& last) {
        static const std::string text = "GIF87a";
        count = static_cast<int32_t>(text.size());
        bytes = reinterpret_cast<const uint8_t*>(text.data());
        last = true;
    };
    const edit edits[] = {
        {"overwriting a code", none, Overwrite},
        {"inserting codes", none,
         [](vwgif& view) { view.ReplaceBytes(20, 0, "\x01\x02\x03", CaretStateByte(true, 0, 0), 23); }},
        {"deleting an image descriptor", none,
         [](vwgif& view) { view.ReplaceBytes(19, 10, "", CaretStateByte(true, 0, 0), 19); }},
        {"undoing", Overwrite, [](vwgif& view) { view.Undo(); }},
        {"redoing",
         [](vwgif& view) {
             Overwrite(view);
             view.Undo();
         },
         [](vwgif& view) { view.Redo(); }},
        {"a plug-in rewriting the document", none, [&](vwgif& view) { view.RewriteBlocks(notagif); }},
        {"replacing every 4C", none,
         [](vwgif& view) {
             int32_t budget = INT32_MAX;
             view.SetSearchMode(searchmode::codes);
             ASSERT_TRUE(view.FindPhrase("4C", budget, false, false));
             view.ReplaceFound("\x07\x07", phrasefinder("4C", 16, searchmode::codes, false), budget, true);
         }},
        {"opening every container", none,
         [](vwgif& view) {
             for (int32_t k = 0; k < view.Root().ChildCount(); ++k)
                 if (view.Root().Child(k).IsContainer()) view.Reveal(view.Root().Child(k));
         }},
    };
    for (const edit& e : edits) {
        SCOPED_TRACE(e.name);
        document done(Gif());
        e.prepare(done.view);
        e.change(done.view);

        int failures = 0;
        for (int64_t n = 1;; ++n) {
            document d(Gif());
            static_cast<cont&>(d.view.Root().Child(2)).SetExpanded(true);
            d.view.RebuildRows();
            e.prepare(d.view);
            const std::vector<uint8_t> bytes = d.view.Bytes();
            const std::string before = State(d.view);
            bool thrown = false;
            {
                allocationlimit limit(n);
                try {
                    e.change(d.view);
                } catch (const std::bad_alloc&) {
                    thrown = true;
                }
                if (!limit.Struck()) break;
            }
            SCOPED_TRACE("allocation " + std::to_string(n));
            ++failures;
            ASSERT_TRUE(thrown);
            ASSERT_EQ(d.view.Bytes(), bytes);
            // Either nothing had changed yet, or the tree was parsed again from the bytes, which
            // closes what was open.
            document fresh(bytes);
            e.prepare(fresh.view);
            const std::string now = State(d.view);
            if (now != before) {
                EXPECT_EQ(FirstDifference(DescribeTree(d.view.Root()), DescribeTree(fresh.view.Root())), "");
            }
            EXPECT_EQ(d.view.UndoList().size(), fresh.view.UndoList().size());
            EXPECT_EQ(d.view.RedoList().size(), fresh.view.RedoList().size());
            // The same edit goes through once memory is there again.
            e.change(d.view);
            EXPECT_EQ(d.view.Bytes(), done.view.Bytes());
            EXPECT_EQ(FirstDifference(DescribeTree(d.view.Root()), DescribeTree(done.view.Root())), "");
        }
        EXPECT_GT(failures, 0);
    }
}

}  // namespace
}  // namespace quillmap::testing
