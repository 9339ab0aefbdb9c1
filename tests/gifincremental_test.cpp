#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "gif/gifcont.h"
#include "gif/gifdocument.h"
#include "support/corpus.h"
#include "support/treetext.h"

namespace quillmap::testing {
namespace {

// Positions spread across a file: every byte of the head, where most structure is, then evenly.
// Large files get fewer, since every edit is checked against a fresh parse of the whole file.
std::vector<int32_t> SpreadOfPositions(int32_t length) {
    const bool large = length > 64 * 1024;
    std::set<int32_t> positions;
    for (int32_t p = 0; p < std::min(length, large ? 24 : 48); ++p) positions.insert(p);
    const int32_t spread = large ? 12 : 24;
    for (int32_t k = 0; k < spread && length > 0; ++k) positions.insert(static_cast<int32_t>(int64_t(length) * k / spread));
    if (length > 0) positions.insert(length - 1);
    return {positions.begin(), positions.end()};
}

// Empty when the tree of the edited document equals a fresh parse of its bytes, else the first difference.
std::string DifferenceFromFresh(const gifdocument& edited) {
    const gifdocument fresh(edited.Bytes());
    if (TreeFingerprint(edited.Root()) == TreeFingerprint(fresh.Root())) return {};
    return FirstDifference(DescribeTree(edited.Root()), DescribeTree(fresh.Root()));
}

// Each edit, followed incrementally, must give the tree a fresh parse of the edited bytes gives.
TEST(GifIncremental, EditsAgreeWithAFreshParseOnTheCorpus) {
    const auto files = CorpusFiles();
    ASSERT_FALSE(files.empty());
    for (const auto& path : files) {
        const std::vector<uint8_t> original = ReadFile(path);
        const int32_t length = static_cast<int32_t>(original.size());
        for (const int32_t position : SpreadOfPositions(length)) {
            const uint8_t byte = original[static_cast<size_t>(position)];
            for (const uint8_t value : {uint8_t(byte + 1), uint8_t(','), uint8_t('!'), uint8_t(0)}) {
                if (value == byte) continue;
                gifdocument document(original);
                document.Overwrite(position, value);
                ASSERT_EQ(DifferenceFromFresh(document), "")
                    << path.filename() << ": overwrite at " << position << " with " << int(value);
            }
            for (const uint8_t value : {uint8_t(','), uint8_t(0), uint8_t(byte)}) {
                gifdocument document(original);
                document.Insert(position, value);
                ASSERT_EQ(DifferenceFromFresh(document), "")
                    << path.filename() << ": insert at " << position << " of " << int(value);
            }
            gifdocument document(original);
            document.Erase(position);
            ASSERT_EQ(DifferenceFromFresh(document), "")
                << path.filename() << ": delete at " << position;
        }
        for (const uint8_t value : {uint8_t(','), uint8_t(';'), uint8_t(0)}) {
            gifdocument document(original);
            document.Insert(length, value);
            ASSERT_EQ(DifferenceFromFresh(document), "") << path.filename() << ": append " << int(value);
        }
    }
}

}  // namespace
}  // namespace quillmap::testing
