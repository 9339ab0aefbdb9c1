#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/messagefont.h"
#include "platform/canvas.h"

namespace quillmap {

// Where everything of a message window goes, in client coordinates.
struct messagelayout {
    platform::rect textrect;
    std::vector<platform::rect> buttons;  // in the order of their captions
    platform::extent client;
};

// Lays a message window out for a screen of the given size: the buttons in rows under the text,
// each row spread across the window, and the text in a box of pleasant proportions. Measures in
// MessageFont(), which it selects into the surface.
messagelayout LayOutMessageWindow(platform::canvas& surface, platform::extent screen, std::string_view text,
                                  std::span<const std::string> captions);

// The top left corner of a window of the given outer size centred on `reference`, kept on the screen.
platform::point PlaceMessageWindow(platform::point reference, platform::extent window, platform::extent screen);

}  // namespace quillmap
