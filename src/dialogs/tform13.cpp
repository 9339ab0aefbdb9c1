#include "dialogs/tform13.h"

#include <array>

namespace quillmap {

TForm13::TForm13(platform::application& app, platform::system& system)
    : system_(system), font_(platform::RussianFont("MS Sans Serif", -13)), measuring_(app.CreateBitmap({1, 1})) {
    platform::formdesign design;
    design.kind = platform::formkind::popup;
    design.background = platform::clWhite;
    window_ = app.CreateForm(design, *this);
}

TForm13::~TForm13() { window_->Disconnect(); }

void TForm13::FormShow(const std::vector<std::string>& recent, const std::string& current,
                       const platform::rect& mainwindow) {
    platform::canvas& measuring = measuring_->Canvas();
    measuring.SetFont(font_);
    layout_ = LayOutSwitcher(recent, current, measuring,
                             {mainwindow, system_.WorkArea(), system_.ScreenSize(), system_.CursorPos()});
    selected_ = 0;
    window_->SetBounds(layout_.bounds);
    window_->Show();
    window_->Invalidate();
}

void TForm13::Step(bool backward) {
    const int32_t count = EntryCount();
    if (count == 0) return;
    selected_ = (selected_ + (backward ? count - 1 : 1)) % count;
    window_->Invalidate();
}

bool TForm13::SelectedIsUnlistedCurrent() const {
    return !layout_.currentinlist && selected_ == EntryCount() - 1 && selected_ >= 0;
}

void TForm13::OnPaint(platform::canvas& surface) {
    const platform::extent client = window_->ClientSize();
    surface.SetFont(font_);
    surface.SetPen({FrameColour});
    surface.SetBrush(platform::clWhite);
    surface.Rectangle({0, 0, client.width, client.height});
    const int32_t r = layout_.rowheight;
    for (int32_t i = 0, y = 1; i < EntryCount(); ++i, y += r) {
        const bool selected = i == selected_;
        const platform::rect band{1, y, client.width - 1, y + r - 1};
        surface.SetBrush(selected ? SelectedBackground : platform::clWhite);
        surface.FillRect(band);
        platform::fontspec font = font_;
        font.textcolour = selected ? SelectedText : platform::clBlack;
        surface.SetFont(font);
        const std::string& text = layout_.rows[static_cast<size_t>(i)];
        const int32_t width = surface.TextExtent(text).width;
        surface.SetClipRect(band);
        surface.TextOut({(client.width - width) / 2, y + 1}, text, std::nullopt);
        surface.ClearClip();
        const std::array<platform::point, 2> line{platform::point{0, y + r - 1}, platform::point{client.width, y + r - 1}};
        surface.Polyline(line);
    }
}

}  // namespace quillmap
