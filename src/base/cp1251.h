#pragma once

#include <string>
#include <string_view>

namespace quillmap {

// The program's texts are Windows-1251 bytes; terminals and test reports want UTF-8.
std::string Cp1251ToUtf8(std::string_view text);

}  // namespace quillmap
