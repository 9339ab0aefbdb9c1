#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "base/settings.h"
#include "support/settingsguard.h"

namespace quillmap::testing {
namespace {

TEST(Settings, TableHasEveryRowInDialogOrder) {
    const auto rows = SettingRows();
    ASSERT_EQ(rows.size(), 53u);
    std::set<std::string_view> keys;
    for (size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].row, static_cast<int32_t>(i + 1));
        if (rows[i].kind != settingkind::section) {
            EXPECT_TRUE(keys.insert(rows[i].key).second) << rows[i].key;
        }
    }
    for (const int32_t section : {1, 12, 18, 33, 40}) EXPECT_EQ(rows[section - 1].kind, settingkind::section);
    EXPECT_EQ(rows[17].key, "ДИАЛОГОВЫЕ ОКНА");
    EXPECT_EQ(rows[39].key, "GIF-РЕДАКТОР");
    EXPECT_EQ(keys.size(), 48u);
}

TEST(Settings, DefaultsWithoutAStateFile) {
    settingsguard guard;
    const settingvalues& s = Settings();
    EXPECT_EQ(s.MaxUndoLen, 1000000);
    EXPECT_EQ(s.OtstupX, 2);
    EXPECT_EQ(s.MaxRecentListLen, 5);
    EXPECT_FALSE(s.RecListinSubMenu);
    EXPECT_TRUE(s.RememberCurPos);
    EXPECT_FALSE(s.CutOnCtrlDel);
    EXPECT_DOUBLE_EQ(s.LeftMargin, 1.0);
    EXPECT_DOUBLE_EQ(s.BottomMargin, 0.0);
    EXPECT_TRUE(s.NumPages);
    EXPECT_EQ(s.MarginforButton, 40);
    EXPECT_EQ(s.TextColor, 0u);
    EXPECT_EQ(s.TextFont, "MS sans Serif");
    EXPECT_EQ(s.TextSize, 10);
    EXPECT_EQ(s.TextStyle, 0);
    EXPECT_EQ(s.Shag, 10000);
    EXPECT_EQ(s.NextShag, 10000);
    EXPECT_DOUBLE_EQ(s.Distance, 0.0);
    EXPECT_EQ(s.ChosenTextClr, 0xF0FBFFu);
    EXPECT_EQ(s.ChosenFonClr, 0x008000u);
    EXPECT_DOUBLE_EQ(s.FieldDist, 0.3);
    EXPECT_EQ(s.FieldLineClr, 0xFFAAAAu);
    EXPECT_DOUBLE_EQ(s.HDistance, 0.6);
    EXPECT_EQ(s.TextBaseSyst, 16);
    EXPECT_EQ(s.CoordBaseSyst, 16);
    EXPECT_TRUE(s.FirstZeroes);
    EXPECT_EQ(s.MarginColor, 0xC0C0C0u);
    EXPECT_EQ(s.CoordColor, 0x800000u);
    EXPECT_EQ(s.NavigatorOtstupX, 5);
    EXPECT_EQ(s.NavigatorOtstupY, 3);
    // Values without a key.
    EXPECT_EQ(s.ColumnCount, 8);
    EXPECT_DOUBLE_EQ(s.PageScrollFraction, 0.8);
    EXPECT_EQ(s.ReservedValue, 100000);
    EXPECT_EQ(s.MinRestoredWidth, 50);
    EXPECT_EQ(s.MinRestoredHeight, 30);
    EXPECT_EQ(s.NavigatorLeft, 100);
    EXPECT_EQ(s.NavigatorHeight, 400);
    EXPECT_DOUBLE_EQ(s.FieldLineWidth, 0.2);
    EXPECT_EQ(s.LineEndText, "\r");
    EXPECT_TRUE(s.NoExtrasWarningShown);
    // Every row reads back its own default.
    for (const settingrow& row : SettingRows()) {
        if (row.kind == settingkind::section) continue;
        if (row.kind == settingkind::text)
            EXPECT_EQ(TextOf(s, row), row.defaulttext);
        else
            EXPECT_EQ(NumberOf(s, row), row.defaultnumber) << row.key;
    }
}

