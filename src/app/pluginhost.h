#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/pluginabi.h"
#include "app/shortcutnames.h"
#include "platform/application.h"

namespace quillmap {

// A plug-in's item of "Плагины": its library path relative to the program's folder ("plugins\" +
// file name), and the library once a command has loaded it.
struct tplgitem {
    platform::menuitem* item = nullptr;
    std::string path;
    std::unique_ptr<platform::library> library;
};

// A key that runs a plug-in's command: the key, its modifiers (shiftbit values), the plug-in's
// place among the items and the command's index.
struct pluginhotkey {
    shortcutkey keys;
    size_t plugin = 0;
    int32_t command = 0;
};

// The plug-ins found at start-up in the program's "plugins" folder, their keys, and running
// their commands with the program's services.
class pluginhost {
public:
    explicit pluginhost(platform::application& app);

    // Appends an item to "Плагины" for every plug-in; clicking one tells `press` its place.
    void Scan(platform::menu& plugins, const std::function<void(size_t)>& press);
    const std::vector<tplgitem>& Items() const { return items_; }
    const std::vector<pluginhotkey>& Hotkeys() const { return hotkeys_; }
    // The first key entry for this key and exactly these modifiers.
    const pluginhotkey* FindHotkey(uint16_t key, uint8_t shift) const;

    // Runs command 0 (StartProc) or a later one (StartDopProc) of a plug-in, loading its library
    // the first time. A missing library or entry point, or a fault inside the call, lets the
    // library go, so that the next use loads it again; false then.
    bool Run(size_t plugin, int32_t command, uint32_t viewkind, qm_plugin_service service);

private:
    platform::application& app_;
    std::vector<tplgitem> items_;
    std::vector<pluginhotkey> hotkeys_;
};

}  // namespace quillmap
