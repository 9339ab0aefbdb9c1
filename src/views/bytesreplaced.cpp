#include "views/bytesreplaced.h"

#include <algorithm>

#include "views/edithistory.h"

namespace quillmap {

namespace {

constexpr int32_t LargestDigit = 7;
constexpr uint8_t CodeAreaBit = 0x40;

int32_t Kept(int32_t digit) { return std::clamp(digit, 0, LargestDigit); }

}  // namespace

uint8_t CaretStateByte(bool incodes, int32_t digitbefore, int32_t digitafter) {
    return static_cast<uint8_t>(((incodes ? 8 : 0) + Kept(digitbefore)) * 8 + Kept(digitafter));
}

int32_t DigitAfter(uint8_t caretstate) { return caretstate & 7; }
int32_t DigitBefore(uint8_t caretstate) { return (caretstate >> 3) & 7; }
bool InCodes(uint8_t caretstate) { return (caretstate & CodeAreaBit) != 0; }

std::string EncodeBytesReplaced(const bytesreplaced& edit) {
    std::string payload;
    payload.reserve(9 + edit.oldbytes.size() + edit.newbytes.size());
    AppendInt32BE(payload, edit.offset);
    payload += static_cast<char>(edit.caretstate);
    AppendInt32BE(payload, static_cast<int32_t>(edit.oldbytes.size()));
    payload += edit.oldbytes;
    payload += edit.newbytes;
    return payload;
}

bytesreplaced DecodeBytesReplaced(std::string_view payload) {
    bytesreplaced edit;
    edit.offset = ReadInt32BE(payload, 0);
    edit.caretstate = payload.size() > 4 ? static_cast<uint8_t>(payload[4]) : 0;
    const std::string_view rest = payload.size() > 9 ? payload.substr(9) : std::string_view();
    const size_t count = std::min(static_cast<size_t>(std::max(ReadInt32BE(payload, 5), 0)), rest.size());
    edit.oldbytes = rest.substr(0, count);
    edit.newbytes = rest.substr(count);
    return edit;
}

bytesreplaced Inverse(const bytesreplaced& edit) {
    bytesreplaced inverse;
    inverse.offset = edit.offset;
    inverse.caretstate = CaretStateByte(InCodes(edit.caretstate), DigitAfter(edit.caretstate), DigitBefore(edit.caretstate));
    inverse.oldbytes = edit.newbytes;
    inverse.newbytes = edit.oldbytes;
    return inverse;
}

}  // namespace quillmap
