#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/appearance.h"
#include "app/recentlist.h"
#include "app/tform1.h"
#include "base/settings.h"
#include "dialogs/switcherlayout.h"
#include "dialogs/tform13.h"
#include "platform/headless/headlessapplication.h"
#include "platform/headless/headlesssystem.h"
#include "support/corpus.h"
#include "support/menutext.h"
#include "support/scratchfolder.h"
#include "support/settingsguard.h"
#include "support/utf8.h"

namespace quillmap {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> Split(const std::string& letters) {
    std::vector<std::string> names;
    for (char letter : letters) names.push_back(letter == '.' ? std::string() : std::string(1, letter));
    return names;
}

TEST(RecentList, LeavingAFileBringsItFirstAndDropsTheLast) {
    struct example {
        const char* before;
        const char* left;
        const char* after;
    };
    // '.' is an empty place.
    const example examples[] = {
        {"ABCDE", "F", "FABCD"}, {"ABCDE", "C", "CABDE"}, {"ABCDE", "E", "EABCD"}, {"ABCDE", "A", "ABCDE"},
        {"AB...", "C", "CAB.."}, {"AB...", "B", "BA..."}, {".....", "A", "A...."}, {"A", "B", "B"},
        {"ABCDE", "", "ABCDE"},
    };
    for (const example& e : examples) {
        std::vector<std::string> names = Split(e.before);
        std::vector<recentposition> positions;
        for (size_t i = 0; i < names.size(); ++i) positions.push_back({int32_t(i), int32_t(10 * i)});
        recentlist(names, positions).Remember(e.left, {7, 70});
        EXPECT_EQ(names, Split(e.after)) << e.before << " leaving " << e.left;
        // Each name keeps its own caret; the one left has the caret it was left with.
        const std::vector<std::string> before = Split(e.before);
        for (size_t i = 0; i < names.size(); ++i) {
            if (names[i].empty()) continue;
            const auto old = std::find(before.begin(), before.end(), names[i]);
            const recentposition expected = names[i] == e.left ? recentposition{7, 70}
                                                               : recentposition{int32_t(old - before.begin()),
                                                                                int32_t(10 * (old - before.begin()))};
            EXPECT_EQ(positions[i], expected) << e.before << " leaving " << e.left << " at " << i;
        }
    }
}

TEST(RecentList, RemovingAnEntryMovesTheLaterOnesUp) {
    std::vector<std::string> names = Split("ABC..");
    std::vector<recentposition> positions{{1, 1}, {2, 2}, {3, 3}, {0, 0}, {0, 0}};
    recentlist list(names, positions);
    EXPECT_EQ(list.Count(), 3u);
    list.Remove(*list.Find("A"));
    EXPECT_EQ(names, Split("BC..."));
    EXPECT_EQ(positions, (std::vector<recentposition>{{2, 2}, {3, 3}, {0, 0}, {0, 0}, {0, 0}}));
    EXPECT_EQ(list.Count(), 2u);
    EXPECT_FALSE(list.Find("A"));
}

TEST(SwitcherLayout, RowsWidthAndPlace) {
    platform::headlessapplication app;
    const auto picture = app.CreateBitmap({1, 1});
    platform::canvas& measuring = picture->Canvas();
    const int32_t r = measuring.TextExtent("1").height + 3;
    const auto width = [&](const std::string& name) { return measuring.TextExtent(name).width + 20; };
    const switcherplace place{{100, 100, 700, 500}, {0, 0, 1024, 738}, {1024, 768}, {300, 300}};
    const std::string untitled = SwitcherUntitled;

    // The current document first in the list: no extra row, the first one selected.
    const std::vector<std::string> recent{"C:\\gifs\\a.gif", "D:\\long name.gif", "", ""};
    switcherlayout layout = LayOutSwitcher(recent, "C:\\gifs\\a.gif", measuring, place);
    EXPECT_TRUE(layout.currentinlist);
    EXPECT_EQ(layout.rows, (std::vector<std::string>{"a.gif", "long name.gif"}));
    EXPECT_EQ(layout.rowheight, r);
    EXPECT_EQ(layout.bounds.Height(), 2 * r + 1);
    EXPECT_EQ(layout.bounds.Width(), width("long name.gif"));
    EXPECT_EQ(layout.bounds.left, 100 + (600 - layout.bounds.Width()) / 2);
    EXPECT_EQ(layout.bounds.top, 100 + (400 - layout.bounds.Height()) / 2);

    // A new document: an extra last row for it.
    layout = LayOutSwitcher(recent, "", measuring, place);
    EXPECT_FALSE(layout.currentinlist);
    EXPECT_EQ(layout.rows, (std::vector<std::string>{"a.gif", "long name.gif", untitled}));

    // More files than the work area holds: only the rows that fit.
    const std::vector<std::string> many(99, "C:\\x.gif");
    layout = LayOutSwitcher(many, "C:\\x.gif", measuring, {place.mainwindow, {0, 0, 1024, 10 * r + 5}, {1024, 768}, {}});
    EXPECT_EQ(layout.rows.size(), 10u);
    EXPECT_EQ(layout.bounds.Height(), 10 * r + 1);

    // A name wider than the work area: exactly as wide as it, at the screen's left.
    const std::string wide = "C:\\" + std::string(400, 'W') + ".gif";
    layout = LayOutSwitcher({wide}, wide, measuring, place);
    EXPECT_EQ(layout.bounds.Width(), 1024);
    EXPECT_EQ(layout.bounds.left, 0);

    // A main window at the screen's bottom: the list goes above the mouse.
    layout = LayOutSwitcher(recent, "", measuring, {{100, 700, 700, 1100}, {0, 0, 1024, 738}, {1024, 768}, {300, 600}});
    EXPECT_EQ(layout.bounds.bottom, 600 - 1);
}

// The main window with the switcher, two files of the corpus copied to a folder of its own.
struct recentfiles : ::testing::Test {
    recentfiles() {
        for (const char* name : {"a.gif", "b.gif"}) {
            fs::copy_file(testing::CorpusDir() / "welcome2.gif", folder / name);
            fs::permissions(folder / name, fs::perms::owner_read | fs::perms::owner_write);
        }
        form.SetSwitcher(switcher);
    }
    std::string Path(const char* name) const { return (folder / name).string(); }
    // The file chosen in the open dialog.
    void Open(const char* name) {
        app.QueueFileAnswer(Path(name));
        form.OpenCommand();
    }
    std::vector<std::string> FileMenu() {
        form.OnEnterMenuLoop();
        return testing::MenuLines(form.Menu().Bar().Item(0).Items());
    }

