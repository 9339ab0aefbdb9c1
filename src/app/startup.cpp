#include "app/startup.h"

#include "app/dialogforms.h"
#include "app/texts.h"
#include "app/tform1.h"
#include "base/bytefile.h"
#include "base/settings.h"

namespace quillmap {

int RunProgram(platform::application& app, platform::system& system, const std::vector<std::string>& arguments) {
    app.MakeToolWindow();
    app.SetTitle(ApplicationTitle);
    app.SetHelpFile(HelpFileName);
    Tform1 form1(app, system);
    dialogforms dialogs(app, system);
    form1.SetFineSettings(dialogs.FineSettings());
    form1.SetPinnedFiles(dialogs.PinnedFiles());
    form1.SetAbout(dialogs.About());
    form1.SetAssociationDialogs(dialogs.Greeting(), dialogs.Extensions());
    form1.SetSearchDialogs(dialogs.Find(), dialogs.Replace());
    form1.SetSwitcher(dialogs.Switcher());
    form1.ScanSkins();
    form1.ScanPlugins();
    form1.LoadState();
    form1.chfls();
    // Messages are written large in every run, whatever the state file held.
    Settings().TextSize = 16;
    bool opened = false;
    if (!arguments.empty() && form1.AcceptFileName(arguments.front())) {
        try {
            form1.OpenDocument(arguments.front());
            // Another copy shows the file and came forward: this one has nothing to do.
            if (form1.DocumentName().empty()) return 0;
            opened = true;
        } catch (const bytefileerror&) {
            // An unreadable file leaves the untitled document in place.
        }
    }
    if (!opened) {
        form1.RestoreDefaultSkin();
        form1.ShowUntitledCaption();
    }
    form1.BuildFileFilters();
    form1.Window().Show();
    return app.Run();
}

}  // namespace quillmap
