#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quillmap {

// The caret state byte of a byte edit: bits 0-2 the caret's digit index after the change,
// bits 3-5 the index before it, bit 6 set when the caret was in the code area. An index of 8 or
// more is kept as 7.
uint8_t CaretStateByte(bool incodes, int32_t digitbefore, int32_t digitafter);
int32_t DigitAfter(uint8_t caretstate);
int32_t DigitBefore(uint8_t caretstate);
bool InCodes(uint8_t caretstate);

// The payload of a BytesReplaced record: at offset, the old bytes gave way to the new ones.
struct bytesreplaced {
    int32_t offset = 0;
    uint8_t caretstate = 0;
    std::string oldbytes;
    std::string newbytes;
    friend bool operator==(const bytesreplaced&, const bytesreplaced&) = default;
};

// offset (4 bytes, big-endian), caret state, n (4 bytes, big-endian), n old bytes, the new bytes.
std::string EncodeBytesReplaced(const bytesreplaced& edit);
// A count that runs past the payload is cut to what is there, and a negative one reads as none.
bytesreplaced DecodeBytesReplaced(std::string_view payload);

// The edit that takes the document back: old and new bytes exchanged, and the digit indices
// before and after.
bytesreplaced Inverse(const bytesreplaced& edit);

}  // namespace quillmap