    testing::settingsguard settings;
    testing::scratchfolder scratch;
    const fs::path& folder = scratch.path();
    platform::headlessapplication app;
    platform::headlesssystem system;
    Tform1 form{app, system};
    TForm13 switcher{app, system};
    platform::headlesswindow& window = *app.Windows().at(0);
};

TEST_F(recentfiles, TheFileLeftIsOfferedInTheFileMenuOrItsSubmenu) {
    Open("a.gif");
    EXPECT_EQ(FileMenu().size(), 8u);
    Open("b.gif");
    const std::vector<std::string> lines = FileMenu();
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[5], "---");
    EXPECT_EQ(lines[6], "a.gif\t");
    EXPECT_EQ(lines[7], "---");

    Settings().RecListinSubMenu = true;
    const std::vector<std::string> sub = FileMenu();
    ASSERT_EQ(sub.size(), 9u);
    EXPECT_EQ(sub[6], testing::Utf8(u8"Последние файлы\tCtrl+Tab"));
    const platform::menu& recent = form.Menu().Bar().Item(0).Items().Item(6).Items();
    EXPECT_EQ(testing::MenuLines(recent), (std::vector<std::string>{"a.gif\t"}));
}

TEST_F(recentfiles, CtrlTabReopensTheFileLeftWithItsCaret) {
    Open("a.gif");
    form.View().SetPosition(3, 5, false);
    form.View().SetPosition(3, 5, true);
    Open("b.gif");
    EXPECT_EQ(form.View().Caret().line, 0);

    window.KeyDown(platform::vkTab, platform::ssCtrl);
    ASSERT_TRUE(switcher.Visible());
    // a.gif, then the current b.gif, which the list does not hold yet.
    EXPECT_EQ(switcher.Layout().rows, (std::vector<std::string>{"a.gif", "b.gif"}));
    EXPECT_EQ(switcher.SelectedIndex(), 0);
    window.KeyDown(platform::vkTab, platform::ssCtrl);
    EXPECT_TRUE(switcher.SelectedIsUnlistedCurrent());
    window.KeyDown(platform::vkTab, platform::ssCtrl | platform::ssShift);
    EXPECT_EQ(switcher.SelectedIndex(), 0);
    // Tab itself going up while Ctrl is held opens nothing.
    window.KeyUp(platform::vkTab, platform::ssCtrl);
    EXPECT_EQ(form.DocumentName(), Path("b.gif"));

    window.KeyUp(platform::vkControl, 0);
    EXPECT_FALSE(switcher.Visible());
    EXPECT_EQ(form.DocumentName(), Path("a.gif"));
    EXPECT_EQ(form.View().Caret().column, 3);
    EXPECT_EQ(form.View().Caret().line, 5);
    EXPECT_FALSE(form.View().HasSelection());
    // b.gif was left for it, and is now first.
    EXPECT_EQ(FileMenu()[6], "b.gif\t");

    // With a new document the extra row stands for it, and choosing it stays there.
    form.NewDocument();
    window.KeyDown(platform::vkTab, platform::ssCtrl);
    EXPECT_EQ(switcher.Layout().rows.back(), SwitcherUntitled);
    window.KeyDown(platform::vkTab, platform::ssCtrl | platform::ssShift);
    ASSERT_TRUE(switcher.SelectedIsUnlistedCurrent());
    window.KeyUp(platform::vkControl, 0);
    EXPECT_EQ(form.DocumentName(), "");
}

