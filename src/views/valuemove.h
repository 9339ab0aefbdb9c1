#pragma once

#include <cstdint>

namespace quillmap {

// The caret keys as a value text receives them.
enum class valuemove : uint8_t { left, right, up, down, linestart, lineend, pageup, pagedown };

}  // namespace quillmap
