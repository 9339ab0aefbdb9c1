// Typing, the mouse, the wheel and the autoscroll of a dragged selection in the main window.
#include <algorithm>
#include <cmath>
#include <utility>

#include "app/tform1.h"

namespace quillmap {

namespace {

constexpr char BackspaceChar = 8;
constexpr char EscapeChar = 27;

// Pixels of scroll per tick for a mouse that far beyond an edge.
double AutoScrollSpeed(int32_t distance) { return std::min(distance, 70); }

platform::cursorshape CursorFor(viewcursor cursor) {
    switch (cursor) {
    case viewcursor::text: return platform::cursorshape::ibeam;
    case viewcursor::handpoint: return platform::cursorshape::handpoint;
    case viewcursor::standard: break;
    }
    return platform::cursorshape::arrow;
}

}  // namespace

void Tform1::OnChar(char character) {
    // With Ctrl or Alt held a key is a command, never a character.
    if (character == EscapeChar || ctrloralt_) return;
    desiredcolumn_ = -1;
    EditCommand([&] {
        if (character == BackspaceChar) {
            if (view_->HasSelection()) return view_->DeleteSelection(true, true);
            return !view_->CharNearCaret(false).empty() && view_->Backspace();
        }
        bool relayout = false;
        if (view_->HasSelection() && view_->KeyReplacesSelection(character)) {
            relayout = view_->DeleteSelection(true, true);
            view_->MarkOpen();
        }
        return view_->TypeChar(character) || relayout;
    });
}

platform::point Tform1::ViewPoint(platform::point client) const {
    return {client.x + hscroll_->Position() - marginx_, client.y + vscroll_->Position() - marginy_};
}

void Tform1::OnMouseDown(platform::mousebutton button, platform::point at, uint8_t shift) {
    const platform::extent picture = bitmap_->Size();
    // The bars take their own clicks.
    if (at.x >= picture.width || at.y >= picture.height) return;
    if (button == platform::mousebutton::right) rightheld_ = true;
    if (button != platform::mousebutton::left) return;
    // The press that came with a double click must not undo its selection.
    if (std::exchange(swallowpress_, false)) return;
    desiredcolumn_ = -1;
    dragging_ = true;
    lastmouse_ = at;
    lastshift_ = shift;
    window_->CaptureMouse(true);
    window_->StartTimer(AutoScrollTimer, AutoScrollInterval);
    HideCaret();
    const platform::point point = ViewPoint(at);
    const bool popupbefore = popups_.PopupOpen();
    view_->MouseButton(point.x, point.y, true, (shift & platform::ssShift) != 0);
    // A press that opened a popup selects nothing: the popup has the mouse and the keys now, and
    // the next move over the view closes it.
    if (!popupbefore && popups_.PopupOpen()) {
        dragging_ = false;
        window_->StopTimer(AutoScrollTimer);
        window_->CaptureMouse(false);
    }
    SyncScrollBars();
    ToggleCaret();
}

void Tform1::OnMouseMove(platform::point at, uint8_t shift) {
    const platform::extent picture = bitmap_->Size();
    if (!dragging_) {
        const bool inside = at.x >= marginx_ && at.x < marginx_ + picture.width && at.y >= marginy_ &&
                            at.y < marginy_ + picture.height;
        const platform::point point = ViewPoint(at);
        cursor_ = inside ? CursorFor(view_->MouseMove(point.x, point.y)) : platform::cursorshape::arrow;
        window_->SetCursor(cursor_);
        return;
    }
    lastmouse_ = at;
    lastshift_ = shift;
    // A press on a box is no selection: moving on from it ends the drag.
    if (cursor_ != platform::cursorshape::ibeam) {
        dragging_ = false;
        return;
    }
    autoscroll_.above = 2 - at.y;
    autoscroll_.below = at.y - picture.height + 2;
    autoscroll_.left = 2 - at.x;
    autoscroll_.right = at.x - picture.width + 2;
    const platform::point point =
        ViewPoint({std::clamp(at.x, 0, picture.width), std::clamp(at.y, 0, picture.height)});
    const platform::point before = view_->CaretPixels();
    HideCaret();
    view_->MouseButton(point.x, point.y, false, true);
    if (view_->CaretPixels() != before) {
        RenderView();
        PresentView();
    }
    ToggleCaret();
}

void Tform1::OnMouseUp(platform::mousebutton button, platform::point at, uint8_t) {
    if (button == platform::mousebutton::right) rightheld_ = false;
    autoscroll_ = {};
    if (button != platform::mousebutton::left) return;
    window_->StopTimer(AutoScrollTimer);
    window_->CaptureMouse(false);
    if (!std::exchange(dragging_, false)) return;
    HideCaret();
    if (cursor_ == platform::cursorshape::ibeam) {
        const platform::extent picture = bitmap_->Size();
        const platform::point point =
            ViewPoint({std::clamp(at.x, 0, picture.width), std::clamp(at.y, 0, picture.height)});
        view_->MouseButton(point.x, point.y, false, true);
    } else {
        // A box opened or closed a field: the content's size changed.
        UpdateVScroll();
        UpdateHScroll();
    }
    SyncScrollBars();
    ToggleCaret();
}

void Tform1::OnDoubleClick(platform::point) {
    HideCaret();
    view_->SelectWordAtCaret();
    SyncScrollBars();
    ToggleCaret();
    swallowpress_ = true;
}

void Tform1::OnWheel(int32_t delta) {
    if (!vscroll_->Enabled() || delta == 0) return;
    const int32_t step = rightheld_ ? vscroll_->LargeChange() / 2 : vscroll_->SmallChange();
    OnScroll(platform::scrollaxis::vertical, vscroll_->Position() + (delta < 0 ? step : -step));
}

void Tform1::AutoScrollAxis(platform::scrollaxis axis, int32_t before, int32_t after, double& accumulator) {
    platform::scrollbar& bar = axis == platform::scrollaxis::vertical ? *vscroll_ : *hscroll_;
    if (!bar.Enabled()) return;
    if (before < 0 && after < 0) accumulator = 0.0;
    if (before > 0 && bar.Position() > 0) {
        accumulator = std::min(accumulator, 0.0) - AutoScrollSpeed(before);
    } else if (after > 0 && bar.Position() < bar.Maximum() - bar.Page()) {
        accumulator = std::max(accumulator, 0.0) + AutoScrollSpeed(after);
    }
    const double whole = std::trunc(accumulator);
    if (whole == 0.0) return;
    accumulator -= whole;
    OnScroll(axis, bar.Position() + static_cast<int32_t>(whole));
    // The selection follows to where the mouse now points in the scrolled view.
    OnMouseMove(lastmouse_, lastshift_);
}

void Tform1::AutoScroll() {
    if (!dragging_) return;
    AutoScrollAxis(platform::scrollaxis::vertical, autoscroll_.above, autoscroll_.below, autoscroll_.vertical);
    AutoScrollAxis(platform::scrollaxis::horizontal, autoscroll_.left, autoscroll_.right, autoscroll_.horizontal);
}

}  // namespace quillmap
