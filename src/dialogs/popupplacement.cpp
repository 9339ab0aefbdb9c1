#include "dialogs/popupplacement.h"

#include <algorithm>

namespace quillmap {

namespace {

// One axis: the start of a span of length centred on at, within [low, high).
int32_t PlaceSpan(int32_t at, int32_t length, int32_t low, int32_t high) {
    int64_t start = int64_t(at) - length / 2;
    if (start + length > high) start = int64_t(high) - length;
    return static_cast<int32_t>(std::max<int64_t>(start, low));
}

}  // namespace

platform::rect PlacePopup(platform::point mouse, platform::extent size, const platform::rect& workarea) {
    const int32_t width = std::clamp(size.width, 0, std::max(0, workarea.Width()));
    const int32_t height = std::clamp(size.height, 0, std::max(0, workarea.Height()));
    const int32_t left = PlaceSpan(mouse.x, width, workarea.left, workarea.right);
    const int32_t top = PlaceSpan(mouse.y, height, workarea.top, workarea.bottom);
    return {left, top, left + width, top + height};
}

}  // namespace quillmap
