#include "dialogs/okno.h"

#include <utility>

#include "dialogs/fittextbox.h"
#include "dialogs/popupfade.h"
#include "dialogs/popupplacement.h"
#include "dialogs/popupstyle.h"
#include "dialogs/showtext.h"

namespace quillmap {

okno::okno(platform::application& app, platform::system& system, std::string text, closer close)
    : okno(app, system, std::move(text), std::move(close), PopupBackground) {}

okno::okno(platform::application& app, platform::system& system, std::string text, closer close,
           platform::colour textcolour)
    : app_(app), system_(system), text_(std::move(text)), close_(std::move(close)) {
    font_.height = PopupFontHeight;
    font_.textcolour = textcolour;
    platform::formdesign design;
    design.client = {system_.ScreenSize().width, 30};
    design.background = PopupBackground;
    design.kind = platform::formkind::popup;
    window_ = app_.CreateForm(design, *this);
}

okno::~okno() { window_->Disconnect(); }

void okno::Show() {
    ticks_ = 0;
    const platform::rect bounds = Place();
    client_ = {bounds.Width(), bounds.Height()};
    window_->SetBounds(bounds);
    window_->StartTimer(PopupTimer, PopupTickMilliseconds);
    window_->Show();
    // Esc reaches the popup, and leaving it for another window closes it.
    window_->Focus();
}

platform::canvas& okno::Measuring() {
    if (!measuring_) measuring_ = app_.CreateBitmap({1, 1});
    measuring_->Canvas().SetFont(font_);
    return measuring_->Canvas();
}

platform::rect okno::Place() {
    const platform::rect work = system_.WorkArea();
    const platform::rect limits{work.left, work.top, work.right - 2 * PopupMargin.width,
                                work.bottom - 2 * PopupMargin.height};
    platform::rect box;
    FitTextBox(box, Measuring(), limits, text_);
    return PlacePopup(system_.CursorPos(),
                      {box.Width() + 2 * PopupMargin.width, box.Height() + 2 * PopupMargin.height}, work);
}

void okno::DrawBackground(platform::canvas& surface) const {
    surface.SetPen(platform::penspec{});
    surface.SetBrush(PopupBackground);
    surface.Rectangle({0, 0, client_.width, client_.height});
}

void okno::Draw(platform::canvas& surface) {
    DrawBackground(surface);
    surface.SetFont(font_);
    DrawWrapped({PopupMargin.width, PopupMargin.height, client_.width - PopupMargin.width,
                 client_.height - PopupMargin.height},
                surface, text_);
}

void okno::Step() {
    if (ticks_ <= FadeSteps) {
        font_.textcolour = FadeColour(PopupBackground, PopupTextColour, ticks_);
        window_->Invalidate();
    }
    ++ticks_;
}

void okno::OnActivate(bool active) {
    if (!active) Close();
}

void okno::OnKeyDown(uint16_t key, uint8_t) {
    if (key == platform::vkEscape) Close();
}

okno_0::okno_0(platform::application& app, platform::system& system, std::string text, closer close)
    : okno(app, system, std::move(text), std::move(close), PopupTextColour) {}

void okno_0::Step() {
    if (ticks_ == OknoZeroLifetime) return Close();
    ++ticks_;
}

}  // namespace quillmap
