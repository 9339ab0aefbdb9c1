#pragma once

#include <string>
#include <vector>

#include "platform/application.h"
#include "platform/system.h"

namespace quillmap {

// Start-up in its fixed order, then the message loop; returns the exit code. The first argument,
// when there is one, names the file to open.
int RunProgram(platform::application& app, platform::system& system, const std::vector<std::string>& arguments);

}  // namespace quillmap
