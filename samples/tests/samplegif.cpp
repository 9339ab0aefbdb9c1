#include "samplegif.h"

#include <initializer_list>

namespace samples::testing {

namespace {

void Append(samplegif& gif, std::vector<gifpart>& parts, gif_block_kind kind, std::initializer_list<int> bytes) {
    parts.push_back({static_cast<uint32_t>(gif.bytes.size()), static_cast<uint32_t>(bytes.size()), kind});
    for (int byte : bytes) gif.bytes.push_back(static_cast<uint8_t>(byte));
}

qm_serial serials = 0;

field Leaf(uint32_t start, uint32_t length) { return {++serials, start, length, {}}; }

// A block as the program's grammar makes it: its separator, then the rest, as children.
field Block(const gifpart& part) {
    field block{++serials, part.start, part.length, {Leaf(part.start, 1)}};
    if (part.length > 1) block.children.push_back(Leaf(part.start + 1, part.length - 1));
    return block;
}

field Container(uint32_t start, uint32_t length, std::vector<field> children) {
    return {++serials, start, length, std::move(children)};
}

}  // namespace

samplegif MakeSampleGif() {
    samplegif gif;
    Append(gif, gif.header, GIF_HEADER, {'G', 'I', 'F'});
    Append(gif, gif.header, GIF_SCREEN, {'8', '9', 'a', 2, 0, 2, 0, 0x80, 0, 0});
    Append(gif, gif.header, GIF_GLOBAL_MAP, {0x21, 0xFE, 0x01, 0x2C, 0x3B, 0x00});
    Append(gif, gif.blocks, GIF_GRAPHIC_CONTROL, {0x21, 0xF9, 4, 0, 10, 0, 0, 0});
    Append(gif, gif.blocks, GIF_COMMENT, {0x21, 0xFE, 3, 'a', 'b', 'c', 2, 'x', 'y', 0});
    Append(gif, gif.blocks, GIF_APPLICATION,
           {0x21, 0xFF, 11, 'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0', 3, 1, 0, 0, 0});
    Append(gif, gif.blocks, GIF_IMAGE, {0x2C, 0, 0, 0, 0, 2, 0, 2, 0, 0x00, 2, 2, 0x4C, 0x01, 0});
    // A local map of two colours; a comment whose text begins with the other blocks' bytes.
    Append(gif, gif.blocks, GIF_IMAGE,
           {0x2C, 0, 0, 0, 0, 2, 0, 2, 0, 0x80, 1, 2, 3, 4, 5, 6, 2, 2, 0x4C, 0x01, 0});
    Append(gif, gif.blocks, GIF_COMMENT, {0x21, 0xFE, 4, 0x2C, 0x21, 0x3B, 0xFE, 0});
    Append(gif, gif.blocks, GIF_PLAIN_TEXT,
           {0x21, 0x01, 12, 0, 0, 0, 0, 8, 0, 8, 0, 8, 8, 1, 0, 2, 'h', 'i', 0});
    Append(gif, gif.blocks, GIF_EXTENSION, {0x21, 0xAB, 1, 'z', 0});
    Append(gif, gif.blocks, GIF_TRAILER, {0x3B});
    gif.junk = 2;
    gif.bytes.push_back('J');
    gif.bytes.push_back('K');
    return gif;
}

field MakeTree(const samplegif& gif, treeshape shape) {
    const auto size = static_cast<uint32_t>(gif.bytes.size());
    std::vector<field> header;
    for (const gifpart& part : gif.header) header.push_back(Leaf(part.start, part.length));
    std::vector<field> blocks;
    for (const gifpart& part : gif.blocks)
        blocks.push_back(shape == treeshape::flat ? Leaf(part.start, part.length) : Block(part));
    const uint32_t blocksstart = gif.blocks.front().start;
    const uint32_t blocksend = size - gif.junk;

    std::vector<field> top;
    if (shape == treeshape::nested) {
        top.push_back(Container(0, blocksstart, std::move(header)));
        top.push_back(Container(blocksstart, blocksend - blocksstart, std::move(blocks)));
        return Container(0, size, std::move(top));
    }
    top = std::move(header);
    if (shape == treeshape::program) {
        // The screen descriptor and the map hold their values as children.
        top[1].children = {Leaf(3, 3), Leaf(6, 2), Leaf(8, 2), Leaf(10, 1), Leaf(11, 1), Leaf(12, 1)};
        top[2].children = {Leaf(13, 3), Leaf(16, 3)};
    }
    for (field& block : blocks) top.push_back(std::move(block));
    if (shape == treeshape::flat) top.push_back(Leaf(blocksend, gif.junk));
    return Container(0, size, std::move(top));
}

}  // namespace samples::testing
