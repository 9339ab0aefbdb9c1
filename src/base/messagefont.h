#pragma once

#include "platform/canvas.h"

namespace quillmap {

// The message font as the settings of the dialog windows describe it: the message window and
// the view's small windows are written in it.
platform::fontspec MessageFont();

}  // namespace quillmap
