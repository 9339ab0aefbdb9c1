#include "dialogs/popupwindows.h"

#include <string>
#include <utility>

#include "dialogs/okno2.h"
#include "dialogs/oknobmp.h"
#include "dialogs/popupstyle.h"
#include "dialogs/textblock.h"

namespace quillmap {

popupwindows::popupwindows(platform::application& app, platform::system& system, int32_t style)
    : app_(app), system_(system), style_(style) {}

popupwindows::~popupwindows() = default;

okno::closer popupwindows::Closer() {
    return [this](okno& asking) {
        if (current_.get() == &asking) CloseCurrentPopup();
    };
}

void popupwindows::Open(std::unique_ptr<okno> popup) {
    popup->Show();
    current_ = std::move(popup);
}

void popupwindows::ShowTextPopup(std::string_view text) {
    // Explanations read best in a box about five times as wide as it is high.
    SetTextBlockProportion(5);
    if (PopupOpen()) return;
    std::string shown(text);
    switch (style_) {
    case 0: return Open(std::make_unique<okno_0>(app_, system_, std::move(shown), Closer()));
    case 1: return Open(std::make_unique<okno>(app_, system_, std::move(shown), Closer()));
    case 2: return Open(std::make_unique<okno_2>(app_, system_, std::move(shown), Closer()));
    default: return;
    }
}

platform::pixelsurface* popupwindows::ShowImagePopup(int32_t width, int32_t height) {
    if (PopupOpen()) return nullptr;
    std::unique_ptr<oknobmp> popup = oknobmp::Make(app_, system_, {width, height}, Closer());
    if (!popup) {
        system_.Beep();
        return nullptr;
    }
    platform::pixelsurface& source = popup->Source();
    Open(std::move(popup));
    return &source;
}

void popupwindows::CloseCurrentPopup() {
    if (!current_) return;
    std::shared_ptr<okno> gone(std::move(current_));
    gone->Window().StopTimer(PopupTimer);
    gone->Window().Hide();
    app_.Post([gone]() mutable { gone.reset(); });
}

}  // namespace quillmap
