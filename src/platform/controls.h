#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/geometry.h"

namespace quillmap::platform {

enum class scrollaxis : uint8_t { vertical, horizontal };

// A scroll bar child of a window. Positions run from 0 to Maximum() − Page(); the window's
// events hear of every move the user makes.
class scrollbar {
public:
    virtual ~scrollbar() = default;
    virtual void Place(const rect& area) = 0;
    virtual void SetEnabled(bool enabled) = 0;
    virtual bool Enabled() const = 0;
    virtual void SetRange(int32_t maximum, int32_t page) = 0;
    virtual int32_t Maximum() const = 0;
    virtual int32_t Page() const = 0;
    virtual void SetPosition(int32_t position) = 0;
    virtual int32_t Position() const = 0;
    // The arrows move by the small change, clicks beside the thumb by the large one.
    virtual void SetSteps(int32_t smallchange, int32_t largechange) = 0;
    virtual int32_t SmallChange() const = 0;
    virtual int32_t LargeChange() const = 0;
};

// A status bar along the window's bottom edge, with panels of fixed widths.
class statusbar {
public:
    virtual ~statusbar() = default;
    // Panels whose text is centred and those written from the left.
    virtual void SetPanels(const std::vector<int32_t>& widths, int32_t centredcount) = 0;
    virtual void SetText(int32_t panel, std::string_view text) = 0;  // CP1251
    virtual std::string Text(int32_t panel) const = 0;
    virtual void Place(const rect& area) = 0;
    virtual void SetVisible(bool visible) = 0;
    virtual bool Visible() const = 0;
};

}  // namespace quillmap::platform
