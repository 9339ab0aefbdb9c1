#pragma once

// A test-only walk over a GIF's blocks, for what giflib keeps to itself: each image's code size
// byte and raw LZW bytes. It follows the block layout of GIF87a/89a and nothing else; it never
// decodes pixels. Safe on any bytes: every read is checked against the end, and a truncated or
// unknown block ends the walk with what was found so far.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "gif/lzwdecoder.h"

namespace quillmap::testing {

struct gifimageblock {
    size_t offset = 0;  // of the image separator 0x2C
    uint16_t left = 0;
    uint16_t top = 0;
    uint16_t width = 0;
    uint16_t height = 0;
    uint8_t flags = 0;  // the packed byte: local map flag, interlace, sort, map size
    bool interlaced() const { return (flags & 0x40) != 0; }
    bool haslocalmap() const { return (flags & 0x80) != 0; }
    std::vector<rgb> localmap;  // as many colours as the file holds, up to the flag's size
    uint8_t codesizebyte = 0;
    std::vector<uint8_t> data;  // the data sub-blocks' bytes, end to end
    bool terminated = false;    // the data ended with a zero-size sub-block, not with the file
    // From a graphic control extension with the transparency flag that came after the previous
    // image and was not taken by a plain text extension; -1 if none.
    int32_t transparent = -1;
};

struct gifwalkresult {
    bool header = false;  // "GIF87a" or "GIF89a" and a whole logical screen descriptor
    uint16_t screenwidth = 0;
    uint16_t screenheight = 0;
    uint8_t screenflags = 0;
    bool hasglobalmap() const { return (screenflags & 0x80) != 0; }
    std::vector<rgb> globalmap;
    std::vector<gifimageblock> images;
    bool trailer = false;  // the walk ended at 0x3B
    std::string stop;      // why the walk ended, when not at the trailer
};

gifwalkresult WalkGif(std::span<const uint8_t> bytes);

}  // namespace quillmap::testing
