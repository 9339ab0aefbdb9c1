#pragma once

#include <string>
#include <vector>

#include "platform/controls.h"

namespace quillmap::platform {

// Scroll bar and status bar as plain records that tests read.
class headlessscrollbar final : public scrollbar {
public:
    void Place(const rect& area) override { area_ = area; }
    void SetEnabled(bool enabled) override { enabled_ = enabled; }
    bool Enabled() const override { return enabled_; }
    void SetRange(int32_t maximum, int32_t page) override;
    int32_t Maximum() const override { return maximum_; }
    int32_t Page() const override { return page_; }
    void SetPosition(int32_t position) override;
    int32_t Position() const override { return position_; }
    void SetSteps(int32_t smallchange, int32_t largechange) override;
    int32_t SmallChange() const override { return smallchange_; }
    int32_t LargeChange() const override { return largechange_; }
    const rect& Area() const { return area_; }

private:
    rect area_;
    bool enabled_ = false;
    int32_t maximum_ = 0;
    int32_t page_ = 0;
    int32_t position_ = 0;
    int32_t smallchange_ = 1;
    int32_t largechange_ = 1;
};

class headlessstatusbar final : public statusbar {
public:
    void SetPanels(const std::vector<int32_t>& widths, int32_t centredcount) override;
    void SetText(int32_t panel, std::string_view text) override;
    std::string Text(int32_t panel) const override;
    void Place(const rect& area) override { area_ = area; }
    void SetVisible(bool visible) override { visible_ = visible; }
    bool Visible() const override { return visible_; }
    const std::vector<int32_t>& Widths() const { return widths_; }
    int32_t CentredCount() const { return centred_; }
    const rect& Area() const { return area_; }

private:
    std::vector<int32_t> widths_;
    std::vector<std::string> texts_;
    int32_t centred_ = 0;
    rect area_;
    bool visible_ = true;
};

}  // namespace quillmap::platform
