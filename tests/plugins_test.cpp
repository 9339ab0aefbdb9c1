#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/pluginservices.h"
#include "app/tform1.h"
#include "platform/headless/headlessapplication.h"
#include "platform/headless/headlesssystem.h"
#include "platform/keys.h"
#include "support/corpus.h"
#include "support/menutext.h"
#include "support/scratchfolder.h"
#include "support/settingsguard.h"
#include "support/utf8.h"

namespace quillmap::testing {
namespace {

namespace fs = std::filesystem;
using platform::headlesslibraryfile;

// What the test plug-ins were called with, and what their commands do with the services.
struct startcall {
    qm_cell viewkind;
    qm_cell command;
    friend bool operator==(const startcall&, const startcall&) = default;
};
std::vector<startcall> starts;
std::function<void(qm_plugin_service)> script;

void QM_CALL TestStartProc(qm_cell viewkind, qm_plugin_service service) {
    starts.push_back({viewkind, 0});
    if (script) script(service);
}
void QM_CALL TestStartDopProc(qm_cell viewkind, qm_cell command, qm_plugin_service service) {
    starts.push_back({viewkind, command});
    if (script) script(service);
}

template <typename Service>
Service Get(qm_plugin_service lookup, qm_cell request) {
    void* address = nullptr;
    lookup(request, &address);
    return reinterpret_cast<Service>(address);
}

headlesslibraryfile Plugin(std::map<uint32_t, std::string> strings) {
    headlesslibraryfile file;
    file.strings = std::move(strings);
    file.entries = {{"StartProc", reinterpret_cast<void*>(&TestStartProc)},
                    {"StartDopProc", reinterpret_cast<void*>(&TestStartDopProc)}};
    return file;
}

class Plugins : public ::testing::Test {
protected:
    Plugins() {
        starts.clear();
        script = nullptr;
        app.programfolder = folder.path().string();
        const std::string plugins = app.programfolder + "\\plugins\\";
        app.libraryfiles[plugins + "checksum.dll"] =
            Plugin({{1, "plugindll"}, {2, "Контрольная сумма"}, {3, "Ctrl+F5"}, {4, "Ctrl+F9"}, {5, "ctrl+shift+f9"},
                    {7, "Alt+Q"}});
        app.libraryfiles[plugins + "short.dll"] = Plugin({{1, "plugindl"}, {2, "Обрезанная подпись"}});
        app.libraryfiles[plugins + "unsigned.dll"] = Plugin({{2, "Без подписи"}});
        app.libraryfiles[plugins + "plain.dll"] = Plugin({{1, "plugindll"}, {2, "Без клавиш"}});
        app.libraryfiles[app.programfolder + "\\skins\\wrong.dll"] = Plugin({{1, "plugindll"}, {2, "Не там"}});
        fs::copy_file(CorpusDir() / "x-trans.gif", folder / "x-trans.gif");
        form.ScanPlugins();
        form.OpenDocument((folder / "x-trans.gif").string());
    }
    platform::menu& PluginMenu() { return form.Menu().Plugins(); }
    void Run(const char8_t* caption, std::function<void(qm_plugin_service)> command) {
        script = std::move(command);
        ItemCalled(PluginMenu(), Utf8(caption)).Click();
        script = nullptr;
    }
    std::string Document() {
        const std::vector<uint8_t>& bytes = form.View().Bytes();
        return {bytes.begin(), bytes.end()};
    }
    static std::string Original() {
        const std::vector<uint8_t> bytes = ReadFile(CorpusDir() / "x-trans.gif");
        return {bytes.begin(), bytes.end()};
    }
    platform::headlesswindow& Window() { return *app.Windows().at(0); }

