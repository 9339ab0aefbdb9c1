#pragma once

// A small GIF file with every kind of block, two comments among them, a global map whose bytes
// look like a comment's start, and two stray bytes after the trailer; and field trees over it
// in the shapes a program could give them.
#include <cstdint>
#include <vector>

#include "fieldwalk.h"
#include "gifblocks.h"

namespace samples::testing {

struct gifpart {
    uint32_t start;
    uint32_t length;
    gif_block_kind kind;
};

struct samplegif {
    std::vector<uint8_t> bytes;
    std::vector<gifpart> header;  // signature, screen descriptor, global map
    std::vector<gifpart> blocks;  // from the first block to the trailer
    uint32_t junk = 0;            // the bytes after the trailer
};

samplegif MakeSampleGif();

enum class treeshape {
    program,  // the header's parts and each block at the top, blocks as containers
    nested,   // one container for the header, one holding all the blocks
    flat,     // every part and block a leaf at the top, the stray bytes a field too
};

field MakeTree(const samplegif& gif, treeshape shape);

}  // namespace samples::testing
