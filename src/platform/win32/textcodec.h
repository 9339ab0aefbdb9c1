#pragma once

#include <string>
#include <string_view>

namespace quillmap::win32 {

// The program keeps its texts in CP1251; the wide Windows API wants UTF-16.
std::wstring WideFromCp1251(std::string_view text);
// Characters with no CP1251 form become '?', never a character that only looks like them.
std::string Cp1251FromWide(std::wstring_view text);

}  // namespace quillmap::win32
