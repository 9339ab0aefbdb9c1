#include "dialogs/referencepoint.h"

namespace quillmap {

platform::point& ReferencePoint() {
    static platform::point reference;
    return reference;
}

void AnchorAtMainWindow(const platform::window& mainwindow) {
    const platform::rect bounds = mainwindow.Bounds();
    ReferencePoint() = {bounds.left + bounds.Width() / 2, bounds.top + bounds.Height() / 2};
}

void AnchorAtMouse(platform::system& system) { ReferencePoint() = system.CursorPos(); }

}  // namespace quillmap
