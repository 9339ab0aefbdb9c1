#include "dialogs/switcherlayout.h"

#include <algorithm>

#include "base/filenames.h"

namespace quillmap {

namespace {

std::string ShownName(const std::string& path) {
    const std::string name = FileNameOf(path);
    return name.empty() ? SwitcherUntitled : name;
}

}  // namespace

switcherlayout LayOutSwitcher(const std::vector<std::string>& recent, const std::string& current,
                              platform::canvas& measuring, const switcherplace& place) {
    switcherlayout layout;
    size_t listed = 0;
    if (!recent.empty() && !recent.front().empty()) {
        listed = recent.size();
        while (listed > 0 && recent[listed - 1].empty()) --listed;
    }
    for (size_t i = 0; i < listed; ++i) layout.rows.push_back(ShownName(recent[i]));
    layout.currentinlist = std::find(recent.begin(), recent.begin() + static_cast<std::ptrdiff_t>(listed),
                                     current) != recent.begin() + static_cast<std::ptrdiff_t>(listed);
    if (!layout.currentinlist) layout.rows.push_back(ShownName(current));

    layout.rowheight = measuring.TextExtent("1").height + 3;
    const int32_t workheight = place.workarea.Height();
    int32_t height = layout.rowheight * static_cast<int32_t>(layout.rows.size()) + 1;
    if (height > workheight) {
        layout.rows.resize(static_cast<size_t>(std::max(0, (workheight - 1) / layout.rowheight)));
        height = layout.rowheight * static_cast<int32_t>(layout.rows.size()) + 1;
    }

    int32_t width = measuring.TextExtent(ShownName(current)).width + 20;
    for (const std::string& row : layout.rows) width = std::max(width, measuring.TextExtent(row).width + 20);
    width = std::min(width, place.workarea.Width());

    const platform::rect& main = place.mainwindow;
    int32_t left = main.left + (main.Width() - width) / 2;
    int32_t top = main.top + (main.Height() - height) / 2;
    left = std::max(0, std::min(left, place.screen.width - width));
    if (top + height > place.screen.height) top = place.mouse.y - height - 1;
    top = std::max(top, 0);
    layout.bounds = {left, top, left + width, top + height};
    return layout;
}

}  // namespace quillmap
