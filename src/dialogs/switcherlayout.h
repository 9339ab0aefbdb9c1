#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/canvas.h"
#include "platform/geometry.h"

namespace quillmap {

// What the recent-files switcher shows for a name that has none.
inline constexpr char SwitcherUntitled[] = "Безымянный.txt";

// Where the switcher goes and what limits it, all in screen pixels.
struct switcherplace {
    platform::rect mainwindow;
    platform::rect workarea;
    platform::extent screen;
    platform::point mouse;
};

// The switcher's rows and its window, laid out for one showing.
struct switcherlayout {
    // The file names shown, one per row; only as many as the work area holds.
    std::vector<std::string> rows;
    // False when the last row is an extra one standing for the current document, which the
    // recent list does not hold.
    bool currentinlist = true;
    int32_t rowheight = 0;
    platform::rect bounds;
};

// Lays the switcher out in the font the canvas holds: the recent files (full paths, most recent
// first, unused places empty at the end), then the current document unless listed, in a window
// as wide as the widest name and 20 pixels, centred on the main window.
switcherlayout LayOutSwitcher(const std::vector<std::string>& recent, const std::string& current,
                              platform::canvas& measuring, const switcherplace& place);

}  // namespace quillmap