    settingsguard guard;
    scratchfolder folder;
    platform::headlessapplication app;
    platform::headlesssystem system;
    Tform1 form{app, system};
};

TEST_F(Plugins, TheScanAddsSignedPluginsWithTheirKeysAndLetsEveryLibraryGo) {
    EXPECT_EQ(MenuLines(PluginMenu()),
              (std::vector<std::string>{Utf8(u8"Скачать новый...\t"), Utf8(u8"Контрольная сумма\tCtrl+F9"),
                                        Utf8(u8"Без клавиш\t")}));
    // Ids 4, 5, ... are the commands' keys up to the first id without text; 3 is not one of them.
    const std::vector<pluginhotkey>& hotkeys = form.Plugins().Hotkeys();
    ASSERT_EQ(hotkeys.size(), 2u);
    EXPECT_EQ(hotkeys[0].keys, (shortcutkey{platform::vkF1 + 8, platform::ssCtrl}));
    EXPECT_EQ(hotkeys[0].command, 0);
    EXPECT_EQ(hotkeys[1].keys, (shortcutkey{platform::vkF1 + 8, platform::ssCtrl | platform::ssShift}));
    EXPECT_EQ(hotkeys[1].command, 1);
    EXPECT_EQ(form.Plugins().Items()[0].path, "plugins\\checksum.dll");
    EXPECT_EQ(app.LiveLibraries(), 0);
}

TEST_F(Plugins, ShortcutTextsReadBackAsTheKeysTheyName) {
    const struct {
        const char* text;
        std::optional<shortcutkey> keys;
        const char* shown;
    } samples[] = {
        {"Ctrl+F9", shortcutkey{platform::vkF1 + 8, platform::ssCtrl}, "Ctrl+F9"},
        {"shift+ctrl+a", shortcutkey{'A', platform::ssCtrl | platform::ssShift}, "Ctrl+Shift+A"},
        {"Alt+Del", shortcutkey{platform::vkDelete, platform::ssAlt}, "Alt+Del"},
        {"F24", shortcutkey{platform::vkF1 + 23, 0}, "F24"},
        {"Ctrl+PgDn", shortcutkey{platform::vkNext, platform::ssCtrl}, "Ctrl+PgDn"},
        {"7", shortcutkey{'7', 0}, "7"},
        {"Ctrl+", std::nullopt, ""},
        {"Ctrl+F25", std::nullopt, ""},
        {"Hyper+X", std::nullopt, ""},
        {"", std::nullopt, ""},
    };
    for (const auto& sample : samples) {
        const std::optional<shortcutkey> keys = TextToShortcut(sample.text);
        EXPECT_EQ(keys, sample.keys) << sample.text;
        if (keys) {
            EXPECT_EQ(ShortcutText(keys->key, keys->shift), sample.shown) << sample.text;
        }
    }
}

TEST_F(Plugins, ItemsAndKeysRunTheirCommandsWithTheLibraryLoadedOnce) {
    ItemCalled(PluginMenu(), Utf8(u8"Контрольная сумма")).Click();
    Window().KeyDown(platform::vkF1 + 8, platform::ssCtrl | platform::ssShift);
    Window().KeyDown(platform::vkF1 + 8, platform::ssCtrl);
    // Not a key of any plug-in: Shift alone.
    Window().KeyDown(platform::vkF1 + 8, platform::ssShift);
    EXPECT_EQ(starts, (std::vector<startcall>{{QM_VIEW_GIF, 0}, {QM_VIEW_GIF, 1}, {QM_VIEW_GIF, 0}}));
    const std::string library = app.programfolder + "\\plugins\\checksum.dll";
    EXPECT_EQ(std::count(app.libraryloads.begin(), app.libraryloads.end(), library), 2) << "the scan's and the first use's";
    EXPECT_EQ(app.LiveLibraries(), 1);
}

TEST_F(Plugins, AFaultOrAMissingEntryLetsTheLibraryGoAndTheNextUseLoadsItAgain) {
    const std::string library = app.programfolder + "\\plugins\\checksum.dll";
    Run(u8"Контрольная сумма", [](qm_plugin_service) { throw std::runtime_error("fault"); });
    EXPECT_EQ(app.LiveLibraries(), 0);
    Run(u8"Контрольная сумма", [](qm_plugin_service) {});
    EXPECT_EQ(app.LiveLibraries(), 1);
    EXPECT_EQ(std::count(app.libraryloads.begin(), app.libraryloads.end(), library), 3);
    // A plug-in without StartDopProc: its further command fails quietly.
    app.libraryfiles[app.programfolder + "\\plugins\\plain.dll"].entries.erase("StartProc");
    ItemCalled(PluginMenu(), Utf8(u8"Без клавиш")).Click();
    EXPECT_EQ(app.LiveLibraries(), 1);
    EXPECT_EQ(starts.size(), 2u);
}

TEST_F(Plugins, TheLookupKnowsRequestsZeroToEighteenButSeven) {
    Run(u8"Без клавиш", [](qm_plugin_service lookup) {
        EXPECT_EQ(Get<qm_plugin_service>(lookup, QM_SERVICE), lookup);
        for (qm_cell request : {-1, 7, 19, 1000}) EXPECT_EQ(Get<void*>(lookup, request), nullptr) << request;
        for (qm_cell request = 1; request <= 18; ++request)
            if (request != 7) {
                EXPECT_NE(Get<void*>(lookup, request), nullptr) << request;
            }
    });
}

TEST_F(Plugins, TextServicesTellTheLengthOrCopyWhatTheCapacityHolds) {
    const std::string name = form.DocumentName();
    Run(u8"Без клавиш", [&](qm_plugin_service lookup) {
        const auto documentname = Get<qm_document_name>(lookup, QM_DOCUMENT_NAME);
        qm_cell length = 0;
        EXPECT_EQ(documentname(&length, nullptr), static_cast<qm_cell>(name.size()));
        EXPECT_EQ(length, static_cast<qm_cell>(name.size()));
        char buffer[8] = "-------";
        length = 3;
        EXPECT_EQ(documentname(&length, buffer), 3);
        EXPECT_EQ(std::string(buffer, 4), name.substr(0, 3) + "-");
        length = 1000;
        std::string whole(1000, '\0');
        EXPECT_EQ(documentname(&length, whole.data()), static_cast<qm_cell>(name.size()));
        EXPECT_EQ(whole.substr(0, name.size()), name);
        // A line of the view, and the selection, the same way.
        const auto getline = Get<qm_get_line>(lookup, QM_GET_LINE);
        length = 1000;
        getline(0, &length, whole.data());
        EXPECT_EQ(whole.substr(0, static_cast<size_t>(length)), form.View().GetLine(0));
    });
}

TEST_F(Plugins, PositionServicesReadAndMoveTheCaretAndTheAnchor) {
    Run(u8"Без клавиш", [&](qm_plugin_service lookup) {
        const auto getposition = Get<qm_get_position>(lookup, QM_GET_POSITION);
        const auto setposition = Get<qm_set_position>(lookup, QM_SET_POSITION);
        qm_cell column = -1, line = -1;
        EXPECT_EQ(setposition(2, 1, 0), 1);
        EXPECT_EQ(setposition(2, 1, 1), 1);
        // Without a selection the anchor is where the caret is.
        getposition(&column, &line, 0);
        EXPECT_EQ((textpos{column, line}), form.View().Caret());
        EXPECT_EQ((textpos{column, line}), (textpos{2, 1}));
        // A line past the last is brought to the last, and said so.
        EXPECT_EQ(setposition(0, 1000000, 1), 0);
        getposition(&column, &line, 1);
        EXPECT_EQ(line, form.View().LastLine());
        qm_cell end = -1;
        Get<qm_end_position>(lookup, QM_END_POSITION)(&end);
        EXPECT_EQ(end, form.View().PositionToLinear(static_cast<int32_t>(form.View().GetLine(line).size()), line));
        qm_cell width = 0, height = 0;
        Get<qm_view_size>(lookup, QM_VIEW_SIZE)(&width, &height);
        EXPECT_EQ(width, form.View().ClientWidth());
        EXPECT_EQ(height, form.View().ClientHeight());
    });
}

// The walk's callbacks are plain functions: what they saw and do lives here.
std::string walked;
qm_cell walkcalls = 0;

TEST_F(Plugins, BlockAndFieldReadsGiveTheWholeDocumentInOrder) {
    walked.clear();
    Run(u8"Без клавиш", [](qm_plugin_service lookup) {
        Get<qm_read_blocks>(lookup, QM_READ_BLOCKS)([](qm_cell count, const uint8_t* bytes, qm_cell*) {
            walked.append(reinterpret_cast<const char*>(bytes), static_cast<size_t>(count));
        });
    });
    EXPECT_EQ(walked, Original());
    walked.clear();
    walkcalls = 0;
    Run(u8"Без клавиш", [](qm_plugin_service lookup) {
        Get<qm_read_fields>(lookup, QM_READ_FIELDS)(
            [](qm_serial, qm_cell count, const uint8_t* bytes, qm_cell* descend, qm_cell*) {
                ++walkcalls;
                EXPECT_EQ(*descend, 0);
                if (bytes != nullptr) walked.append(reinterpret_cast<const char*>(bytes), static_cast<size_t>(count));
            });
    });
    EXPECT_EQ(walked, Original());
    EXPECT_GT(walkcalls, 3);
    EXPECT_FALSE(form.Modified());
}

TEST_F(Plugins, RewritesReplaceTheDocumentWithoutHistoryAndMarkItChanged) {
    // The comment extension of x-trans.gif, "Made with GIMP", is a top-level piece: dropped.
    Run(u8"Без клавиш", [](qm_plugin_service lookup) {
        Get<qm_rewrite_fields>(lookup, QM_REWRITE_FIELDS)(
            [](qm_serial, qm_cell* count, const uint8_t** bytes, qm_cell*, qm_cell*) {
                if (*count >= 2 && (*bytes)[0] == 0x21 && (*bytes)[1] == 0xFE) *count = 0;
            });
    });
    std::string expected = Original();
    expected.erase(781, 18);
    EXPECT_EQ(Document(), expected);
    EXPECT_TRUE(form.Modified());
    EXPECT_FALSE(form.View().CanUndo());
    // A block rewrite that stops after the first block keeps the rest.
    Run(u8"Без клавиш", [](qm_plugin_service lookup) {
        Get<qm_rewrite_blocks>(lookup, QM_REWRITE_BLOCKS)([](qm_cell* count, const uint8_t** bytes, qm_cell* last) {
            static const uint8_t replacement[] = "GIF";
            *bytes = replacement;
            *count = 3;
            *last = 1;
        });
    });
    EXPECT_EQ(Document().substr(0, 3), "GIF");
    EXPECT_EQ(Document().size(), 3 + expected.size() - std::min<size_t>(expected.size(), Settings().Shag));
}

TEST_F(Plugins, TheSelectionIsReadAndReplacedAsOneEdit) {
    form.View().SetPosition(0, 0, false);
    form.View().SetPosition(3, 0, true);
    const std::string selected = form.View().SelectedText();
    ASSERT_FALSE(selected.empty());
    std::string seen;
    Run(u8"Без клавиш", [&](qm_plugin_service lookup) {
        qm_cell length = 0;
        Get<qm_get_selection>(lookup, QM_GET_SELECTION)(&length, nullptr);
        seen.resize(static_cast<size_t>(length));
        Get<qm_get_selection>(lookup, QM_GET_SELECTION)(&length, seen.data());
        Get<qm_replace_selection>(lookup, QM_REPLACE_SELECTION)(2, "AB");
    });
    EXPECT_EQ(seen, selected);
    EXPECT_EQ(Document().substr(0, 2), "AB");
    EXPECT_TRUE(form.Modified());
    form.Undo();
    EXPECT_EQ(Document(), Original());
}

TEST_F(Plugins, KeysTypingOpeningAndSavingGoThroughTheWindow) {
    const std::string copy = (folder / "copy.gif").string();
    Run(u8"Без клавиш", [&](qm_plugin_service lookup) {
        Get<qm_key_down>(lookup, QM_KEY_DOWN)(platform::vkEnd, QM_CTRL);
        Get<qm_save>(lookup, QM_SAVE)(static_cast<qm_cell>(copy.size()), copy.data());
    });
    EXPECT_EQ(form.View().Caret().line, form.View().LastLine());
    EXPECT_EQ(form.DocumentName(), copy);
    EXPECT_EQ(ReadFile(copy), ReadFile(CorpusDir() / "x-trans.gif"));
    const std::string other = (CorpusDir() / "depth1.gif").string();
    // Run from its key with Ctrl held, the plug-in's character is still typed.
    script = [&](qm_plugin_service lookup) {
        Get<qm_open>(lookup, QM_OPEN)(static_cast<qm_cell>(other.size()), other.data());
        Get<qm_type_char>(lookup, QM_TYPE_CHAR)('7');
    };
    Window().KeyDown(platform::vkF1 + 8, platform::ssCtrl);
    EXPECT_EQ(form.DocumentName(), other);
    // The first digit of "G" (0x47) typed over.
    EXPECT_EQ(form.View().Bytes()[0], 0x77);
    EXPECT_TRUE(form.Modified());
}

}  // namespace
}  // namespace quillmap::testing
