#pragma once

#include <functional>

namespace quillmap::win32 {

// Runs code that is not the program's own (a plug-in, a skin): a processor fault inside it (a bad
// address, an illegal instruction, a division by zero, an overflowed stack) abandons the call
// and false comes back, instead of the program ending. What the abandoned frames held is not
// cleaned up; the program goes on from the call.
bool RunGuarded(const std::function<void()>& call);

}  // namespace quillmap::win32
