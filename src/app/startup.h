#pragma once

#include "platform/application.h"

namespace quillmap {

// Start-up in its fixed order, then the message loop; returns the exit code.
int RunProgram(platform::application& app);

}  // namespace quillmap
