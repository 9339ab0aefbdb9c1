#include <gtest/gtest.h>

#include <random>
#include <string>

#include "model/displayedlist.h"
#include "support/bytehost.h"
#include "support/settingsguard.h"
#include "support/tinyformat.h"
#include "support/treetext.h"

namespace quillmap::testing {
namespace {

using namespace std::string_literals;

// A parsed document of the tiny format.
struct tinydocument {
    explicit tinydocument(std::string bytes) : host(bytes), root(host) {
        root.SetStart(0);
        root.Parse();
    }
    std::vector<pole*> Visible() {
        std::vector<pole*> list;
        root.CollectVisible(false, list);
        return list;
    }
    std::string Fresh() {
        tinyroot fresh(host);
        fresh.SetStart(0);
        fresh.Parse();
        return DescribeTree(fresh);
    }
    settingsguard settings;
    bytehost host;
    tinyroot root;
};

// "TN", version 1, flags with no table, then two chunks of 2 and 1 bytes and a terminator.
const std::string Plain = "TN\x01\x00\x02" "ab\x01z\x00"s;

TEST(FieldTree, EmptyDocumentHoldsOnlyTheUnmatchedFirstField) {
    tinydocument doc("");
    ASSERT_EQ(doc.root.ChildCount(), 1);
    const auto& magic = static_cast<const tinymagic&>(doc.root.Child(0));
    EXPECT_EQ(magic.Start(), 0);
    EXPECT_EQ(magic.Matched(), -1);
    EXPECT_EQ(magic.Description(), "Метка: чужой файл.");

    const std::vector<pole*> visible = doc.Visible();
    ASSERT_EQ(visible.size(), 1u);
    EXPECT_EQ(visible[0], &magic);
    const auto entries = BuildDisplayedEntries(visible, doc.host.DocumentLength());
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].field, &magic);
}

TEST(FieldTree, FlagGroupsAreReadFromTheMostSignificantBitDown) {
    tinydocument doc("TN\x01\xF7"s);
    const auto& flags = static_cast<const flagi&>(static_cast<const cont&>(doc.root.Child(1)).Child(1));
    EXPECT_EQ(flags.GroupValues(), (std::vector<uint32_t>{1, 7, 0, 7}));
    EXPECT_EQ(flags.ItemCount(), 4);
    int32_t lines = -1;
    std::string text;
    flags.GetItem(1, lines, text);
    EXPECT_EQ(lines, 1);
    EXPECT_EQ(text, "группа 1 = 7");
    flags.GetItem(4, lines, text);
    EXPECT_EQ(lines, 0);
    EXPECT_EQ(text, "");
    // M = 1 and N = 7: the hook made a table of eight entries laid end to end after the header.
    const auto& table = static_cast<const cont&>(doc.root.Child(2));
    ASSERT_EQ(table.ChildCount(), 8);
    EXPECT_EQ(table.Start(), 4);
    EXPECT_EQ(table.Child(7).Start(), 18);
    EXPECT_EQ(table.Length(), 16);
}

TEST(FieldTree, CounterOfZeroMakesNoDataAndCounterOf255MakesDataPastTheEnd) {
    tinydocument zero("TN\x01\x00\x00"s);
    const auto& chunks = static_cast<const cont&>(zero.root.LastChild());
    ASSERT_EQ(chunks.ChildCount(), 1);
    EXPECT_EQ(static_cast<const counter&>(chunks.Child(0)).Value(), 0);

    tinydocument full("TN\x01\x00\xFF" "abc"s);
    const auto& fullchunks = static_cast<const cont&>(full.root.LastChild());
    ASSERT_EQ(fullchunks.ChildCount(), 2);
    const pole& data = fullchunks.Child(1);
    EXPECT_EQ(data.Start(), 5);
    EXPECT_EQ(data.Length(), 255);
    // The missing bytes read as zeros.
    EXPECT_EQ(data.ByteAt(5), 'a');
    EXPECT_EQ(data.ByteAt(200), 0);
    EXPECT_EQ(full.root.Length(), 260);
}

