#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "app/dialogforms.h"
#include "app/statefile.h"
#include "app/tform1.h"
#include "platform/headless/headlessapplication.h"
#include "platform/headless/headlesssystem.h"
#include "support/scratchfolder.h"
#include "support/corpus.h"
#include "support/menutext.h"
#include "support/outlinecheck.h"
#include "support/settingsguard.h"
#include "support/utf8.h"

namespace quillmap {
namespace {

using testing::ItemCalled;

struct formstate : ::testing::Test {
    formstate() {
        app.programfolder = folder.path().string();
        system.SetScreenSize({1024, 768});
        system.SetWorkArea({0, 0, 1024, 740});
    }
    void WriteStateFile(const statedata& state, const settingvalues& settings) {
        bytefile file(folder / "data.dat", bytefile::openmode::writing);
        WriteState(file, state, settings);
        file.Close();
    }
    statedata ReadStateFile(settingvalues& settings) {
        statedata state;
        bytefile file(folder / "data.dat", bytefile::openmode::reading);
        ReadState(file, state, settings);
        return state;
    }

    testing::settingsguard guard;
    testing::scratchfolder folder;
    platform::headlessapplication app;
    platform::headlesssystem system;
};

TEST_F(formstate, TheStateFileSetsUpTheWindowAndTheEndWritesItBack) {
    statedata state;
    state.defaults.left = 2000;
    state.defaults.top = 50;
    state.defaults.width = 3000;
    state.defaults.height = 400;
    state.defaults.allremoved = false;
    state.defaults.ontop = true;
    state.defaults.statusbar = false;
    state.font = {"Courier New", -20, platform::DefaultCharset, 0, 0};
    state.extensions = {".gif"};
    state.recent = {"C:\\one.gif", "C:\\two.gif"};
    state.positions = {{1, 2}, {3, 4}};
    settingvalues settings = DefaultSettings();
    settings.MaxRecentListLen = 2;
    settings.TextBaseSyst = 10;
    settings.ColumnCount = 12;
    settings.SaveOnF2 = true;
    WriteStateFile(state, settings);
    // The list keeps only what the registry still gives to the program.
    system.Registry().WriteValue(".gif", "", "tarnixfile");

    Tform1 form(app, system);
    platform::headlesswindow& window = *app.Windows().at(0);
    form.LoadState();
    // Wider than the screen and past its right edge: brought back onto it.
    EXPECT_EQ(window.Bounds(), (platform::rect{0, 50, 1024, 450}));
    EXPECT_TRUE(form.Menu().OnTop().Checked());
    EXPECT_FALSE(form.Menu().StatusBar().Checked());
    EXPECT_FALSE(window.StatusBar()->Visible());
    EXPECT_EQ(form.Menu().AllRemoved().Shortcut(), "F12");
    EXPECT_EQ(form.Picture().Canvas().Font().face, "Courier New");
    EXPECT_EQ(form.Picture().Canvas().Font().height, -20);
    EXPECT_EQ(Settings().TextBaseSyst, 10);
    EXPECT_EQ(form.View().ColumnCount(), 12);

    form.Exit();
    EXPECT_TRUE(app.Terminated());
    settingvalues written = DefaultSettings();
    const statedata back = ReadStateFile(written);
    EXPECT_EQ(written.TextBaseSyst, 10);
    EXPECT_EQ(written.ColumnCount, 12);
    EXPECT_TRUE(written.SaveOnF2);
    EXPECT_EQ(back.extensions, state.extensions);
    EXPECT_EQ(back.recent, state.recent);
    EXPECT_EQ(back.positions, state.positions);
    EXPECT_EQ(back.defaults.left, 0);
    EXPECT_EQ(back.defaults.width, 1024);
    EXPECT_TRUE(back.defaults.ontop);
    EXPECT_FALSE(back.defaults.statusbar);
    EXPECT_EQ(back.font.face, "Courier New");
}

TEST_F(formstate, AFirstRunCentresTheWindowInTheWorkArea) {
    Tform1 form(app, system);
    platform::headlesswindow& window = *app.Windows().at(0);
    window.SetBounds({0, 0, 800, 500});
    form.LoadState();
    EXPECT_EQ(window.Bounds(), (platform::rect{112, 120, 912, 620}));
    form.Exit();
    EXPECT_TRUE(std::filesystem::exists(folder / "data.dat"));
}

TEST_F(formstate, AStateFileThatCannotBeWrittenIsReportedAndTheProgramStillEnds) {
    std::ofstream(folder / "data.dat", std::ios::binary) << "old";
    // The program's folder is a file now: nothing can be written in it.
    app.programfolder = (folder / "data.dat" / "sub").string();
    Tform1 form(app, system);
    std::vector<std::string> titles;
    app.QueueModalAnswer([&](platform::headlessdialogform& box) {
        titles.push_back(box.Caption());
        box.ClickButton(0);
    });
    form.Exit();
    EXPECT_EQ(titles, std::vector<std::string>{"Настройки не сохранены"});
    EXPECT_TRUE(app.Terminated());
    std::ifstream old(folder / "data.dat", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(old), {}), "old");
}

TEST_F(formstate, TheFineSettingsDialogOpensFromTheMenuAndTheViewFollowsWhatItApplies) {
    Tform1 form(app, system);
    dialogforms dialogs(app, system);
    form.SetFineSettings(dialogs.FineSettings());
    TForm7& dialog = dialogs.FineSettings();
    form.Menu().OnTop().Click();
    const int32_t width = form.View().ContentWidth();
    ItemCalled(form.Menu().Extra(), testing::Utf8(u8"Тонкая настройка...")).Click();
    EXPECT_TRUE(dialog.Visible());
    // The dialog is seen above a window that stays on top of others.
    EXPECT_FALSE(app.Windows().at(0)->Topmost());
    dialog.SelectCell(FindSetting("TextBaseSyst")->row);
    dialog.EditCell("10");
    dialog.GridEnter();
    dialog.SelectCell(FindSetting("SaveOnF2")->row);
    dialog.DoubleClickCell();
    dialog.Button1Click();
    EXPECT_FALSE(dialog.Visible());
    EXPECT_EQ(Settings().TextBaseSyst, 10);
    // Three digits to a code now: the rows are wider.
    EXPECT_GT(form.View().ContentWidth(), width);
    EXPECT_EQ(form.Menu().AllRemoved().Shortcut(), "F12");
    EXPECT_TRUE(app.Windows().at(0)->Topmost());
}

// "Навигация" shows the navigator and hides it; the window closed by the user takes the check
// off, and new margins from the fine settings lay its rows out again.
TEST_F(formstate, NavigationShowsTheNavigatorThatFollowsItsMarginsAndUnchecksWhenClosed) {
    Tform1 form(app, system);
    dialogforms dialogs(app, system);
    form.SetFineSettings(dialogs.FineSettings());
    form.OpenDocument((testing::CorpusDir() / "welcome2.gif").string());
    platform::menuitem& navigation = ItemCalled(form.Menu().Format(), testing::Utf8(u8"Навигация"));
    navigation.Click();
    ASSERT_NE(form.View().Navigator(), nullptr);
    EXPECT_TRUE(navigation.Checked());
    EXPECT_TRUE(form.View().Navigator()->Visible());
    navigation.Click();
    EXPECT_FALSE(form.View().Navigator()->Visible());
    navigation.Click();
    EXPECT_TRUE(form.View().Navigator()->Visible());
    // A click on the title of a block far into the file brings the main window's view and its bar there.
    auto& outlinewindow = static_cast<platform::headlesswindow&>(form.View().Navigator()->Window());
    ASSERT_GT(form.View().Navigator()->Outline().Rows().size(), 15u);
    const outlinerow& far = form.View().Navigator()->Outline().Rows()[15];
    const platform::point title{far.area.left + navigatoroutline::Indent + 2, far.area.top + 2};
    const int32_t farstart = far.node->Start();
    outlinewindow.MouseMove(title);
    outlinewindow.MouseDown(title);
    EXPECT_EQ(form.View().CaretEnd().byte, farstart);
    EXPECT_GT(form.View().ScrollY(), 0);
    EXPECT_EQ(app.Windows().at(0)->ScrollBar(platform::scrollaxis::vertical)->Position(), form.View().ScrollY());

    // The outline is made again from the root: the opened row is closed.
    const auto opened = static_cast<size_t>(std::find_if(form.View().Navigator()->Outline().Rows().begin(),
                                                          form.View().Navigator()->Outline().Rows().end(),
                                                          [](const outlinerow& row) { return row.node->IsContainer(); }) -
                                             form.View().Navigator()->Outline().Rows().begin());
    form.View().Navigator()->Toggle(opened);
    ASSERT_TRUE(form.View().Navigator()->Outline().Rows().at(opened).expanded);
    TForm7& dialog = dialogs.FineSettings();
    ItemCalled(form.Menu().Extra(), testing::Utf8(u8"Тонкая настройка...")).Click();
    dialog.SelectCell(FindSetting("NavigatorOtstupX")->row);
    dialog.EditCell("20");
    dialog.GridEnter();
    dialog.Button1Click();
    EXPECT_EQ(form.View().Navigator()->Outline().Rows().at(0).area.left, 20);
    EXPECT_FALSE(form.View().Navigator()->Outline().Rows().at(opened).expanded);

    auto& window = static_cast<platform::headlesswindow&>(form.View().Navigator()->Window());
    window.Close();
    EXPECT_FALSE(navigation.Checked());
    EXPECT_EQ(form.View().Navigator(), nullptr);
    app.RunPosted();
    navigation.Click();
    ASSERT_NE(form.View().Navigator(), nullptr);
    EXPECT_TRUE(form.View().Navigator()->Visible());
    // Another document comes with a view of its own, whose navigator shows that document.
    form.OpenDocument((testing::CorpusDir() / "depth1.gif").string());
    ASSERT_NE(form.View().Navigator(), nullptr);
    EXPECT_TRUE(form.View().Navigator()->Visible());
    EXPECT_EQ(testing::OutlineMismatch(form.View().Root(), form.View().Navigator()->Outline().Rows()), "");
}

}  // namespace
}  // namespace quillmap
