#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>

#include "app/tform1.h"
#include "platform/headless/headlessapplication.h"
#include "platform/headless/headlesssystem.h"
#include "support/scratchfolder.h"
#include "support/corpus.h"
#include "support/settingsguard.h"

namespace quillmap {
namespace {

using platform::extent;
using platform::rect;
using platform::scrollaxis;

// Every message window made has been let go.
bool NoDialogLeft(const platform::headlessapplication& app) {
    return std::all_of(app.Dialogs().begin(), app.Dialogs().end(), [](const auto* dialog) { return dialog == nullptr; });
}

struct mainwindow : ::testing::Test {
    testing::settingsguard settings;
    platform::headlessapplication app;
    platform::headlesssystem system;
    Tform1 form{app, system};
    platform::headlesswindow& window = *app.Windows().at(0);

    platform::headlessscrollbar& Bar(scrollaxis axis) { return *window.ScrollBar(axis); }
    platform::headlesscanvas& Picture() { return dynamic_cast<platform::headlesscanvas&>(form.Picture().Canvas()); }
    void Open(const char* name) { form.OpenDocument((testing::CorpusDir() / name).string()); }
};

TEST_F(mainwindow, ThePictureTheBarsAndTheStatusBarShareTheClientArea) {
    // 792 x 454: the picture 774 x 417, the vertical bar right of it, the horizontal one under
    // it, the status bar 19 high along the bottom.
    EXPECT_EQ(form.Picture().Size(), (extent{774, 417}));
    EXPECT_EQ(Bar(scrollaxis::vertical).Area(), (rect{774, 0, 792, 417}));
    EXPECT_EQ(Bar(scrollaxis::horizontal).Area(), (rect{0, 417, 774, 435}));
    EXPECT_EQ(window.StatusBar()->Area(), (rect{0, 435, 792, 454}));
    EXPECT_EQ(window.StatusBar()->Widths(), (std::vector<int32_t>{70, 70, 80, 60, 80}));
    EXPECT_EQ(window.StatusBar()->CentredCount(), 4);
    // Margins of 2: the view sees 792 - 18 - 4 by 454 - 18 - 4 - 19.
    EXPECT_EQ(form.MarginX(), 2);
    EXPECT_EQ(form.View().ClientWidth(), 770);
    EXPECT_EQ(form.View().ClientHeight(), 413);
    EXPECT_EQ(form.View().Origin(), (platform::point{2, 2}));
    EXPECT_EQ(Bar(scrollaxis::vertical).LargeChange(), 363);  // round(0.8 * 454)
    EXPECT_EQ(Bar(scrollaxis::horizontal).LargeChange(), 634);  // round(0.8 * 792)
}

TEST_F(mainwindow, ANarrowWindowHalvesItsMargin) {
    window.Resize({20, 454});  // 2 pixels beside the bar: less than two margins of 2
    EXPECT_EQ(form.MarginX(), 1);
    window.Resize({10, 454});  // no room at all: half of -8, one less
    EXPECT_EQ(form.MarginX(), -5);
    window.Resize({22, 454});
    EXPECT_EQ(form.MarginX(), 2);
}

TEST_F(mainwindow, ScrollBarRangesFollowTheContentAfterResizing) {
    // An empty document fits the height; across, the description column keeps its 500 pixels
    // (770 - 303 would be less), so the content is 83 + 21 + 56 + 144 + 500 = 804 wide.
    EXPECT_FALSE(Bar(scrollaxis::vertical).Enabled());
    EXPECT_TRUE(Bar(scrollaxis::horizontal).Enabled());
    EXPECT_EQ(Bar(scrollaxis::horizontal).Maximum(), 804);
    EXPECT_EQ(Bar(scrollaxis::horizontal).Page(), 770);

    Open("welcome2.gif");
    platform::headlessscrollbar& down = Bar(scrollaxis::vertical);
    EXPECT_TRUE(down.Enabled());
    EXPECT_EQ(down.Maximum(), form.View().ContentHeight());
    EXPECT_EQ(down.Page(), 413);
    EXPECT_EQ(down.SmallChange(), 13);

    window.Resize({1200, 800});
    EXPECT_EQ(down.Page(), 800 - 18 - 4 - 19);
    EXPECT_EQ(down.Maximum(), form.View().ContentHeight());
    // The description column takes the new width: 1178 - 83 - 64 - 12 - 144 = 875, and the
    // content is 83 + 21 + 56 + 144 + 875 = 1179 wide, one pixel more than the view shows.
    platform::headlessscrollbar& across = Bar(scrollaxis::horizontal);
    EXPECT_TRUE(across.Enabled());
    EXPECT_EQ(across.Maximum(), 1179);
    EXPECT_EQ(across.Page(), 1178);
}

TEST_F(mainwindow, MovingABarScrollsAndRedrawsTheView) {
    Open("welcome2.gif");
    Picture().ClearOperations();
    window.Scroll(scrollaxis::vertical, 100);
    EXPECT_EQ(form.View().ScrollY(), 100);
    EXPECT_EQ(Bar(scrollaxis::vertical).Position(), 100);
    EXPECT_FALSE(Picture().Operations().empty());
    EXPECT_EQ(window.Presented().back(), (rect{1, 1, 773, 416}));

    // Never past the last page.
    window.Scroll(scrollaxis::vertical, 1 << 30);
    const int32_t last = Bar(scrollaxis::vertical).Maximum() - Bar(scrollaxis::vertical).Page();
    EXPECT_EQ(form.View().ScrollY(), last);

    // A window tall enough for everything brings the view back to the top.
    window.Resize({792, 1 << 20});
    EXPECT_EQ(form.View().ScrollY(), 0);
    EXPECT_FALSE(Bar(scrollaxis::vertical).Enabled());
}

TEST_F(mainwindow, TheMenusRunTheWindowsCommands) {
    EXPECT_EQ(window.MenuBar(), &form.Menu().Bar());
    Open("welcome2.gif");
    const std::vector<uint8_t> original = form.View().Bytes();
    form.View().ReplaceBytes(6, 1, "\x07", 0, 7);
    form.Menu().UpdateUndoRedo(form.View().CanUndo(), form.View().CanRedo());
    ASSERT_TRUE(form.Menu().Undo().Enabled());
    form.Menu().Undo().Click();
    EXPECT_EQ(form.View().Bytes(), original);
    EXPECT_TRUE(form.Modified());
    EXPECT_FALSE(form.Menu().Undo().Enabled());
    EXPECT_TRUE(form.Menu().Redo().Enabled());

    // "Строка состояния" hides the status bar, and the picture takes its 19 pixels.
    form.Menu().StatusBar().Click();
    EXPECT_FALSE(form.Menu().StatusBar().Checked());
    EXPECT_FALSE(window.StatusBar()->Visible());
    EXPECT_EQ(form.Picture().Size(), (extent{774, 436}));
    // Without the status bar the corner between the bars is a size grip.
    platform::headlesscanvas screen;
    window.Paint(screen);
    EXPECT_EQ(screen.Operations().back().what, platform::drawop::kind::sizegrip);
    EXPECT_EQ(screen.Operations().back().area, (rect{774, 436, 792, 454}));
    form.Menu().StatusBar().Click();
    EXPECT_EQ(form.Picture().Size(), (extent{774, 417}));

    // A new document ("Нет" to keeping the changes) has nothing to undo.
    app.QueueModalAnswer([](platform::headlessdialogform& box) { box.ClickButton(1); });
    form.Menu().Bar().Item(0).Submenu()->Item(0).Click();  // "Файл", "Новый"
    EXPECT_EQ(form.View().DocumentLength(), 0);
    EXPECT_FALSE(form.Menu().Redo().Enabled());
}

TEST_F(mainwindow, TheModifiedMarkPrefixesTheCaption) {
    Open("welcome2.gif");
    EXPECT_EQ(window.Caption(), "welcome2.gif - Quillmap");
    form.SetModified(true);
    EXPECT_EQ(window.Caption(), "* welcome2.gif - Quillmap");
    form.SetModified(true);
    EXPECT_EQ(window.Caption(), "* welcome2.gif - Quillmap");
    form.SetModified(false);
    EXPECT_EQ(window.Caption(), "welcome2.gif - Quillmap");
}

TEST_F(mainwindow, TheCaretBlinksWhileTheWindowIsActiveAndOnlyAfterTheFirstPaint) {
    EXPECT_TRUE(window.Timers().empty());
    window.Activate(true);
    EXPECT_EQ(window.Timers().at(Tform1::CaretTimer), 500);
    const auto inverted = [&] {
        int count = 0;
        for (const platform::drawop& op : Picture().Operations())
            count += op.what == platform::drawop::kind::polyline && op.pen.mode == platform::penmode::invert;
        return count;
    };
    Picture().ClearOperations();
    window.Tick(Tform1::CaretTimer);
    EXPECT_EQ(inverted(), 0);
    EXPECT_FALSE(form.CaretDrawn());

    platform::headlesscanvas screen;
    window.Paint(screen);
    window.Tick(Tform1::CaretTimer);
    EXPECT_TRUE(form.CaretDrawn());
    ASSERT_EQ(inverted(), 1);
    // In insert mode a two-pixel bar a line high at the caret. In the empty document the caret
    // stands after the end, at the right end of the first cell:
    // x = 2 + round(3 * 0.6 * 7) + 8 * 7 + 0 + 1 + 14 = 86, y = 2 + 13 + 0 + 3 + 4 = 22.
    const platform::drawop* bar = nullptr;
    for (const platform::drawop& op : Picture().Operations())
        if (op.pen.mode == platform::penmode::invert) bar = &op;
    EXPECT_EQ(bar->points, (std::vector<platform::point>{{86, 22}, {86, 35}, {85, 35}, {85, 21}}));
    EXPECT_EQ(window.Presented().back(), (rect{85, 21, 87, 36}));
    window.Tick(Tform1::CaretTimer);
    EXPECT_FALSE(form.CaretDrawn());
    EXPECT_EQ(inverted(), 2);

    // Leaving the window hides the caret and stops the blinking; a dialog does the same.
    window.Tick(Tform1::CaretTimer);
    window.Activate(false);
    EXPECT_FALSE(form.CaretDrawn());
    EXPECT_EQ(inverted(), 4);
    EXPECT_TRUE(window.Timers().empty());
    form.EndDialog();
    EXPECT_TRUE(form.CaretDrawn());
    form.BeginDialog();
    EXPECT_FALSE(form.CaretDrawn());
    EXPECT_TRUE(window.Timers().empty());
}

TEST_F(mainwindow, TheDocumentInformationGoesOnlyAfterItsOwnHandlerHasReturned) {
    using platform::headlessdialogform;
    struct ending {
        const char* what;
        std::function<void(headlessdialogform&)> act;
        bool backinthewindow;  // the main window is the active one afterwards
    };
    const ending endings[] = {
        {"its button", [](headlessdialogform& info) { info.ClickButton(0); }, true},
        {"Enter on its button", [](headlessdialogform& info) { info.PressEnter(); }, true},
        {"Esc", [](headlessdialogform& info) { info.PressKey(platform::EscapeKey); }, true},
        {"its title bar's close box", [](headlessdialogform& info) { info.CloseFromTitleBar(); }, true},
        {"a click on the main window", [this](headlessdialogform&) { window.Activate(true); }, true},
        {"a switch to another program", [this](headlessdialogform&) { app.Activate(nullptr); }, false},
    };
    for (const ending& end : endings) {
        SCOPED_TRACE(end.what);
        window.Activate(true);
        window.KeyDown('I', platform::ssCtrl);
        ASSERT_NE(form.InfoWindow(), nullptr);
        auto& info = static_cast<headlessdialogform&>(form.InfoWindow()->Form());
        ASSERT_EQ(app.ActiveWindow(), &info);
        EXPECT_TRUE(window.Timers().empty());
        // Destroying the window activates the main window before the handler returns.
        end.act(info);
        app.RunPosted();
        EXPECT_EQ(form.InfoWindow(), nullptr);
        EXPECT_TRUE(NoDialogLeft(app));
        EXPECT_EQ(app.ActiveWindow() == &window, end.backinthewindow);
        EXPECT_EQ(window.Timers().count(Tform1::CaretTimer), end.backinthewindow ? 1u : 0u);
    }
}

// The form made and let go within a test, as the program makes it at its start and ends it.
struct mainwindowlifetime : ::testing::Test {
    mainwindowlifetime() { app.programfolder = programfolder.path().string(); }
    testing::settingsguard settings;
    testing::scratchfolder programfolder;  // where the state file goes when the window closes
    platform::headlessapplication app;
    platform::headlesssystem system;
};

TEST_F(mainwindowlifetime, TheMenuBarsArrivalFindsTheViewInPlace) {
    // The menu bar resizes the window as soon as it is set, and the form lays itself out then.
    Tform1 form(app, system);
    EXPECT_EQ(app.Windows().at(0)->MenuBar(), &form.Menu().Bar());
    EXPECT_EQ(form.View().ClientWidth(), 770);
}

TEST_F(mainwindowlifetime, NothingReachesTheFormWhileItsPartsGo) {
    // The program ends from its window's close box with a document open, with the document
    // information in front too. Its menu bar, taken off as it goes, resizes the window, and the
    // information window, destroyed, activates it: AddressSanitizer would see the form's parts
    // used after they went.
    for (const bool information : {false, true}) {
        SCOPED_TRACE(information ? "with the document information" : "with the document");
        auto form = std::make_unique<Tform1>(app, system);
        platform::headlesswindow& window = *app.Windows().back();
        form->OpenDocument((testing::CorpusDir() / "welcome2.gif").string());
        window.Activate(true);
        if (information) window.KeyDown('I', platform::ssCtrl);
        window.Close();
        EXPECT_TRUE(app.Terminated());
        form.reset();
        EXPECT_EQ(app.Windows().back(), nullptr);
        EXPECT_TRUE(NoDialogLeft(app));
    }
}

}  // namespace
}  // namespace quillmap
