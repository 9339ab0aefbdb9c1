#pragma once

#include "platform/application.h"
#include "platform/system.h"

namespace quillmap {

// The screen point the next message window is centred on; set before it is shown.
platform::point& ReferencePoint();

// The centre of the main window.
void AnchorAtMainWindow(const platform::window& mainwindow);
void AnchorAtMouse(platform::system& system);

}  // namespace quillmap
