#pragma once

#include <memory>

#include "dialogs/okno.h"
#include "views/popuphost.h"

namespace quillmap {

// The one popup of the program, text or picture: a new one only when none is open.
class popupwindows final : public popuphost {
public:
    // style chooses the text popup: 0 okno_0, 1 okno, 2 okno_2; any other shows no text.
    popupwindows(platform::application& app, platform::system& system, int32_t style);
    ~popupwindows();
    popupwindows(const popupwindows&) = delete;
    popupwindows& operator=(const popupwindows&) = delete;

    bool PopupOpen() const override { return current_ != nullptr; }
    void ShowTextPopup(std::string_view text) override;
    platform::pixelsurface* ShowImagePopup(int32_t width, int32_t height) override;
    // The popup is no longer current and is hidden at once; it is let go after the message being
    // handled, which may be one of its own.
    void CloseCurrentPopup() override;
    okno* Current() const { return current_.get(); }

private:
    void Open(std::unique_ptr<okno> popup);
    // A popup asks to go: only the current one is closed.
    okno::closer Closer();

    platform::application& app_;
    platform::system& system_;
    int32_t style_;
    std::unique_ptr<okno> current_;
};

}  // namespace quillmap
