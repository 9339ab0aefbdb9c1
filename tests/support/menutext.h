#pragma once

#include <string>
#include <vector>

#include "app/mainmenu.h"
#include "platform/menu.h"

namespace quillmap::testing {

// A menu's items as UTF-8 lines, for readable comparisons: "caption\tshortcut", or "---" for a
// separator.
std::vector<std::string> MenuLines(const platform::menu& items);

// The item of `items` with this UTF-8 caption; fails the test when there is none.
platform::menuitem& ItemCalled(const platform::menu& items, const std::string& caption);

// Every wired command counts its runs under its own name.
struct commandlog {
    std::vector<std::string> runs;
    menucommand Log(const char* name) {
        return [this, name] { runs.push_back(name); };
    }
    mainmenuhandlers All() {
        mainmenuhandlers handlers;
        handlers.newdocument = Log("new");
        handlers.open = Log("open");
        handlers.save = Log("save");
        handlers.saveas = Log("saveas");
        handlers.print = Log("print");
        handlers.exit = Log("exit");
        handlers.undo = Log("undo");
        handlers.redo = Log("redo");
        handlers.cut = Log("cut");
        handlers.copy = Log("copy");
        handlers.paste = Log("paste");
        handlers.selectall = Log("selectall");
        handlers.statusbar = Log("statusbar");
        handlers.allremoved = Log("allremoved");
        handlers.ontop = Log("ontop");
        handlers.font = Log("font");
        handlers.finesettings = Log("finesettings");
        handlers.documentinfo = Log("documentinfo");
        handlers.help = Log("help");
        handlers.about = Log("about");
        handlers.downloadplugins = Log("downloadplugins");
        return handlers;
    }
};

}  // namespace quillmap::testing
