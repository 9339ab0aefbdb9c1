#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/mainmenu.h"
#include "app/taskbarmenu.h"
#include "app/windowpopup.h"
#include "platform/headless/headlessapplication.h"
#include "support/menutext.h"
#include "support/utf8.h"

namespace quillmap {
namespace {

using testing::ItemCalled;
using testing::MenuLines;
using testing::Utf8;
using lines = std::vector<std::string>;

struct quietwindow final : platform::windowevents {
    void OnPaint(platform::canvas&) override {}
    void OnResize(platform::extent) override {}
    void OnClose() override {}
};

class ContextMenus : public ::testing::Test {
protected:
    platform::headlessapplication app;
    quietwindow events;
    std::unique_ptr<platform::window> window = app.CreateForm({}, events);
    platform::headlesswindow& shown = static_cast<platform::headlesswindow&>(*window);
    testing::commandlog log;
};

TEST_F(ContextMenus, TheWindowsMenuItems) {
    windowpopup popup(app, log.All(), false);
    EXPECT_EQ(MenuLines(popup.Popup()),
              (lines{Utf8(u8"Отменить\t"), Utf8(u8"Повторить\t"), "---", Utf8(u8"Вырезать\t"),
                     Utf8(u8"Копировать\t"), Utf8(u8"Вставить\t"), Utf8(u8"Выделить всё\t"), "---", "\t",
                     Utf8(u8"Шрифт...\t"), Utf8(u8"Всё лишнее убрано\tF2"), "---", Utf8(u8"Выход\t")}));
    for (size_t i = 0; i < popup.Popup().Count(); ++i) EXPECT_EQ(popup.Popup().Item(i).Visible(), i != 8) << i;
    EXPECT_EQ(windowpopup(app, log.All(), true).AllRemoved().Shortcut(), "F12");
}

TEST_F(ContextMenus, TheWindowsMenuTakesTheMainMenusStateWhenItOpens) {
    mainmenu main(app, log.All(), false);
    windowpopup popup(app, log.All(), false);
    platform::menuitem& undo = ItemCalled(popup.Popup(), Utf8(u8"Отменить"));
    platform::menuitem& redo = ItemCalled(popup.Popup(), Utf8(u8"Повторить"));
    // Nothing to undo yet in the main menu; the context menu learns it only when it opens.
    EXPECT_TRUE(undo.Enabled());
    popup.Show(*window, main, {7, 8});
    EXPECT_FALSE(undo.Enabled());
    main.UpdateUndoRedo(true, false);
    main.AllRemoved().SetChecked(true);
    EXPECT_FALSE(undo.Enabled());
    popup.Show(*window, main, {30, 40});
    ASSERT_EQ(shown.Popups().size(), 2u);
    EXPECT_EQ(shown.Popups()[1].popup, &popup.Popup());
    EXPECT_EQ(shown.Popups()[1].screen, (platform::point{30, 40}));
    EXPECT_TRUE(undo.Enabled());
    EXPECT_FALSE(redo.Enabled());
    EXPECT_TRUE(popup.AllRemoved().Checked());

    main.UpdateUndoRedo(false, true);
    main.Copy().SetEnabled(false);
    main.AllRemoved().SetChecked(false);
    popup.Show(*window, main, {0, 0});
    EXPECT_FALSE(undo.Enabled());
    EXPECT_TRUE(redo.Enabled());
    EXPECT_TRUE(ItemCalled(popup.Popup(), Utf8(u8"Вырезать")).Enabled());
    EXPECT_FALSE(ItemCalled(popup.Popup(), Utf8(u8"Копировать")).Enabled());
    EXPECT_TRUE(ItemCalled(popup.Popup(), Utf8(u8"Вставить")).Enabled());
    EXPECT_FALSE(popup.AllRemoved().Checked());

    redo.Click();
    ItemCalled(popup.Popup(), Utf8(u8"Выделить всё")).Click();
    ItemCalled(popup.Popup(), Utf8(u8"Выход")).Click();
    undo.Click();
    EXPECT_EQ(log.runs, (lines{"redo", "selectall", "exit"}));
}

TEST_F(ContextMenus, TheTaskbarMenuOffersWhatTheWindowStateAllows) {
    taskbarmenu taskbar(app, {log.Log("minimise"), log.Log("maximise"), log.Log("restore"), log.Log("exit")});
    EXPECT_EQ(MenuLines(taskbar.Popup()), (lines{Utf8(u8"Минимизаровать\t"), Utf8(u8"Максимизировать\t"),
                                                 Utf8(u8"Восстановить\t"), "---", Utf8(u8"Выход\t")}));
    for (size_t i = 0; i < taskbar.Popup().Count(); ++i) EXPECT_EQ(taskbar.Popup().Item(i).IsDefault(), i == 4) << i;

    platform::menuitem& minimise = taskbar.Popup().Item(0);
    platform::menuitem& maximise = taskbar.Popup().Item(1);
    platform::menuitem& restore = taskbar.Popup().Item(2);
    const auto offered = [&] {
        return std::vector<bool>{minimise.Enabled(), maximise.Enabled(), restore.Enabled()};
    };
    taskbar.Show(*window, windowshow::minimised, {5, 6});
    EXPECT_EQ(offered(), (std::vector<bool>{false, true, true}));
    taskbar.Show(*window, windowshow::maximised, {5, 6});
    EXPECT_EQ(offered(), (std::vector<bool>{true, false, true}));
    taskbar.Show(*window, windowshow::normal, {5, 6});
    EXPECT_EQ(offered(), (std::vector<bool>{true, true, false}));
    EXPECT_EQ(shown.Popups().size(), 3u);
    EXPECT_EQ(shown.Popups()[2].popup, &taskbar.Popup());

    minimise.Click();
    maximise.Click();
    restore.Click();
    taskbar.Popup().Item(4).Click();
    EXPECT_EQ(log.runs, (lines{"minimise", "maximise", "exit"}));
}

TEST_F(ContextMenus, ShowCommandsOfAPlacementNameTheWindowState) {
    std::vector<windowshow> states;
    for (uint32_t command = 1; command <= 8; ++command) states.push_back(ShowStateOf(command));
    EXPECT_EQ(states, (std::vector<windowshow>{windowshow::normal, windowshow::minimised, windowshow::maximised,
                                               windowshow::normal, windowshow::normal, windowshow::minimised,
                                               windowshow::minimised, windowshow::normal}));
}

}  // namespace
}  // namespace quillmap
