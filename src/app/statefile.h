#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "base/bytefile.h"
#include "base/settings.h"
#include "platform/canvas.h"
#include "platform/geometry.h"

namespace quillmap {

// One appearance of the main window (winposit): the default one, or one pinned to a file.
struct winposit {
    std::string path;  // pinned records only
    int32_t left = 0, top = 0, width = 0, height = 0;
    uint8_t state = 0;  // 0 normal, 1 minimised, 2 maximised
    bool visible = true;
    bool allremoved = false;
    bool ontop = false;
    int32_t viewkind = 4;
    std::vector<bool> actions;  // the check states of the view's checkable actions, in menu order
    std::string skin;           // "skins\" + file name; empty for none
    uint32_t background = 0xFFFFFF;  // stored only without a skin
    uint8_t encoding = 0;  // of the default appearance: the default encoding index
    bool statusbar = true;
    friend bool operator==(const winposit&, const winposit&) = default;
};

struct recentposition {
    int32_t column = 0;
    int32_t line = 0;
    friend bool operator==(const recentposition&, const recentposition&) = default;
};

// Everything data.dat holds besides the settings.
struct statedata {
    winposit defaults;
    platform::fontspec font;
    std::vector<std::string> extensions;
    std::vector<winposit> pinned;
    std::vector<std::string> recent;
    std::vector<recentposition> positions;
    std::vector<std::pair<std::string, std::string>> encodings;  // ".enc" path and name
    friend bool operator==(const statedata&, const statedata&) = default;
};

// Pinned appearances a state file may hold; more mean a damaged file.
inline constexpr int32_t MaxPinned = 100;

// Writes items 1 to 24 of data.dat. The recent names and positions are written as many as
// MaxRecentListLen says, empty ones filling the places not in use.
void WriteState(bytefile& file, const statedata& state, const settingvalues& settings);

// Reads data.dat into state and settings, which start with the defaults. A group the file lacks,
// and a value that is not one the setting accepts, keeps what it had; a count or a length larger
// than the data left is cut to what is there, so a damaged file can neither hang the reading nor
// make it allocate without bound. A pinned count outside 0..100 ends the reading there.
void ReadState(bytefile& file, statedata& state, settingvalues& settings);

// A stored window limited to the screen: no larger than it, no smaller than the smallest restored
// size, and not so far off any edge that it cannot be reached.
platform::rect LimitedWindow(int32_t left, int32_t top, int32_t width, int32_t height, platform::extent screen,
                             platform::extent smallest);

}  // namespace quillmap
