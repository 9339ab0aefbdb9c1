#pragma once

#include <array>
#include <memory>

#include "dialogs/tform2.h"
#include "dialogs/tform3.h"
#include "dialogs/tform13.h"
#include "dialogs/tform6.h"
#include "dialogs/tform7.h"
#include "dialogs/tform8.h"
#include "platform/application.h"
#include "platform/system.h"

namespace quillmap {

// The program's dialogs, made hidden at start-up right after the main window and kept to the
// end: find, replace, pinned files, fine settings, about box, first-run greeting, extensions and
// the recent-files switcher. Until each dialog has its contents it is an empty hidden form in its
// place in that order.
class dialogforms final : private platform::windowevents {
public:
    dialogforms(platform::application& app, platform::system& system);

    TForm2& Find() { return *find_; }
    TForm3& Replace() { return *replace_; }
    TForm6& PinnedFiles() { return *pinnedfiles_; }
    TForm7& FineSettings() { return *finesettings_; }
    TForm8& About() { return *about_; }
    TForm13& Switcher() { return *switcher_; }

private:
    void OnPaint(platform::canvas&) override {}
    void OnResize(platform::extent) override {}
    // Closing a dialog only hides it: it lives until the program ends.
    void OnClose() override;

    std::unique_ptr<TForm2> find_;
    std::unique_ptr<TForm3> replace_;
    std::unique_ptr<TForm6> pinnedfiles_;
    std::unique_ptr<TForm7> finesettings_;
    std::unique_ptr<TForm8> about_;
    // The greeting and the extensions.
    std::array<std::unique_ptr<platform::window>, 2> after_;
    std::unique_ptr<TForm13> switcher_;
};

}  // namespace quillmap