TEST(FieldTree, OverwritingRawDataChangesNothing) {
    tinydocument doc(Plain);
    const std::string before = DescribeTree(doc.root);
    doc.host.Bytes()[6] = 'Q';
    EXPECT_EQ(doc.root.Recheck(6, 1), -1);
    EXPECT_EQ(DescribeTree(doc.root), before);
}

TEST(FieldTree, SignatureSwitchingAlternativesReparsesFromItsEnd) {
    tinydocument doc("TN\x01\x00\x01;\x00"s);
    const std::string asTN = DescribeTree(doc.root);

    doc.host.Bytes()[1] = 'M';
    EXPECT_EQ(doc.root.Recheck(1, 1), 2);
    EXPECT_EQ(static_cast<const tinymagic&>(doc.root.Child(0)).Matched(), 1);
    EXPECT_EQ(doc.root.Child(0).Description(), "Метка: формат TM.");
    // "TM" has a mark: it finds ";" where TN read chunk data.
    EXPECT_EQ(DescribeTree(doc.root), doc.Fresh());
    ASSERT_NE(dynamic_cast<const tinymark*>(&doc.root.Child(2)), nullptr);
    EXPECT_EQ(doc.root.Child(2).Start(), 5);

    doc.host.Bytes()[1] = 'N';
    EXPECT_EQ(doc.root.Recheck(1, 1), 2);
    EXPECT_EQ(DescribeTree(doc.root), asTN);
}

TEST(FieldTree, SignatureMatchedAgainLeavesTheStructure) {
    tinydocument doc(Plain);
    doc.host.Bytes()[1] = 'X';
    EXPECT_EQ(doc.root.Recheck(1, 1), 2);
    EXPECT_EQ(doc.root.ChildCount(), 1);
    doc.host.Bytes()[0] = 'Y';
    // No match before, no match now.
    EXPECT_EQ(doc.root.Recheck(0, 1), -1);
}

TEST(FieldTree, CollapsedContainerShowsAsOneFieldOverItsExtent) {
    tinydocument doc(Plain);
    auto& header = static_cast<cont&>(doc.root.Child(1));
    auto& chunks = static_cast<cont&>(doc.root.Child(2));
    EXPECT_FALSE(header.Expanded());
    std::vector<pole*> visible = doc.Visible();
    ASSERT_EQ(visible.size(), 3u);
    EXPECT_EQ(visible[1], &header);
    EXPECT_EQ(header.Start(), 2);
    EXPECT_EQ(header.Length(), 2);

    chunks.SetExpanded(true);
    visible = doc.Visible();
    ASSERT_EQ(visible.size(), 7u);
    for (int32_t i = 0; i < chunks.ChildCount(); ++i) EXPECT_EQ(visible[2 + i], &chunks.Child(i));

    // Forcing opens every container.
    std::vector<pole*> forced;
    doc.root.CollectVisible(true, forced);
    EXPECT_EQ(forced.size(), 8u);
}

TEST(FieldTree, HeightsRoundHalvesToEven) {
    tinydocument doc(Plain);
    Settings().FieldDist = 0.25;
    pole& magic = doc.root.Child(0);  // two bytes: one row
    doc.host.SetLineHeight(10);
    EXPECT_EQ(magic.CalcHeight(), 15);
    doc.host.SetLineHeight(5);  // 7.5
    EXPECT_EQ(magic.CalcHeight(), 8);
    doc.host.SetLineHeight(3);  // 4.5
    EXPECT_EQ(magic.CalcHeight(), 4);
    EXPECT_EQ(magic.Height(), 4);

    // Rows follow the column count; an empty field still has one row.
    doc.host.SetLineHeight(10);
    doc.host.SetColumnCount(1);
    EXPECT_EQ(magic.CalcHeight(), 25);
    danye empty(doc.host, nullptr, 0);
    EXPECT_EQ(empty.CalcHeight(), 15);
    doc.host.SetColumnCount(8);
    EXPECT_EQ(empty.CalcHeight(), 15);

    // Flags take one line per group whatever their length.
    auto& flags = static_cast<cont&>(doc.root.Child(1)).Child(1);
    EXPECT_EQ(flags.CalcHeight(), 45);
}

