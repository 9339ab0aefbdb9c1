#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/mainmenu.h"
#include "app/viewactions.h"
#include "base/cp1251.h"
#include "platform/headless/headlessapplication.h"
#include "support/menutext.h"
#include "support/utf8.h"

namespace quillmap {
namespace {

using testing::MenuLines;
using testing::Utf8;
using lines = std::vector<std::string>;

// What the actions were called with, and what the main window heard afterwards.
struct actionlog {
    std::vector<std::string> calls;
    std::vector<bool> heard;

    mnaction Action(const char* caption, bool checkable, uint8_t placement, bool changes = false) {
        mnaction action;
        action.caption = caption;
        action.checkable = checkable;
        action.placement = placement;
        action.handler = [this, caption, changes](bool checked) {
            calls.push_back(std::string(caption) + (checked ? "+" : "-"));
            return changes;
        };
        return action;
    }
};

class ViewActions : public ::testing::Test {
protected:
    platform::headlessapplication app;
    mainmenu main{app, {}, false};
    viewactions actions{main.Format(), main.Extra()};
    actionlog log;

    std::function<void(bool)> Hear() {
        return [this](bool changed) { log.heard.push_back(changed); };
    }
    // The structure view's four: two at the top of "Формат", two in "Дополнительно".
    amnaction StructureViewActions() {
        return {log.Action("Число столбцов...", false, 0), log.Action("Вставить текст в виде кода", false, 1, true),
                log.Action("Копировать код в виде текста", false, 1), log.Action("Навигация", true, 0)};
    }
};

TEST_F(ViewActions, PlacementsZeroAndOneGoToTheFrontOfTheirPlaces) {
    actions.Create(StructureViewActions(), Hear());
    EXPECT_EQ(MenuLines(main.Format()),
              (lines{Utf8(u8"Навигация\t"), Utf8(u8"Число столбцов...\t"), "---", Utf8(u8"Строка состояния\t"),
                     Utf8(u8"Всё лишнее убрано\tF2"), Utf8(u8"Поверх других окон\tF4"), Utf8(u8"Просмотрщик\t"),
                     Utf8(u8"Шрифт...\t"), Utf8(u8"Кодировка\t"), Utf8(u8"Шкурки\t"),
                     Utf8(u8"Настройка шкурки...\t")}));
    EXPECT_EQ(MenuLines(main.Extra()),
              (lines{Utf8(u8"Закрепить за расширениями...\t"), Utf8(u8"Закрепить внешний вид за файлами...\t"),
                     Utf8(u8"Тонкая настройка...\t"), "---", Utf8(u8"Копировать код в виде текста\t"),
                     Utf8(u8"Вставить текст в виде кода\t")}));
    ASSERT_EQ(actions.Items().size(), 4u);
    for (int32_t i = 0; i < 4; ++i) EXPECT_EQ(actions.Items()[i]->Tag(), i);
    EXPECT_EQ(actions.Items()[3], &main.Format().Item(0));
    EXPECT_TRUE(actions.Items()[3]->Checkable());
    EXPECT_FALSE(actions.Items()[0]->Checkable());
    EXPECT_TRUE(actions.Items()[0]->Enabled());
}

TEST_F(ViewActions, PlacementTwoAndAboveHangUnderAnEarlierAction) {
    actions.Create({log.Action("Вид", false, 0), log.Action("Таблица", false, 1), log.Action("Крупно", false, 2),
                    log.Action("Мелко", true, 2), log.Action("Столбцы", false, 3)},
                   Hear());
    ASSERT_TRUE(actions.Items()[0]->HasItems());
    EXPECT_EQ(MenuLines(actions.Items()[0]->Items()), (lines{Utf8(u8"Крупно\t"), Utf8(u8"Мелко\t")}));
    ASSERT_TRUE(actions.Items()[1]->HasItems());
    EXPECT_EQ(MenuLines(actions.Items()[1]->Items()), (lines{Utf8(u8"Столбцы\t")}));
    EXPECT_EQ(MenuLines(main.Format()).front(), Utf8(u8"Вид\t"));
    EXPECT_EQ(MenuLines(main.Extra()).at(4), Utf8(u8"Таблица\t"));
    EXPECT_EQ(main.Format().Count(), 10u);
    EXPECT_EQ(main.Extra().Count(), 5u);
    actions.Items()[3]->Click();
    EXPECT_EQ(log.calls, (lines{"Мелко+"}));
}

TEST_F(ViewActions, AnActionUnderOneThatComesLaterIsRefused) {
    EXPECT_THROW(actions.Create({log.Action("Вид", false, 0), log.Action("Под собой", false, 3)}, Hear()),
                 std::out_of_range);
    actions.Remove();
    EXPECT_EQ(main.Format().Count(), 9u);
}

TEST_F(ViewActions, AClickRunsTheActionWithTheNewCheckStateAndTellsTheWindow) {
    amnaction made = StructureViewActions();
    made[3].checked = true;
    actions.Create(made, Hear());
    tmnitem& navigator = *actions.Items()[3];
    EXPECT_TRUE(navigator.Checked());
    navigator.Click();
    EXPECT_FALSE(navigator.Checked());
    navigator.Click();
    EXPECT_TRUE(navigator.Checked());
    actions.Items()[1]->Click();
    // Not checkable: the mark stays off.
    EXPECT_FALSE(actions.Items()[1]->Checked());
    EXPECT_EQ(log.calls, (lines{"Навигация-", "Навигация+", "Вставить текст в виде кода-"}));
    EXPECT_EQ(log.heard, (std::vector<bool>{false, false, true}));
}

TEST_F(ViewActions, RemovingLeavesTheMenusAsTheyWere) {
    const lines format = MenuLines(main.Format());
    const lines extra = MenuLines(main.Extra());
    actions.Create({log.Action("Вид", false, 0), log.Action("Таблица", false, 1), log.Action("Крупно", false, 2)},
                   Hear());
    actions.Remove();
    EXPECT_TRUE(actions.Items().empty());
    EXPECT_EQ(MenuLines(main.Format()), format);
    EXPECT_EQ(MenuLines(main.Extra()), extra);
    // Creating again replaces the old items rather than adding to them.
    actions.Create(StructureViewActions(), Hear());
    actions.Create(StructureViewActions(), Hear());
    EXPECT_EQ(main.Format().Count(), format.size() + 2);
    EXPECT_EQ(main.Extra().Count(), extra.size() + 2);
}

TEST_F(ViewActions, ANewViewOfTheSameKindTakesOverTheItems) {
    actions.Create(StructureViewActions(), Hear());
    tmnitem& navigator = *actions.Items()[3];
    navigator.Click();
    actionlog newview;
    actions.Rebind({newview.Action("x", false, 0), newview.Action("x", false, 1), newview.Action("x", false, 1),
                    newview.Action("Навигация", true, 0)});
    navigator.Click();
    EXPECT_EQ(log.calls, (lines{"Навигация+"}));
    EXPECT_EQ(newview.calls, (lines{"Навигация-"}));
    EXPECT_EQ(Cp1251ToUtf8(navigator.Caption()), Utf8(u8"Навигация"));
    EXPECT_THROW(actions.Rebind({}), std::invalid_argument);
}

}  // namespace
}  // namespace quillmap
