#pragma once

#include "platform/canvas.h"

namespace quillmap {

// The font of the dialogs' buttons, labels, check boxes and edit boxes: the one the forms were
// designed in, so their fixed layouts fit it.
inline const platform::fontspec DialogFont{"MS Sans Serif", -11, platform::DefaultCharset, 0, platform::clBlack};

}  // namespace quillmap
