#pragma once

#include <string>

namespace quillmap::testing {

// Plain literals are compiled to CP1251; u8 literals stay UTF-8 for comparing converted text.
inline std::string Utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

}  // namespace quillmap::testing
