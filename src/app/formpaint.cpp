// The main window's drawing: the view into the off-screen picture, the picture onto the screen,
// the caret and the status bar.
#include <algorithm>

#include "app/statusbartexts.h"
#include "app/tform1.h"

namespace quillmap {

namespace {

platform::rect Intersection(const platform::rect& a, const platform::rect& b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
}

}  // namespace

void Tform1::RenderView() {
    platform::canvas& canvas = bitmap_->Canvas();
    const platform::extent size = bitmap_->Size();
    skins_.Draw(canvas, size);
    canvas.SetClipRect({marginx_, marginy_, size.width - marginx_, size.height - marginy_});
    view_->Paint();
    canvas.ClearClip();
}

void Tform1::PresentView() {
    const platform::extent size = bitmap_->Size();
    window_->Present(*bitmap_, {1, 1, size.width - 1, size.height - 1});
}

void Tform1::HideCaret() {
    if (caretdrawn_) ToggleCaret();
}

void Tform1::ToggleCaret() {
    if (!painted_) return;
    DrawCaret();
    caretdrawn_ = !caretdrawn_;
    if (statusbar_->Visible()) UpdateStatusBar();
}

void Tform1::UpdateStatusBar() {
    const textpos caret = view_->Caret();
    const textpos anchor = view_->Anchor();
    statusbar_->SetText(0, PositionPanelText(caret.line, caret.column));
    statusbar_->SetText(1, view_->HasSelection() ? PositionPanelText(anchor.line, anchor.column) : std::string());
    statusbar_->SetText(2, LineCountPanelText(view_->LineCount()));
    statusbar_->SetText(3, ModePanelText(view_->InsertMode()));
    statusbar_->SetText(4, OpenTimePanelText(opentime_));
}

void Tform1::DrawCaret() {
    platform::canvas& canvas = bitmap_->Canvas();
    const platform::extent size = bitmap_->Size();
    const platform::point at = view_->CaretPixels();
    const int32_t height = view_->LineHeight();
    const platform::rect bounds = view_->DrawingBounds();
    const platform::rect clip = Intersection(
        {marginx_ - 1, marginy_ - 1, size.width - marginx_, size.height - marginy_},
        {bounds.left + marginx_, bounds.top + marginy_, bounds.right + marginx_, bounds.bottom + marginy_});
    if (clip.left >= clip.right || clip.top >= clip.bottom) return;

    const platform::penspec pen = canvas.Pen();
    canvas.SetClipRect(clip);
    canvas.SetPen({platform::clBlack, 1, platform::penmode::invert});
    platform::rect touched;
    if (view_->InsertMode()) {
        // A bar two pixels wide.
        const platform::point bar[] = {{at.x, at.y}, {at.x, at.y + height}, {at.x - 1, at.y + height}, {at.x - 1, at.y - 1}};
        canvas.Polyline(bar);
        touched = {at.x - 1, at.y - 1, at.x + 1, at.y + height + 1};
    } else {
        // A band under the character it would replace.
        const std::string under = view_->CharNearCaret(true);
        const int32_t width = canvas.TextExtent(under.empty() ? std::string_view(" ") : std::string_view(under)).width;
        for (int32_t y = at.y + height - 4; y < at.y + height - 1; ++y) {
            const platform::point row[] = {{at.x, y}, {at.x + width, y}};
            canvas.Polyline(row);
        }
        touched = {at.x, at.y + height - 4, at.x + width, at.y + height - 1};
    }
    canvas.SetPen(pen);
    canvas.ClearClip();
    const platform::rect shown = Intersection(touched, clip);
    if (shown.left < shown.right && shown.top < shown.bottom) window_->Present(*bitmap_, shown);
}

void Tform1::OnPaint(platform::canvas& surface) {
    if (!painted_) {
        ApplyModes();
        view_->CalcCaretPixels();
    }
    const platform::extent size = bitmap_->Size();
    const platform::extent client = window_->ClientSize();
    surface.CopyFrom(*bitmap_, {1, 1, size.width - 1, size.height - 1});
    surface.SetPen({platform::clBtnShadow, 1});
    const platform::point edge[] = {{client.width, 0}, {0, 0}, {0, client.height}};
    surface.Polyline(edge);
    // The square between the two bars: plain beside the status bar, a size grip without it.
    const platform::rect corner{size.width, size.height, size.width + ScrollBarSize, size.height + ScrollBarSize};
    if (statusbar_->Visible()) {
        surface.SetBrush(platform::clBtnFace);
        surface.FillRect(corner);
    } else {
        surface.DrawSizeGrip(corner);
    }
    // From now on the caret may be drawn.
    painted_ = true;
}

}  // namespace quillmap
