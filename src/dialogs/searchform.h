#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string_view>

#include "dialogs/searchhooks.h"
#include "platform/application.h"
#include "platform/dialogform.h"
#include "platform/system.h"

namespace quillmap {

// Enter and Esc typed in a phrase box are the dialog's, never the box's.
inline bool IsDialogKey(char key) { return key == '\r' || key == platform::EscapeKey; }

// What the find and replace dialogs share: a modeless window above the others, where it opens,
// its phrase boxes, emptied and coloured like the codes on every showing, and the main window's
// part when it goes.
class searchform {
public:
    searchform(platform::application& app, platform::system& system, std::string_view caption,
               platform::dialogevents& events, platform::extent client, size_t boxes);

    // Centred over the main window's bounds when given (the command came with Ctrl held),
    // otherwise across the mouse with its top there; then kept to the work area. The phrase box
    // has the keyboard.
    void Show(const searchhooks& hooks, const std::optional<platform::rect>& centreover);
    void Hide(const searchhooks& hooks);
    bool Visible() const { return form_->Visible(); }
    platform::dialogform& Form() const { return *form_; }

private:
    platform::system& system_;
    std::unique_ptr<platform::dialogform> form_;
    platform::extent client_;
    size_t boxes_;
};

}  // namespace quillmap
