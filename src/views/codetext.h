#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace quillmap {

// Codes as text, the way the clipboard carries them: each code as the view shows it (CodeText),
// followed by a space, or by a lone carriage return after every columns-th code, the last one
// included.
std::string CodesAsText(std::span<const uint8_t> bytes, int32_t columns);

// Text read back as codes in base: tab, line feed, carriage return and space separate them, and
// a run of digits longer than the digits of 255 is cut into codes of that many. Empty when a
// character is no digit of the base or a code is above 255, so that nothing half-read is used.
std::string CodesToBytes(std::string_view text, int32_t base);

}  // namespace quillmap
