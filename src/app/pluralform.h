#pragma once

#include <cstdint>

namespace quillmap {

// Which ending a Russian noun takes after a count: 1, 21, 101 строка (one); 2 to 4, 22 to 24
// строки (few); 0, 5 to 20, 25 строк (many). 11 to 14 are many whatever their last digit.
enum class pluralform : uint8_t { one, few, many };

pluralform PluralForm(int64_t count);

}  // namespace quillmap
