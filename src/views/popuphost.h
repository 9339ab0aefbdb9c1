#pragma once

#include <cstdint>
#include <string_view>

#include "platform/pixelsurface.h"

namespace quillmap {

// The popup windows as the structure view reaches them: the main window provides them, so the
// view knows nothing of windows. At most one popup is open at a time.
class popuphost {
public:
    virtual bool PopupOpen() const = 0;
    // Nothing happens while a popup is open.
    virtual void ShowTextPopup(std::string_view text) = 0;
    // The surface to write a width x height picture into, shown once the caller returns to the
    // message loop; null while a popup is open, and null after a beep when the picture is too
    // large to show.
    virtual platform::pixelsurface* ShowImagePopup(int32_t width, int32_t height) = 0;
    virtual void CloseCurrentPopup() = 0;

protected:
    ~popuphost() = default;
};

}  // namespace quillmap
