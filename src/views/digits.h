#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quillmap {

// How codes, coordinates and column numbers are written: digits "0" to "9" then "A" to "Z".
// Everything that shows, edits or copies codes as text goes through these, so that the pixels,
// the caret's digit index and the clipboard always agree. Bases outside 2..36 are taken as the
// nearest of the two ends rather than looping forever or indexing past "Z".

// Number of digits of value in base, at least 1 (0 has one digit).
int32_t DigitCount(uint32_t value, int32_t base);

// value in base, left-padded with "0" to width; a width of 0 (or less, or no more than the
// digits themselves) pads nothing.
std::string DigitString(uint32_t value, int32_t base, int32_t width);

// One code as the structure view shows it: base TextBaseSyst, padded to the digits of 255 in
// that base when FirstZeroes.
std::string CodeText(uint8_t code);

// The value of a digit character, either case: 0 to 35, or -1 for a character that is no digit.
int32_t DigitValue(char character);
// A digit string read back in base, most significant first; -1 when a character is no digit of
// the base. Long strings stop growing past 2^32, so the caller's range check still refuses them.
int64_t ReadDigits(std::string_view digits, int32_t base);

}  // namespace quillmap