TEST(FieldTree, SerialsComeFromOneRunningCounter) {
    bytehost host;
    danye first(host, nullptr, 1);
    danye second(host, nullptr, 1);
    tinyroot root(host);  // the root, then its magic
    EXPECT_EQ(second.Serial(), first.Serial() + 1);
    EXPECT_EQ(root.Serial(), second.Serial() + 1);
    EXPECT_EQ(root.Child(0).Serial(), root.Serial() + 1);
}

TEST(FieldTree, ItemsOfAPlainFieldAreTitleAndDescription) {
    tinydocument doc("");
    int32_t lines = -1;
    std::string text;
    doc.root.Child(0).GetItem(0, lines, text);
    EXPECT_EQ(lines, 0);
    EXPECT_EQ(text, "МЕТКА. Метка: чужой файл.");
    doc.root.Child(0).GetItem(-1, lines, text);
    EXPECT_EQ(text, "");
    EXPECT_EQ(doc.root.Child(0).ItemCount(), 1);
}

TEST(FieldTree, TextsMayBeFixedOrOwned) {
    bytehost host;
    danye field(host, nullptr, 1);
    EXPECT_EQ(field.Title(), "");
    std::string made = "ЦВЕТ №" + std::to_string(12);
    field.CopyTitle(made);
    made.clear();
    EXPECT_EQ(field.Title(), "ЦВЕТ №12");
    field.SetTitle(fixedtext("ФИКСИРОВАНО"));
    EXPECT_EQ(field.Title(), "ФИКСИРОВАНО");
    field.CopyDescription("свой");
    field.CopyDescription("другой");
    EXPECT_EQ(field.Description(), "другой");
}

TEST(FieldTree, SeparatorSkipsBytesThatBecomeAGap) {
    tinydocument doc("TM\x01\x00xyz!!\x00tail"s);
    const pole& mark = doc.root.Child(2);
    EXPECT_EQ(mark.Start(), 7);
    EXPECT_EQ(mark.Length(), 2);
    EXPECT_EQ(static_cast<const waiter&>(mark).Found(), 1);

    const auto entries = BuildDisplayedEntries(doc.Visible(), doc.host.DocumentLength());
    ASSERT_EQ(entries.size(), 6u);
    EXPECT_EQ(entries[2].field, nullptr);  // "xyz" between the header and the mark
    EXPECT_EQ(entries[2].start, 4);
    EXPECT_EQ(EntryLength(entries, 2, doc.host.DocumentLength()), 3);
    EXPECT_EQ(entries[5].field, nullptr);  // "tail" after the terminator
    EXPECT_EQ(entries[5].start, 10);
    EXPECT_EQ(EntryLength(entries, 5, doc.host.DocumentLength()), 4);
    std::string text;
    doc.root.GapText(4, text);
    EXPECT_EQ(text, "ЛИШНЕЕ");
    doc.root.GapText(10, text);
    EXPECT_EQ(text, "ХВОСТ");
}

TEST(FieldTree, GapBeforeTheFirstDisplayedField) {
    bytehost host("abcdef");
    danye late(host, nullptr, 2);
    late.MoveTo(3);
    pole* visible[] = {&late};
    const auto entries = BuildDisplayedEntries(visible, host.DocumentLength());
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].field, nullptr);
    EXPECT_EQ(EntryLength(entries, 0, 6), 3);
    EXPECT_EQ(entries[1].field, &late);
    EXPECT_EQ(entries[2].start, 5);
    EXPECT_EQ(EntryLength(entries, 2, 6), 1);
}

TEST(FieldTree, SeparatorNeverFoundSitsAtTheEnd) {
    tinydocument doc("TM\x01\x00xyz"s);
    const auto& mark = static_cast<const waiter&>(doc.root.Child(2));
    EXPECT_EQ(mark.Found(), -1);
    EXPECT_EQ(mark.Start(), 7);
    EXPECT_EQ(mark.Length(), 0);
}

