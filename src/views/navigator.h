#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>

#include "platform/application.h"
#include "platform/system.h"
#include "views/navigatoroutline.h"

namespace quillmap {

class vwstruct;

inline constexpr std::string_view NavigatorTitle = "Навигатор";
inline constexpr platform::extent NavigatorMinimum{50, 100};

// The remembered window moved back into the work area: past the right or bottom edge it is
// pulled in, above or left of the screen it starts at 0.
platform::rect PlaceNavigator(const platform::rect& remembered, const platform::rect& workarea);

// The tool window with the field tree of the structure view as a foldable outline. Clicking a
// title moves the view to that field; the boxes and double clicks open and close containers.
// The view makes it on first use, owns it and tells it when the tree changed.
class navigator final : private platform::windowevents {
public:
    static constexpr int32_t ScrollBarSize = 18;
    static constexpr int32_t HorizontalStep = 5;

    navigator(platform::application& app, platform::system& system, vwstruct& view, const platform::window* owner);
    ~navigator();
    navigator(const navigator&) = delete;
    navigator& operator=(const navigator&) = delete;

    // The rows again from the root, all closed; the bars follow and the outline is drawn.
    void Rebuild();
    // The rows follow the tree after an edit; the bars follow and the outline is drawn.
    void Sync();
    // Opens or closes a container's row, then the bars and the drawing follow.
    void Toggle(size_t row);
    // Draws the outline and puts it on the window.
    void Repaint();

    void Show() { window_->Show(); }
    void Hide() { window_->Hide(); }
    bool Visible() const { return window_->Visible(); }
    platform::window& Window() { return *window_; }
    const navigatoroutline& Outline() const { return outline_; }
    // The row whose title is under the mouse; the row count for none.
    size_t Hover() const { return hover_; }
    const platform::scrollbar& Bar(platform::scrollaxis axis) const;
    // The user closed the window: the view lets it go.
    std::function<void()> onclose;

private:
    void OnPaint(platform::canvas& surface) override;
    void OnResize(platform::extent client) override;
    void OnClose() override;
    void OnScroll(platform::scrollaxis axis, int32_t position) override;
    void OnActivate(bool active) override;
    void OnMouseDown(platform::mousebutton button, platform::point at, uint8_t shift) override;
    void OnMouseMove(platform::point at, uint8_t shift) override;
    void OnMouseUp(platform::mousebutton button, platform::point at, uint8_t shift) override;
    void OnDoubleClick(platform::point at) override;
    void OnWheel(int32_t delta) override;

    // The picture's size and the bars' ranges and steps for the client size and the outline.
    void UpdateBars();
    void UpdateBar(platform::scrollbar& bar, int32_t content, int32_t visible, int32_t client, int32_t smallchange);
    void Draw();
    // A point of the client area in outline pixels.
    outlinehit HitAt(platform::point client) const;

    vwstruct& view_;
    navigatoroutline outline_;
    std::unique_ptr<platform::bitmap> picture_;
    std::unique_ptr<platform::window> window_;
    std::unique_ptr<platform::scrollbar> vertical_;
    std::unique_ptr<platform::scrollbar> horizontal_;
    platform::fontspec font_;
    size_t hover_ = 0;
    bool fastwheel_ = false;
};

}  // namespace quillmap
