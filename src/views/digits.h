#pragma once

#include <cstdint>
#include <string>

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

}  // namespace quillmap
