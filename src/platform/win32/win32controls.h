#pragma once

#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/win32/windowhandle.h"
#include "platform/win32/winapi.h"

namespace quillmap::win32 {

// A SCROLLBAR child control. The parent's WM_VSCROLL and WM_HSCROLL find it through the
// control's user data and ask it where a request leads.
class win32scrollbar final : public platform::scrollbar {
public:
    win32scrollbar(HWND parent, platform::scrollaxis axis);
    win32scrollbar(const win32scrollbar&) = delete;
    win32scrollbar& operator=(const win32scrollbar&) = delete;

    void Place(const platform::rect& area) override;
    void SetEnabled(bool enabled) override;
    bool Enabled() const override;
    void SetRange(int32_t maximum, int32_t page) override;
    int32_t Maximum() const override;
    int32_t Page() const override;
    void SetPosition(int32_t position) override;
    int32_t Position() const override;
    void SetSteps(int32_t smallchange, int32_t largechange) override;
    int32_t SmallChange() const override { return smallchange_; }
    int32_t LargeChange() const override { return largechange_; }

    platform::scrollaxis Axis() const { return axis_; }
    // The position a scroll request (SB_LINEUP, SB_THUMBTRACK, ...) asks for, not yet applied.
    int32_t Requested(int request) const;
    static win32scrollbar* Of(HWND control);

private:
    SCROLLINFO Info() const;

    platform::scrollaxis axis_;
    windowhandle handle_;
    int32_t smallchange_ = 1;
    int32_t largechange_ = 1;
};

// The common controls' status bar, its panels laid out from fixed widths.
class win32statusbar final : public platform::statusbar {
public:
    explicit win32statusbar(HWND parent);
    void SetPanels(const std::vector<int32_t>& widths, int32_t centredcount) override;
    void SetText(int32_t panel, std::string_view text) override;
    std::string Text(int32_t panel) const override;
    void Place(const platform::rect& area) override;
    void SetVisible(bool visible) override;
    bool Visible() const override;

private:
    windowhandle handle_;
    std::vector<std::string> texts_;
    int32_t centred_ = 0;
};

}  // namespace quillmap::win32
