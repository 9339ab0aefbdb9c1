#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/mainmenu.h"
#include "platform/headless/headlessapplication.h"
#include "support/menutext.h"
#include "support/utf8.h"

namespace quillmap {
namespace {

using testing::commandlog;
using testing::ItemCalled;
using testing::MenuLines;
using testing::Utf8;
using lines = std::vector<std::string>;

struct MainMenu : ::testing::Test {
    platform::headlessapplication app;
    commandlog log;
    mainmenu main{app, log.All(), false};

    platform::menu& Menu(const char8_t* caption) { return ItemCalled(main.Bar(), Utf8(caption)).Items(); }
    platform::menuitem& Item(const char8_t* menu, const char8_t* caption) {
        return ItemCalled(Menu(menu), Utf8(caption));
    }
};

TEST_F(MainMenu, TheBarHoldsSixMenus) {
    EXPECT_EQ(MenuLines(main.Bar()), (lines{Utf8(u8"Файл\t"), Utf8(u8"Правка\t"), Utf8(u8"Формат\t"),
                                            Utf8(u8"Дополнительно\t"), Utf8(u8"Плагины\t"), Utf8(u8"Помощь\t")}));
    for (size_t i = 0; i < main.Bar().Count(); ++i) {
        EXPECT_TRUE(main.Bar().Item(i).HasItems()) << i;
        EXPECT_TRUE(main.Bar().Item(i).Enabled()) << i;
    }
}

TEST_F(MainMenu, FileMenuLeavesRoomForRecentFilesBetweenTwoLines) {
    EXPECT_EQ(MenuLines(Menu(u8"Файл")),
              (lines{Utf8(u8"Новый\tCtrl+N"), Utf8(u8"Открыть...\tCtrl+O"), Utf8(u8"Сохранить\tCtrl+S"),
                     Utf8(u8"Сохранить как...\t"), Utf8(u8"Печать...\tCtrl+P"), "---", "---",
                     Utf8(u8"Выход\t")}));
}

TEST_F(MainMenu, EditMenu) {
    EXPECT_EQ(MenuLines(Menu(u8"Правка")),
              (lines{Utf8(u8"Отменить\tCtrl+Z"), Utf8(u8"Повторить\tCtrl+Shift+Z"), Utf8(u8"Вырезать\tCtrl+X"),
                     Utf8(u8"Копировать\tCtrl+C"), Utf8(u8"Вставить\tCtrl+V"), Utf8(u8"Найти...\tCtrl+F"),
                     Utf8(u8"Найти следующий\tF3"), Utf8(u8"Заменить...\tCtrl+R"), Utf8(u8"Выделить всё\tCtrl+A")}));
}

TEST_F(MainMenu, FormatMenuWithItsEncodingsAndTheSkinsSubmenu) {
    EXPECT_EQ(MenuLines(Menu(u8"Формат")),
              (lines{"---", Utf8(u8"Строка состояния\t"), Utf8(u8"Всё лишнее убрано\tF2"),
                     Utf8(u8"Поверх других окон\tF4"), Utf8(u8"Просмотрщик\t"), Utf8(u8"Шрифт...\t"),
                     Utf8(u8"Кодировка\t"), Utf8(u8"Шкурки\t"), Utf8(u8"Настройка шкурки...\t")}));
    platform::menuitem& encodings = Item(u8"Формат", u8"Кодировка");
    ASSERT_TRUE(encodings.HasItems());
    EXPECT_EQ(MenuLines(encodings.Items()),
              (lines{Utf8(u8"Windows\t"), Utf8(u8"DOS\t"), Utf8(u8"Загрузить из файла...\t")}));
    EXPECT_TRUE(ItemCalled(encodings.Items(), "Windows").Checked());
    EXPECT_FALSE(ItemCalled(encodings.Items(), "DOS").Checked());
    EXPECT_TRUE(Item(u8"Формат", u8"Шкурки").HasItems());
    EXPECT_EQ(Item(u8"Формат", u8"Шкурки").Items().Count(), 0u);
}

TEST_F(MainMenu, ExtraPluginsAndHelpMenus) {
    EXPECT_EQ(MenuLines(Menu(u8"Дополнительно")),
              (lines{Utf8(u8"Закрепить за расширениями...\t"), Utf8(u8"Закрепить внешний вид за файлами...\t"),
                     Utf8(u8"Тонкая настройка...\t"), "---"}));
    EXPECT_EQ(MenuLines(Menu(u8"Плагины")), (lines{Utf8(u8"Скачать новый...\t")}));
    EXPECT_EQ(MenuLines(Menu(u8"Помощь")), (lines{Utf8(u8"Справка...\tF1"), Utf8(u8"О программе...\t"),
                                                 Utf8(u8"Информация о документе...\tCtrl+I")}));
    EXPECT_EQ(&main.Format(), &Menu(u8"Формат"));
    EXPECT_EQ(&main.Extra(), &Menu(u8"Дополнительно"));
}

TEST_F(MainMenu, StatesAtStart) {
    EXPECT_FALSE(Item(u8"Правка", u8"Отменить").Enabled());
    EXPECT_FALSE(Item(u8"Правка", u8"Повторить").Enabled());
    EXPECT_FALSE(Item(u8"Правка", u8"Найти следующий").Enabled());
    EXPECT_TRUE(Item(u8"Формат", u8"Строка состояния").Checked());
    EXPECT_FALSE(Item(u8"Формат", u8"Всё лишнее убрано").Checked());
    EXPECT_FALSE(Item(u8"Формат", u8"Поверх других окон").Checked());
    EXPECT_FALSE(Item(u8"Формат", u8"Просмотрщик").Visible());
    // "Кодировка" shows, or no ".enc" file could ever be loaded; only "Просмотрщик" is hidden.
    EXPECT_TRUE(Item(u8"Формат", u8"Кодировка").Visible());
    EXPECT_TRUE(Item(u8"Формат", u8"Кодировка").Enabled());
    size_t hidden = 0;
    for (size_t m = 0; m < main.Bar().Count(); ++m) {
        const platform::menu& items = main.Bar().Item(m).Items();
        for (size_t i = 0; i < items.Count(); ++i) hidden += items.Item(i).Visible() ? 0 : 1;
    }
    EXPECT_EQ(hidden, 1u);
    EXPECT_EQ(&main.Undo(), &Item(u8"Правка", u8"Отменить"));
    EXPECT_EQ(&main.Redo(), &Item(u8"Правка", u8"Повторить"));
    EXPECT_EQ(&main.StatusBar(), &Item(u8"Формат", u8"Строка состояния"));
    EXPECT_EQ(&main.AllRemoved(), &Item(u8"Формат", u8"Всё лишнее убрано"));
    EXPECT_EQ(&main.Print(), &Item(u8"Файл", u8"Печать..."));
}

TEST_F(MainMenu, WiredCommandsRunTheirHandlers) {
    const std::vector<std::pair<const char8_t*, const char8_t*>> wired{
        {u8"Файл", u8"Новый"},          {u8"Файл", u8"Открыть..."},
        {u8"Файл", u8"Сохранить"},      {u8"Файл", u8"Сохранить как..."},
        {u8"Файл", u8"Печать..."},      {u8"Файл", u8"Выход"},
        {u8"Правка", u8"Вырезать"},     {u8"Правка", u8"Копировать"},
        {u8"Правка", u8"Вставить"},     {u8"Правка", u8"Выделить всё"},
        {u8"Формат", u8"Строка состояния"}, {u8"Формат", u8"Всё лишнее убрано"},
        {u8"Формат", u8"Поверх других окон"}, {u8"Формат", u8"Шрифт..."},
        {u8"Дополнительно", u8"Тонкая настройка..."},
        {u8"Помощь", u8"Информация о документе..."}, {u8"Помощь", u8"Справка..."},
        {u8"Помощь", u8"О программе..."},   {u8"Плагины", u8"Скачать новый..."}};
    for (const auto& [menu, caption] : wired) {
        EXPECT_TRUE(Item(menu, caption).Enabled()) << Utf8(caption);
        Item(menu, caption).Click();
    }
    EXPECT_EQ(log.runs, (lines{"new", "open", "save", "saveas", "print", "exit", "cut", "copy", "paste", "selectall",
                               "statusbar", "allremoved", "ontop", "font", "finesettings", "documentinfo", "help",
                               "about", "downloadplugins"}));
}

TEST_F(MainMenu, UndoAndRedoFollowTheHistory) {
    Item(u8"Правка", u8"Отменить").Click();
    EXPECT_TRUE(log.runs.empty()) << "a disabled item does nothing";
    main.UpdateUndoRedo(true, false);
    EXPECT_TRUE(main.Undo().Enabled());
    EXPECT_FALSE(main.Redo().Enabled());
    main.Undo().Click();
    main.UpdateUndoRedo(false, true);
    EXPECT_FALSE(main.Undo().Enabled());
    EXPECT_TRUE(main.Redo().Enabled());
    main.Redo().Click();
    EXPECT_EQ(log.runs, (lines{"undo", "redo"}));
}

TEST_F(MainMenu, CommandsOfLaterWorkAreDisabledAndDoNothing) {
    const std::vector<std::pair<const char8_t*, const char8_t*>> later{
        {u8"Правка", u8"Найти..."},
        {u8"Правка", u8"Заменить..."},
        {u8"Формат", u8"Настройка шкурки..."},
        {u8"Дополнительно", u8"Закрепить за расширениями..."},
        {u8"Дополнительно", u8"Закрепить внешний вид за файлами..."}};
    for (const auto& [menu, caption] : later) {
        EXPECT_FALSE(Item(menu, caption).Enabled()) << Utf8(caption);
        Item(menu, caption).Click();
    }
    EXPECT_TRUE(log.runs.empty());
}

TEST_F(MainMenu, UnboundCommandsLeaveTheirItemsDisabled) {
    mainmenu bare(app, {}, false);
    EXPECT_FALSE(ItemCalled(ItemCalled(bare.Bar(), Utf8(u8"Файл")).Items(), Utf8(u8"Новый")).Enabled());
    EXPECT_FALSE(bare.StatusBar().Enabled());
    EXPECT_TRUE(bare.StatusBar().Checked());
}

TEST_F(MainMenu, EditShortcutsAreClearedWhileInactiveAndShownInAMenuLoop) {
    const std::vector<platform::menuitem*> edit{&main.Undo(), &main.Redo(), &main.Cut(), &main.Copy(),
                                                &main.Paste()};
    main.ClearEditShortcuts();
    for (platform::menuitem* item : edit) EXPECT_EQ(item->Shortcut(), "");
    // The other items keep theirs.
    EXPECT_EQ(Item(u8"Правка", u8"Выделить всё").Shortcut(), "Ctrl+A");
    EXPECT_EQ(Item(u8"Правка", u8"Найти...").Shortcut(), "Ctrl+F");
    main.RestoreEditShortcuts();
    lines shown;
    for (platform::menuitem* item : edit) shown.push_back(item->Shortcut());
    EXPECT_EQ(shown, (lines{"Ctrl+Z", "Ctrl+Shift+Z", "Ctrl+X", "Ctrl+C", "Ctrl+V"}));
}

TEST_F(MainMenu, SaveOnF2MovesTheModeToF12) {
    mainmenu saving(app, log.All(), true);
    EXPECT_EQ(saving.AllRemoved().Shortcut(), "F12");
    EXPECT_EQ(ItemCalled(ItemCalled(saving.Bar(), Utf8(u8"Файл")).Items(), Utf8(u8"Сохранить")).Shortcut(), "Ctrl+S");
}

TEST_F(MainMenu, TheWindowShowsTheBarAndHearsOfMenuLoops) {
    struct events final : platform::windowevents {
        mainmenu* menus = nullptr;
        void OnPaint(platform::canvas&) override {}
        void OnResize(platform::extent) override {}
        void OnClose() override {}
        void OnEnterMenuLoop() override { menus->RestoreEditShortcuts(); }
    } heard;
    heard.menus = &main;
    auto window = app.CreateForm({}, heard);
    auto& shown = static_cast<platform::headlesswindow&>(*window);
    window->SetMenuBar(&main.Bar());
    EXPECT_EQ(shown.MenuBar(), &main.Bar());
    main.ClearEditShortcuts();
    shown.EnterMenuLoop();
    EXPECT_EQ(main.Paste().Shortcut(), "Ctrl+V");
    window->SetMenuBar(nullptr);
    EXPECT_EQ(shown.MenuBar(), nullptr);
}

}  // namespace
}  // namespace quillmap
