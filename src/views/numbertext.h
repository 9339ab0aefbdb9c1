#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/pole.h"

namespace quillmap {

// The decimal value texts of numbers and bit groups.

// Most characters a value text may hold: the digits of 2^(8 n) - 1 for a number of n bytes
// (1 to 8), of 2^w - 1 for a bit group w bits wide (1 to 8); 0 for any other size.
int32_t MaxNumberLength(int32_t bytes);
int32_t MaxGroupLength(int32_t bits);

// A number field's value, little-endian from its bytes as far as they lie in the document,
// in decimal; empty when the field starts at or past the end of the document.
std::string NumberText(const pole& field);

// The value of a text of decimal digits below 2^bits (bits of 64 or more: any value that fits in
// 64 bits); none for anything else, an empty text included.
std::optional<uint64_t> ReadDecimal(std::string_view text, int32_t bits);

// The value's low bytes, least significant first.
std::string LittleEndian(uint64_t value, int32_t bytes);

}  // namespace quillmap
