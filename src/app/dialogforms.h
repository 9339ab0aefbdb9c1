#pragma once

#include <array>
#include <memory>

#include "platform/application.h"

namespace quillmap {

// The program's dialogs, made hidden at start-up right after the main window and kept to the
// end: find, replace, pinned files, fine settings, about box, first-run greeting, extensions and
// the recent-files switcher. Until each dialog has its contents it is an empty hidden form in its
// place in that order.
class dialogforms final : private platform::windowevents {
public:
    explicit dialogforms(platform::application& app);

private:
    void OnPaint(platform::canvas&) override {}
    void OnResize(platform::extent) override {}
    // Closing a dialog only hides it: it lives until the program ends.
    void OnClose() override;

    std::array<std::unique_ptr<platform::window>, 8> forms_;
};

}  // namespace quillmap
