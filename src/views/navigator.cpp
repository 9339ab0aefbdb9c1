#include "views/navigator.h"

#include <algorithm>

#include "base/rounding.h"
#include "base/settings.h"
#include "views/navigatordrawing.h"
#include "views/vwstruct.h"

namespace quillmap {

platform::rect PlaceNavigator(const platform::rect& remembered, const platform::rect& workarea) {
    const int32_t width = remembered.Width();
    const int32_t height = remembered.Height();
    int32_t left = remembered.left;
    int32_t top = remembered.top;
    if (left + width > workarea.Width()) left = workarea.Width() - width;
    if (top + height > workarea.Height()) top = workarea.Height() - height;
    left = std::max(left, 0);
    top = std::max(top, 0);
    return {left, top, left + width, top + height};
}

namespace {

platform::formdesign NavigatorDesign(const platform::window* owner) {
    platform::formdesign design;
    design.owner = owner;
    design.caption = NavigatorTitle;
    design.client = {Settings().NavigatorWidth, Settings().NavigatorHeight};
    design.background = platform::clWhite;
    design.kind = platform::formkind::toolwindow;
    design.minimum = NavigatorMinimum;
    return design;
}

}  // namespace

navigator::navigator(platform::application& app, platform::system& system, vwstruct& view,
                     const platform::window* owner)
    : view_(view),
      outline_([this](std::string_view title) {
          platform::canvas& measuring = picture_->Canvas();
          measuring.SetFont(font_);
          return measuring.TextExtent(title);
      }),
      picture_(app.CreateBitmap({1, 1})),
      window_(app.CreateForm(NavigatorDesign(owner), *this)),
      vertical_(window_->CreateScrollBar(platform::scrollaxis::vertical)),
      horizontal_(window_->CreateScrollBar(platform::scrollaxis::horizontal)),
      font_(picture_->Canvas().Font()) {
    const settingvalues& settings = Settings();
    const platform::rect remembered{settings.NavigatorLeft, settings.NavigatorTop,
                                    settings.NavigatorLeft + settings.NavigatorWidth,
                                    settings.NavigatorTop + settings.NavigatorHeight};
    window_->SetBounds(PlaceNavigator(remembered, system.WorkArea()));
    Rebuild();
}

navigator::~navigator() { window_->Disconnect(); }

const platform::scrollbar& navigator::Bar(platform::scrollaxis axis) const {
    return axis == platform::scrollaxis::vertical ? *vertical_ : *horizontal_;
}

void navigator::Rebuild() {
    outline_.Rebuild(view_.Root());
    hover_ = outline_.Rows().size();
    UpdateBars();
    Repaint();
}

void navigator::Sync() {
    // The view changes the tree under the mouse, as when a click reveals a field, and the second
    // press of a double click still finds its title: the hover stays while its row does.
    const pole* hovered = hover_ < outline_.Rows().size() ? outline_.Rows()[hover_].node : nullptr;
    outline_.Sync(view_.Root());
    if (hover_ >= outline_.Rows().size() || outline_.Rows()[hover_].node != hovered) hover_ = outline_.Rows().size();
    UpdateBars();
    Repaint();
}

void navigator::Toggle(size_t row) {
    outline_.Toggle(row);
    hover_ = outline_.Rows().size();
    UpdateBars();
    Repaint();
}

void navigator::UpdateBar(platform::scrollbar& bar, int32_t content, int32_t visible, int32_t client,
                          int32_t smallchange) {
    if (content > visible) {
        bar.SetEnabled(true);
        bar.SetRange(content, visible);
        bar.SetSteps(smallchange, RoundHalfEven(client * Settings().PageScrollFraction));
        bar.SetPosition(std::clamp(bar.Position(), 0, content - visible));
    } else {
        bar.SetEnabled(false);
        bar.SetRange(0, 0);
        bar.SetPosition(0);
    }
}

void navigator::UpdateBars() {
    const platform::extent client = window_->ClientSize();
    const platform::extent visible{std::max(0, client.width - ScrollBarSize), std::max(0, client.height - ScrollBarSize)};
    picture_->SetSize(visible);
    vertical_->Place({visible.width, 0, client.width, visible.height});
    horizontal_->Place({0, visible.height, visible.width, client.height});
    const std::vector<outlinerow>& rows = outline_.Rows();
    const int32_t rowheight = rows.empty() ? 1 : rows.front().area.Height();
    UpdateBar(*vertical_, outline_.ContentHeight(), visible.height, client.height, rowheight);
    UpdateBar(*horizontal_, outline_.ContentWidth(), visible.width, client.width, HorizontalStep);
}

void navigator::Draw() {
    DrawOutline(picture_->Canvas(), outline_,
                {{horizontal_->Position(), vertical_->Position()}, picture_->Size(), font_, hover_});
}

void navigator::Repaint() {
    Draw();
    const platform::extent size = picture_->Size();
    window_->Present(*picture_, {0, 0, size.width, size.height});
}

void navigator::OnPaint(platform::canvas& surface) {
    Draw();
    const platform::extent size = picture_->Size();
    surface.CopyFrom(*picture_, {0, 0, size.width, size.height});
}

void navigator::OnResize(platform::extent) {
    UpdateBars();
    Repaint();
}

void navigator::OnClose() {
    window_->Hide();
    if (onclose) onclose();
}

void navigator::OnScroll(platform::scrollaxis axis, int32_t position) {
    platform::scrollbar& bar = axis == platform::scrollaxis::vertical ? *vertical_ : *horizontal_;
    bar.SetPosition(std::clamp(position, 0, std::max(0, bar.Maximum() - bar.Page())));
    Repaint();
}

void navigator::OnActivate(bool active) {
    if (active) return;
    // The window comes back where the user left it, in this run and the next.
    const platform::rect bounds = window_->Bounds();
    settingvalues& settings = Settings();
    settings.NavigatorLeft = bounds.left;
    settings.NavigatorTop = bounds.top;
    settings.NavigatorWidth = bounds.Width();
    settings.NavigatorHeight = bounds.Height();
}

outlinehit navigator::HitAt(platform::point client) const {
    return outline_.HitTest({client.x + horizontal_->Position(), client.y + vertical_->Position()});
}

void navigator::OnMouseMove(platform::point at, uint8_t) {
    const outlinehit hit = HitAt(at);
    const size_t hover = hit.part == outlinepart::title ? hit.row : outline_.Rows().size();
    window_->SetCursor(hit.part == outlinepart::box ? platform::cursorshape::handpoint : platform::cursorshape::arrow);
    if (hover == hover_) return;
    hover_ = hover;
    Repaint();
}

void navigator::OnMouseDown(platform::mousebutton button, platform::point at, uint8_t) {
    if (button == platform::mousebutton::middle) {
        fastwheel_ = true;
        return;
    }
    if (button != platform::mousebutton::left) return;
    if (hover_ < outline_.Rows().size()) {
        view_.Reveal(*outline_.Rows()[hover_].node);
        return;
    }
    const outlinehit hit = HitAt(at);
    if (hit.part == outlinepart::box) Toggle(hit.row);
}

void navigator::OnMouseUp(platform::mousebutton button, platform::point, uint8_t) {
    if (button == platform::mousebutton::middle) fastwheel_ = false;
}

void navigator::OnDoubleClick(platform::point) {
    if (hover_ < outline_.Rows().size()) Toggle(hover_);
}

void navigator::OnWheel(int32_t delta) {
    if (!vertical_->Enabled() || delta == 0) return;
    const int32_t step = fastwheel_ ? vertical_->LargeChange() / 2 : vertical_->SmallChange();
    OnScroll(platform::scrollaxis::vertical, vertical_->Position() + (delta < 0 ? step : -step));
}

}  // namespace quillmap