TEST_F(recentfiles, ARecentFileDeletedBeepsAndLeavesTheList) {
    Open("a.gif");
    Open("b.gif");
    fs::remove(folder / "a.gif");
    ASSERT_EQ(FileMenu()[6], "a.gif\t");
    form.Menu().Bar().Item(0).Items().Item(6).Click();
    EXPECT_EQ(system.Beeps(), 1);
    EXPECT_EQ(form.DocumentName(), Path("b.gif"));
    EXPECT_EQ(FileMenu()[6], "b.gif\t");
    EXPECT_EQ(FileMenu().size(), 9u);
}

TEST_F(recentfiles, APinnedAppearanceComesBackWithItsFileOnly) {
    Open("a.gif");
    // a.gif without its status bar, at a place of its own.
    window.SetBounds({200, 150, 900, 650});
    form.ToggleStatusBar();
    ASSERT_TRUE(form.addfls(Path("a.gif")));

    // b.gif takes the default look.
    Open("b.gif");
    EXPECT_TRUE(form.Menu().StatusBar().Checked());
    window.SetBounds({10, 20, 610, 420});

    Open("a.gif");
    EXPECT_FALSE(form.Menu().StatusBar().Checked());
    EXPECT_EQ(window.Bounds(), (platform::rect{200, 150, 900, 650}));
    Open("b.gif");
    EXPECT_TRUE(form.Menu().StatusBar().Checked());
    EXPECT_EQ(window.Bounds(), (platform::rect{10, 20, 610, 420}));
}

TEST_F(recentfiles, APinnedModeSwitchesWithoutItsWarning) {
    int warnings = 0;
    const auto warned = [&warnings](platform::headlessdialogform& box) {
        ++warnings;
        box.ClickButton(0);
    };
    Open("a.gif");
    app.QueueModalAnswer(warned);
    form.ToggleAllRemoved();
    ASSERT_EQ(warnings, 1);
    ASSERT_TRUE(form.addfls(Path("a.gif")));
    // Left for the default look: the mode goes off, which never warns.
    Open("b.gif");
    EXPECT_FALSE(form.Menu().AllRemoved().Checked());
    app.QueueModalAnswer(warned);
    Open("a.gif");
    EXPECT_TRUE(form.Menu().AllRemoved().Checked());
    EXPECT_EQ(warnings, 1);
    EXPECT_FALSE(window.TitleBarShown());
}

}  // namespace
}  // namespace quillmap
