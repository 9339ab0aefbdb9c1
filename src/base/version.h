#pragma once

#include <string_view>

namespace quillmap {

// The program's version, kept here alone: the about box shows it, and the release script reads
// it from this line.
inline constexpr std::string_view ProgramVersion = "2.4";

}  // namespace quillmap