TEST(FieldTree, SeparatorRecheckFollowsTheFirstOccurrence) {
    tinydocument doc("TM\x01\x00xy;z!!\x00"s);
    auto& mark = static_cast<waiter&>(doc.root.Child(2));
    EXPECT_EQ(mark.Start(), 6);
    // The found separator overwritten: the next occurrence is the "!!" further on.
    doc.host.Bytes()[6] = 'q';
    EXPECT_EQ(mark.Recheck(6, 1), 8);
    EXPECT_EQ(mark.Start(), 8);

    tinydocument same("TM\x01\x00xy;z!!\x00"s);
    auto& unchanged = static_cast<waiter&>(same.root.Child(2));
    // Overwriting the separator with itself finds it again where it was and passes it over;
    // the next occurrence differs.
    EXPECT_EQ(unchanged.Recheck(6, 1), 8);

    tinydocument last("TM\x01\x00xy;\x00"s);
    auto& only = static_cast<waiter&>(last.root.Child(2));
    last.host.Bytes()[6] = 'q';
    // Nothing further: the current place is where parsing must start again.
    EXPECT_EQ(only.Recheck(6, 1), 6);
}

TEST(FieldTree, TruncateAndRelayout) {
    tinydocument doc(Plain);
    auto& chunks = static_cast<cont&>(doc.root.Child(2));
    ASSERT_EQ(chunks.ChildCount(), 5);
    chunks.TruncateChildren(7);
    EXPECT_EQ(chunks.ChildCount(), 5);
    chunks.TruncateChildren(3);
    EXPECT_EQ(chunks.ChildCount(), 3);
    // Relaying out from the last counter re-reads it: its data and the terminator come back.
    chunks.RelayoutFrom(2);
    EXPECT_EQ(DescribeTree(doc.root), doc.Fresh());
}

// A container with no format of its own: children laid end to end.
class plaincont final : public cont {
public:
    using cont::cont;
    void RebuildFrom(int32_t) override {}
};

TEST(FieldTree, RelayoutRemovesStalePlacesInsideMovedContainers) {
    bytehost host("abcdef");
    plaincont root(host, nullptr);
    auto& first = root.Append<danye>(2);
    auto& inner = root.Append<plaincont>();
    inner.Append<danye>(1);
    inner.Append<danye>(1);
    root.SetStart(0);
    root.Parse();
    ASSERT_EQ(inner.Child(1).Start(), 3);

    // The first field grows: everything after it moves by one, down to the inner children.
    first.SetLength(3);
    root.RelayoutFrom(0);
    EXPECT_EQ(inner.Start(), 3);
    EXPECT_EQ(inner.Child(0).Start(), 3);
    EXPECT_EQ(inner.Child(1).Start(), 4);
    EXPECT_EQ(root.Length(), 5);
}

// Every edit, followed incrementally, gives the tree a fresh parse of the edited bytes gives.
TEST(FieldTree, IncrementalEditsAgreeWithAFreshParse) {
    const std::vector<std::string> documents = {
        Plain,
        "TN\x01\x81" "aabbcc\x03xyz\x01q\x00tail"s,
        "TM\x01\x00junk;\x02" "ab\x00"s,
        "TM\x01\x80" "aabb!!\x01z\x00"s,
    };
    std::mt19937 random(20261208);
    for (const std::string& original : documents) {
        for (int round = 0; round < 300; ++round) {
            tinydocument doc(original);
            for (int step = 0; step < 6; ++step) {
                auto& bytes = doc.host.Bytes();
                const int32_t length = static_cast<int32_t>(bytes.size());
                const int kind = static_cast<int>(random() % 3);
                const auto value = static_cast<uint8_t>("TNM;!\x00\x01\x02\x80\x81x"[random() % 11]);
                if (kind == 0 && length > 0) {
                    const int32_t at = static_cast<int32_t>(random() % length);
                    bytes[at] = value;
                    doc.root.Recheck(at, 1);
                } else if (kind == 1) {
                    const int32_t at = static_cast<int32_t>(random() % (length + 1));
                    bytes.insert(bytes.begin() + at, value);
                    doc.root.RebuildFrom(at);
                } else if (length > 0) {
                    const int32_t at = static_cast<int32_t>(random() % length);
                    bytes.erase(bytes.begin() + at);
                    doc.root.RebuildFrom(at);
                }
                ASSERT_EQ(DescribeTree(doc.root), doc.Fresh())
                    << "document " << &original - documents.data() << ", round " << round << ", step " << step;
            }
        }
    }
}

}  // namespace
}  // namespace quillmap::testing
