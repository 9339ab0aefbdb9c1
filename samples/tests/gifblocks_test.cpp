// The block walk and the comment remover over field trees of every shape, walked the way the
// program walks them.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "commentplan.h"
#include "fieldwalk.h"
#include "gifblocks.h"
#include "samplegif.h"

namespace samples::testing {
namespace {

struct seenpiece {
    uint32_t offset;
    qm_cell count;
    gif_block_kind kind;
    bool operator==(const seenpiece& other) const {
        return std::tie(offset, count, kind) == std::tie(other.offset, other.count, other.kind);
    }
};

void PrintTo(const seenpiece& piece, std::ostream* out) {
    *out << "{" << piece.offset << ", " << piece.count << ", " << piece.kind << "}";
}

void Collect(void* context, qm_serial, uint32_t offset, qm_cell count, gif_block_kind kind) {
    if (kind != GIF_CONTAINER) static_cast<std::vector<seenpiece>*>(context)->push_back({offset, count, kind});
}

std::vector<seenpiece> Walk(fieldwalk& walk) {
    std::vector<seenpiece> seen;
    gif_block_walk state;
    gif_block_walk_init(&state, Collect, &seen);
    walk.Read([&](qm_serial serial, qm_cell* count, const uint8_t** bytes, qm_cell* descend) {
        *descend = gif_block_walk_step(&state, serial, *count, *bytes);
    });
    return seen;
}

std::vector<seenpiece> Expected(const samplegif& gif, treeshape shape) {
    std::vector<seenpiece> expected;
    if (shape == treeshape::nested)
        expected.push_back({0, static_cast<qm_cell>(gif.blocks.front().start), GIF_HEADER});
    else
        for (const gifpart& part : gif.header) expected.push_back({part.start, static_cast<qm_cell>(part.length), part.kind});
    for (const gifpart& part : gif.blocks) expected.push_back({part.start, static_cast<qm_cell>(part.length), part.kind});
    const uint32_t junk = static_cast<uint32_t>(gif.bytes.size()) - gif.junk;
    expected.push_back({junk, static_cast<qm_cell>(gif.junk), shape == treeshape::flat ? GIF_UNKNOWN : GIF_GAP});
    return expected;
}

std::string ShapeName(const ::testing::TestParamInfo<treeshape>& info) {
    switch (info.param) {
    case treeshape::program: return "program";
    case treeshape::nested: return "nested";
    case treeshape::flat: return "flat";
    }
    return "?";
}

class BlockWalkShapes : public ::testing::TestWithParam<treeshape> {};

TEST_P(BlockWalkShapes, FindsEveryBlockWhereverTheTreePutsIt) {
    const samplegif gif = MakeSampleGif();
    fieldwalk walk(gif.bytes, MakeTree(gif, GetParam()));
    EXPECT_EQ(Walk(walk), Expected(gif, GetParam()));
}

TEST_P(BlockWalkShapes, CommentRemoverDropsBothCommentsAndDescendsIntoContainersOnly) {
    const samplegif gif = MakeSampleGif();
    fieldwalk walk(gif.bytes, MakeTree(gif, GetParam()));
    static comment_plan plan;  // large: not on the stack
    comment_plan_init(&plan);
    walk.Read([&](qm_serial serial, qm_cell* count, const uint8_t** bytes, qm_cell* descend) {
        *descend = comment_plan_read(&plan, serial, *count, *bytes);
    });
    EXPECT_EQ(plan.comments, 2u);
    const int readdescents = walk.leafdescents();

    const std::vector<uint8_t> rewritten = walk.Rewrite([&](qm_serial serial, qm_cell* count, const uint8_t**, qm_cell* descend) {
        *descend = comment_plan_rewrite(&plan, serial, count);
    });
    std::vector<uint8_t> expected;
    for (size_t i = 0; i < gif.bytes.size(); ++i) {
        bool incomment = false;
        for (const gifpart& part : gif.blocks)
            incomment |= part.kind == GIF_COMMENT && i >= part.start && i < part.start + part.length;
        if (!incomment) expected.push_back(gif.bytes[i]);
    }
    EXPECT_EQ(rewritten, expected);
    EXPECT_EQ(walk.leafdescents(), readdescents) << "the rewriting walk descended into a leaf";
}

INSTANTIATE_TEST_SUITE_P(TreeShapes, BlockWalkShapes,
                         ::testing::Values(treeshape::program, treeshape::nested, treeshape::flat), ShapeName);

TEST(BlockWalk, FileThatIsNoGifIsUnknownData) {
    const std::vector<uint8_t> bytes = {'h', 'e', 'l', 'l', 'o'};
    fieldwalk walk(bytes, field{1, 0, 5, {field{2, 0, 5, {}}}});
    EXPECT_EQ(Walk(walk), (std::vector<seenpiece>{{0, 5, GIF_UNKNOWN}}));
}

TEST(BlockWalk, HeaderCutShortBeforeTheFlagsIsHeader) {
    const std::vector<uint8_t> bytes = {'G', 'I', 'F', '8', '9'};
    fieldwalk walk(bytes, field{1, 0, 5, {field{2, 0, 3, {}}, field{3, 3, 2, {}}}});
    EXPECT_EQ(Walk(walk), (std::vector<seenpiece>{{0, 3, GIF_HEADER}, {3, 2, GIF_SCREEN}}));
}

TEST(BlockLength, ReadsTheBlocksOwnSubBlocks) {
    const uint32_t past = 0xFFFFFFFFu;
    const struct {
        std::vector<uint8_t> bytes;
        uint32_t length;
    } cases[] = {
        {{0x3B, 1, 2}, 1},
        {{0x21, 0xFE, 2, 'a', 'b', 0, 0x3B}, 6},
        {{0x21, 0xFE, 2, 'a', 'b'}, past},  // the terminator is missing
        {{0x21, 0xFE}, past},
        {{0x2C, 0, 0, 0, 0, 1, 0, 1, 0, 0x80, 1, 2, 3, 4, 5, 6, 2, 1, 7, 0, 0x3B}, 20},
        {{0x2C, 0, 0, 0, 0, 1, 0, 1, 0}, past},  // no flags byte
        {{0x2C, 0, 0, 0, 0, 1, 0, 1, 0, 0x81, 1, 2, 3}, past},  // cut inside the local map
        {{'x', 0, 0}, past},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(gif_block_length(c.bytes.data(), static_cast<uint32_t>(c.bytes.size())), c.length)
            << "block of " << c.bytes.size() << " bytes starting " << int(c.bytes[0]);
    }
}

TEST(BlockKindNames, EveryKindHasItsOwnName) {
    std::vector<std::string> names;
    for (int kind = GIF_HEADER; kind <= GIF_CONTAINER; ++kind) {
        const std::string name = gif_block_kind_name(static_cast<gif_block_kind>(kind));
        EXPECT_NE(name, "?");
        for (const std::string& other : names) EXPECT_NE(name, other);
        names.push_back(name);
    }
}

}  // namespace
}  // namespace samples::testing
