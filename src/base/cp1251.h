#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace quillmap {

// The program's texts are Windows-1251 bytes; terminals and test reports want UTF-8.
std::string Cp1251ToUtf8(std::string_view text);

// Each byte upper-cased as the system's ANSI upper-casing does in this code page: the Latin and
// Cyrillic letters; every other byte stays as it is.
const std::array<uint8_t, 256>& Cp1251UpperCase();

}  // namespace quillmap
