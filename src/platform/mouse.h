#pragma once

#include <cstdint>

namespace quillmap::platform {

enum class mousebutton : uint8_t { left, right, middle };

// The shapes the program shows over its windows.
enum class cursorshape : uint8_t { arrow, ibeam, handpoint };

}  // namespace quillmap::platform
