#pragma once

#include <memory>

#include "dialogs/tform2.h"
#include "dialogs/tform3.h"
#include "dialogs/tform4.h"
#include "dialogs/tform5.h"
#include "dialogs/tform13.h"
#include "dialogs/tform6.h"
#include "dialogs/tform7.h"
#include "dialogs/tform8.h"
#include "platform/application.h"
#include "platform/system.h"

namespace quillmap {

// The program's dialogs, made hidden at start-up right after the main window and kept to the
// end: find, replace, pinned files, fine settings, about box, first-run greeting, extensions and
// the recent-files switcher, in that order.
class dialogforms final {
public:
    dialogforms(platform::application& app, platform::system& system);

    TForm2& Find() { return *find_; }
    TForm3& Replace() { return *replace_; }
    TForm6& PinnedFiles() { return *pinnedfiles_; }
    TForm7& FineSettings() { return *finesettings_; }
    TForm8& About() { return *about_; }
    TForm4& Greeting() { return *greeting_; }
    TForm5& Extensions() { return *extensions_; }
    TForm13& Switcher() { return *switcher_; }

private:
    std::unique_ptr<TForm2> find_;
    std::unique_ptr<TForm3> replace_;
    std::unique_ptr<TForm6> pinnedfiles_;
    std::unique_ptr<TForm7> finesettings_;
    std::unique_ptr<TForm8> about_;
    std::unique_ptr<TForm4> greeting_;
    std::unique_ptr<TForm5> extensions_;
    std::unique_ptr<TForm13> switcher_;
};

}  // namespace quillmap
