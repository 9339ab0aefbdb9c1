#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace quillmap {

struct rgb {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    friend bool operator==(const rgb&, const rgb&) = default;
};

// How a decode ended. 0 and 5 let the picture finish; the others stop it where they arise.
enum decodestatus : uint8_t {
    dsComplete = 0,
    dsOutOfData = 1,         // a further byte was needed and no data remained
    dsTooManyPixels = 2,     // pixels left over after the last row
    dsEndCode = 3,           // the end code came before the last row was complete
    dsBadCode = 4,           // a code beyond the next free code, or equal to it with no previous string
    dsColourOutOfMap = 5,    // a literal code at or above the colour count; decoding goes on
    // The code width would pass 12 bits. DecodeLzw no longer returns it: a full table keeps
    // 12-bit codes and takes no entries until a clear code (a deferred clear). Kept for callers
    // that name it.
    dsCodeSizeOverflow = 6,
    dsBadCodeSize = 7,       // the code size byte gives fewer than 2 or more than 12 bits
};

// Everything the decoder needs from an image block, already resolved by the caller.
struct lzwinput {
    uint8_t codesizebyte = 0;  // the LZW minimum code size as stored; codes start at byte + 1 bits
    int32_t width = 0;
    int32_t height = 0;
    bool interlaced = false;
    int32_t colourcount = 0;  // literal codes below this have a colour
    // Colours of the literal codes below colourcount, with transparency and missing colours applied.
    std::array<rgb, 256> colours{};
    std::span<const uint8_t> data;  // the data sub-blocks' bytes, end to end
};

struct lzwresult {
    uint8_t status = dsComplete;
    // Decoded pixels in decoding order: decoded row k (of width pixels) is picture row
    // PictureRow(k, height, interlaced); the last decoded row may be partial.
    std::vector<rgb> pixels;
};

// A width or height of 0 (or below) means a picture with no pixels: it is complete before the
// first code, so nothing is read and the status is 0 (7 still comes first for a bad code size).
// The pixel vector grows with what is decoded, never to width x height up front; like any vector
// it throws std::bad_alloc (or std::length_error) when memory runs out.
lzwresult DecodeLzw(const lzwinput& input);

// The picture row that the k-th decoded row fills: rows in order, or for an interlaced picture
// 0, 8, 16, ... then 4, 12, ... then 2, 6, ... then 1, 3, ... Outside 0 <= k < height: -1.
int32_t PictureRow(int32_t k, int32_t height, bool interlaced);

}  // namespace quillmap