TEST(Settings, StyleBitsShareOneByte) {
    settingsguard guard;
    SetNumber(Settings(), *FindSetting("Bold"), 1);
    SetNumber(Settings(), *FindSetting("Strikeout"), 1);
    EXPECT_EQ(Settings().TextStyle, 0b1001);
    EXPECT_EQ(NumberOf(Settings(), *FindSetting("Italic")), 0);
    SetNumber(Settings(), *FindSetting("Bold"), 0);
    EXPECT_EQ(Settings().TextStyle, 0b1000);
    EXPECT_TRUE(Settings().StyleBit(tsStrikeout));
}

TEST(Settings, AcceptedValues) {
    const auto accepts = [](std::string_view key, double value) { return Accepts(*FindSetting(key), value); };
    EXPECT_FALSE(accepts("MaxUndoLen", 0));
    EXPECT_TRUE(accepts("MaxUndoLen", 1));
    EXPECT_TRUE(accepts("MaxUndoLen", 2147483646));
    EXPECT_FALSE(accepts("MaxUndoLen", 2147483647));
    EXPECT_FALSE(accepts("MaxUndoLen", 2.5));
    EXPECT_TRUE(accepts("OtstupX", -2147483648.0));
    EXPECT_FALSE(accepts("OtstupX", 2147483647));
    EXPECT_FALSE(accepts("MaxRecentListLen", 100));
    EXPECT_TRUE(accepts("MaxButtonsinRow", 99));
    EXPECT_TRUE(accepts("HButtonMargin", 2147483647));
    EXPECT_FALSE(accepts("HButtonMargin", 0));
    EXPECT_TRUE(accepts("TextSize", -299));
    EXPECT_FALSE(accepts("TextSize", 300));
    EXPECT_FALSE(accepts("Distance", -0.51));
    EXPECT_TRUE(accepts("Distance", -0.5));
    EXPECT_TRUE(accepts("FieldDist", -7.25));
    EXPECT_FALSE(accepts("FieldDist", std::nan("")));
    EXPECT_FALSE(accepts("TextBaseSyst", 1));
    EXPECT_TRUE(accepts("TextBaseSyst", 36));
    EXPECT_FALSE(accepts("CoordBaseSyst", 37));
    EXPECT_TRUE(accepts("NavigatorOtstupX", -5));
    EXPECT_FALSE(accepts("FirstZeroes", 2));
    EXPECT_TRUE(accepts("ChosenFonClr", 0xFFFFFF));
    EXPECT_EQ(FindSetting("ОБЩИЕ"), nullptr);
    EXPECT_EQ(FindSetting("NoSuchKey"), nullptr);
}

TEST(Settings, RedrawingRowsAreTheStarredOnes) {
    std::set<int32_t> starred;
    for (const settingrow& row : SettingRows())
        if (row.redraws) starred.insert(row.row);
    const std::set<int32_t> expected = {3, 4, 37, 38, 39, 41, 42, 43, 44, 45, 46, 47, 48, 49, 50, 51, 52, 53};
    EXPECT_EQ(starred, expected);
}

TEST(Settings, RunningShagKeepsItsStartValue) {
    settingsguard guard;
    Settings().StartWithShag(500);
    EXPECT_EQ(Settings().Shag, 500);
    EXPECT_EQ(Settings().NextShag, 500);
    const settingrow& shag = *FindSetting("Shag");
    SetNumber(Settings(), shag, 20000);
    EXPECT_EQ(NumberOf(Settings(), shag), 20000);
    EXPECT_EQ(Settings().NextShag, 20000);
    EXPECT_EQ(Settings().Shag, 500);
}

}  // namespace
}  // namespace quillmap::testing
