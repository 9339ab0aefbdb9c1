#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/menu.h"

namespace quillmap {
namespace {

// A backend that counts what it is told, and gives every submenu a peer of its own.
struct countingpeer final : platform::menupeer {
    explicit countingpeer(std::vector<std::string>& log, std::string name) : log_(log), name_(std::move(name)) {}
    void Refresh(const platform::menu& items) override {
        log_.push_back(name_ + " " + std::to_string(items.Count()));
    }
    std::unique_ptr<platform::menupeer> MakeSubmenuPeer() override {
        return std::make_unique<countingpeer>(log_, name_ + ">");
    }
    std::vector<std::string>& log_;
    std::string name_;
};

TEST(Menu, InsertsAtAPositionAndRemoves) {
    platform::menu items;
    items.Add("b");
    items.Insert(0, "a", "Ctrl+A");
    platform::menuitem& line = items.AddSeparator();
    items.Insert(99, "d");
    items.Insert(3, "c");
    ASSERT_EQ(items.Count(), 5u);
    std::string order;
    for (size_t i = 0; i < items.Count(); ++i) order += items.Item(i).Separator() ? "-" : items.Item(i).Caption();
    EXPECT_EQ(order, "ab-cd");
    EXPECT_EQ(items.Item(0).Shortcut(), "Ctrl+A");
    EXPECT_TRUE(line.Separator());
    EXPECT_EQ(line.Parent(), &items);
    EXPECT_EQ(items.IndexOf(line), 2u);
    items.Remove(line);
    EXPECT_EQ(items.Count(), 4u);
    EXPECT_EQ(items.Item(2).Caption(), "c");
    platform::menu other;
    platform::menuitem& elsewhere = other.Add("x");
    EXPECT_EQ(items.IndexOf(elsewhere), items.Count());
    EXPECT_THROW(items.Remove(elsewhere), std::logic_error);
}

TEST(Menu, ItemsStartEnabledVisibleUncheckedAndKeepTheirState) {
    platform::menu items;
    platform::menuitem& item = items.Add("a");
    EXPECT_TRUE(item.Enabled());
    EXPECT_TRUE(item.Visible());
    EXPECT_FALSE(item.Checked());
    EXPECT_FALSE(item.IsDefault());
    EXPECT_FALSE(item.HasItems());
    item.SetEnabled(false);
    item.SetVisible(false);
    item.SetChecked(true);
    item.SetDefault(true);
    item.SetCaption("b");
    item.SetShortcut("F5");
    EXPECT_FALSE(item.Enabled());
    EXPECT_FALSE(item.Visible());
    EXPECT_TRUE(item.Checked());
    EXPECT_TRUE(item.IsDefault());
    EXPECT_EQ(item.Caption(), "b");
    EXPECT_EQ(item.Shortcut(), "F5");
}

TEST(Menu, AClickRunsTheHandlerOfAnEnabledItemOnly) {
    platform::menu items;
    int runs = 0;
    platform::menuitem& item = items.Add("a");
    item.Click();
    item.OnClick([&] { ++runs; });
    item.Click();
    item.SetEnabled(false);
    item.Click();
    EXPECT_EQ(runs, 1);
}

TEST(Menu, CommandsAreUniqueUnderOneTopMenuAndFindTheirItems) {
    platform::menu bar;
    platform::menu& file = bar.Add("file").Items();
    platform::menuitem& open = file.Add("open");
    platform::menu& recent = file.Add("recent").Items();
    platform::menuitem& first = recent.Add("first");
    platform::menuitem& edit = bar.Add("edit");
    std::set<uint16_t> commands;
    for (const platform::menuitem* item : {&open, &first, &edit, &bar.Item(0), &file.Item(1)}) {
        EXPECT_NE(item->Command(), 0);
        commands.insert(item->Command());
        EXPECT_EQ(bar.FindCommand(item->Command()), item);
    }
    EXPECT_EQ(commands.size(), 5u);
    EXPECT_EQ(recent.FindCommand(open.Command()), nullptr);
    EXPECT_EQ(bar.FindCommand(0), nullptr);
    // A removed item's command names nothing any more.
    const uint16_t gone = first.Command();
    recent.Remove(first);
    EXPECT_EQ(bar.FindCommand(gone), nullptr);
}

TEST(Menu, SubItemsOnlyForAnItemInAMenu) {
    auto loose = std::make_unique<platform::menuitem>("loose");
    EXPECT_THROW(loose->Items(), std::logic_error);
    platform::menu items;
    platform::menuitem& held = items.Insert(0, std::move(loose));
    EXPECT_EQ(held.Items().Owner(), &held);
    EXPECT_TRUE(held.HasItems());
}

TEST(Menu, TheBackendHearsOfEveryChangeInTheMenuThatChanged) {
    std::vector<std::string> log;
    platform::menu bar(std::make_unique<countingpeer>(log, "bar"));
    platform::menuitem& file = bar.Add("file");
    platform::menu& items = file.Items();
    platform::menuitem& open = items.Add("open");
    open.SetEnabled(false);
    open.SetChecked(true);
    open.SetShortcut("Ctrl+O");
    items.Remove(open);
    EXPECT_EQ(log, (std::vector<std::string>{"bar 1", "bar 1", "bar> 1", "bar> 1", "bar> 1", "bar> 1", "bar> 0"}));
}

}  // namespace
}  // namespace quillmap
