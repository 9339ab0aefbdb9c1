#include "app/pluginhost.h"

#include "app/libraryscan.h"

namespace quillmap {

namespace {

// The texts of the keys, read into buffers of this many characters.
constexpr size_t ShortcutCapacity = 30;

}  // namespace

pluginhost::pluginhost(platform::application& app) : app_(app) {}

void pluginhost::Scan(platform::menu& plugins, const std::function<void(size_t)>& press) {
    ScanLibraries(app_, "plugins", QM_PLUGIN_SIGNATURE, 10, [&](const std::string& path, const platform::library& library) {
        const size_t index = items_.size();
        platform::menuitem& item = plugins.Add(library.String(QM_PLUGIN_CAPTION_ID, 100));
        item.OnClick([press, index] { press(index); });
        if (const auto first = TextToShortcut(library.String(QM_PLUGIN_FIRST_SHORTCUT_ID, ShortcutCapacity)))
            item.SetShortcut(ShortcutText(first->key, first->shift));
        for (uint32_t id = QM_PLUGIN_FIRST_SHORTCUT_ID;; ++id) {
            const std::string text = library.String(id, ShortcutCapacity);
            if (text.empty()) break;
            // A text that names no key holds its command's place with no key.
            const shortcutkey keys = TextToShortcut(text).value_or(shortcutkey{});
            hotkeys_.push_back({keys, index, static_cast<int32_t>(id - QM_PLUGIN_FIRST_SHORTCUT_ID)});
        }
        items_.push_back({&item, path, nullptr});
    });
}

const pluginhotkey* pluginhost::FindHotkey(uint16_t key, uint8_t shift) const {
    for (const pluginhotkey& hotkey : hotkeys_)
        if (hotkey.keys.key != 0 && hotkey.keys == shortcutkey{key, shift}) return &hotkey;
    return nullptr;
}

bool pluginhost::Run(size_t plugin, int32_t command, uint32_t viewkind, qm_plugin_service service) {
    tplgitem& item = items_[plugin];
    if (!item.library) item.library = app_.OpenLibrary(LibraryPath(app_, item.path));
    bool done = false;
    if (item.library) {
        if (command == 0) {
            if (const auto start = reinterpret_cast<qm_start_proc>(item.library->Entry("StartProc")))
                done = app_.CallGuarded([&] { start(static_cast<qm_cell>(viewkind), service); });
        } else if (const auto start = reinterpret_cast<qm_start_dop_proc>(item.library->Entry("StartDopProc"))) {
            done = app_.CallGuarded([&] { start(static_cast<qm_cell>(viewkind), command, service); });
        }
    }
    if (!done) item.library.reset();
    return done;
}

}  // namespace quillmap
