#include "platform/headless/headlesscontrols.h"

#include <algorithm>

namespace quillmap::platform {

void headlessscrollbar::SetRange(int32_t maximum, int32_t page) {
    maximum_ = std::max(0, maximum);
    page_ = std::clamp(page, 0, maximum_);
    SetPosition(position_);
}

// Like the system's bars, the position never passes the last page.
void headlessscrollbar::SetPosition(int32_t position) {
    position_ = std::clamp(position, 0, std::max(0, maximum_ - std::max(page_, 1) + 1));
}

void headlessscrollbar::SetSteps(int32_t smallchange, int32_t largechange) {
    smallchange_ = smallchange;
    largechange_ = largechange;
}

void headlessstatusbar::SetPanels(const std::vector<int32_t>& widths, int32_t centredcount) {
    widths_ = widths;
    centred_ = centredcount;
    texts_.resize(widths.size());
}

void headlessstatusbar::SetText(int32_t panel, std::string_view text) {
    if (panel >= 0 && static_cast<size_t>(panel) < texts_.size()) texts_[static_cast<size_t>(panel)] = text;
}

std::string headlessstatusbar::Text(int32_t panel) const {
    if (panel < 0 || static_cast<size_t>(panel) >= texts_.size()) return {};
    return texts_[static_cast<size_t>(panel)];
}

}  // namespace quillmap::platform
