#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialogs/nastrojki.h"
#include "dialogs/settingtext.h"
#include "platform/headless/headlessapplication.h"
#include "platform/headless/headlesssystem.h"
#include "support/settingsguard.h"

namespace quillmap::testing {
namespace {

int32_t RowOf(std::string_view key) { return FindSetting(key)->row; }

class Nastrojki : public ::testing::Test {
protected:
    Nastrojki() { grid.Load(Settings()); }

    // The user puts a text into a row's cell and leaves it.
    void Type(std::string_view key, std::string text) {
        grid.Select(RowOf(key));
        grid.Edit(std::move(text));
        grid.Select(FirstSettingRow);
    }
    const std::string& CellOf(std::string_view key) const { return grid.Cell(RowOf(key)); }

    settingsguard guard;
    platform::headlessapplication app;
    platform::headlesssystem system;
    nastrojki grid{app, system};
};

TEST_F(Nastrojki, RowsColumnZeroAndSections) {
    EXPECT_EQ(nastrojki::KeyCell(0), "Параметр.");
    EXPECT_EQ(grid.Cell(0), "Значение.");
    EXPECT_EQ(nastrojki::KeyCell(2), "MaxUndoLen");
    EXPECT_EQ(nastrojki::KeyCell(53), "NavigatorOtstupY");
    for (const int32_t section : {1, 12, 18, 33, 40}) EXPECT_EQ(grid.Cell(section), "===============");
    EXPECT_EQ(nastrojki::KeyCell(33), "ОБЛАСТЬ ПРОСМОТРА");
    EXPECT_EQ(grid.Selected(), 2);
    EXPECT_EQ(CellOf("FieldLineClr"), "$FFAAAA");
    EXPECT_EQ(CellOf("TextFont"), "MS sans Serif");
}

TEST_F(Nastrojki, EveryRowHasItsDescription) {
    for (int32_t row = 0; row < SettingsGridRows; ++row) {
        const std::string text = SettingDescription(row);
        const bool section = row == 0 || SettingRows()[static_cast<size_t>(row - 1)].kind == settingkind::section;
        if (section) {
            EXPECT_EQ(text, "Пусто.") << row;
        } else {
            EXPECT_GT(text.size(), 20u) << row;
        }
    }
    EXPECT_EQ(SettingDescription(RowOf("TextBaseSyst")),
              "Система счисления, в которой записываются коды символов файла.\n\rЭтот параметр должен быть целым "
              "числом от 2 до 36.");
    const std::string yesno = "\n\rУстановить этот параметр можно и цифрами: 1=Да, 0=Нет. Двойной щелчок по полю "
                              "меняет его значение на противоположное.";
    const std::string dialog = "\n\rДважды щёлкнув по этому полю, вы попадёте в диалоговое окно выбора цветов.";
    auto endswith = [](const std::string& text, const std::string& tail) {
        return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
    };
    for (const char* key : {"ExitOnEsc", "NumPages", "Strikeout", "FirstZeroes"})
        EXPECT_TRUE(endswith(SettingDescription(RowOf(key)), yesno)) << key;
    for (const char* key : {"TextColor", "ChosenTextClr", "ChosenFonClr"})
        EXPECT_TRUE(endswith(SettingDescription(RowOf(key)), dialog)) << key;
    for (const char* key : {"FieldLineClr", "CoordColor", "Shag", "TextFont"}) {
        EXPECT_FALSE(endswith(SettingDescription(RowOf(key)), dialog)) << key;
        EXPECT_FALSE(endswith(SettingDescription(RowOf(key)), yesno)) << key;
    }
    EXPECT_NE(SettingDescription(RowOf("Shag")).find("следующего запуска"), std::string::npos);
    EXPECT_NE(SettingDescription(RowOf("TextFont")).find("системный"), std::string::npos);

    grid.Select(RowOf("TextBaseSyst"));
    EXPECT_EQ(grid.Description(), SettingDescription(RowOf("TextBaseSyst")));
    grid.Select(40);
    EXPECT_EQ(grid.Description(), "Пусто.");
    grid.Select(0);  // the header is never selected
    EXPECT_EQ(grid.Selected(), 40);
}

TEST_F(Nastrojki, LeavingACellKeepsAcceptedTextAsTypedAndRevertsTheRest) {
    system.SetDecimalSeparator(',');
    Settings().NumPages = false;
    Settings().RememberCurPos = true;
    grid.Load(Settings());
    struct sample {
        const char* key;
        const char* typed;
        const char* kept;
    };
    const sample samples[] = {
        {"NumPages", "0,0", "0,0"},          {"NumPages", "нЕт", "нЕт"},       {"NumPages", "Yes", "Нет"},
        {"RememberCurPos", "Yes", "Да"},     {"TextColor", "red", "red"},      {"TextColor", "КРАСНЫЙ", "КРАСНЫЙ"},
        {"TextColor", "255", "255"},         {"TextColor", "$0000FF", "$0000FF"}, {"TextColor", "алый", "Чёрный"},
        {"MaxRecentListLen", "100", "5"},    {"MaxButtonsinRow", "100", "4"},  {"MaxRecentListLen", "99", "99"},
        {"TextBaseSyst", "1", "16"},         {"TextBaseSyst", "37", "16"},     {"TextSize", "-300", "10"},
        {"TextSize", "-299", "-299"},        {"OtstupX", "-7", "-7"},          {"MaxUndoLen", "0", "1000000"},
        {"Distance", "-0,5", "-0,5"},        {"Distance", "-0,6", "0"},        {"Distance", "-0.5", "0"},
        {"FieldDist", "abc", "0,3"},         {"TextFont", "Courier New", "Courier New"},
    };
    for (const sample& s : samples) {
        Type(s.key, s.typed);
        EXPECT_EQ(CellOf(s.key), s.kept) << s.key << " \"" << s.typed << '"';
    }
    // A section row gets its bar back; the settings themselves are untouched by leaving cells.
    grid.Select(12);
    grid.Edit("x");
    grid.Select(2);
    EXPECT_EQ(grid.Cell(12), "===============");
    EXPECT_EQ(Settings().MaxRecentListLen, 5);
    EXPECT_EQ(Settings().TextFont, "MS sans Serif");
}

TEST_F(Nastrojki, EnterValidatesWithoutLeaving) {
    grid.Select(RowOf("TextBaseSyst"));
    grid.Edit("99");
    grid.Validate();
    EXPECT_EQ(grid.Cell(RowOf("TextBaseSyst")), "16");
    EXPECT_EQ(grid.Selected(), RowOf("TextBaseSyst"));
}

TEST_F(Nastrojki, SystemFontFillsTheFontRows) {
    system.messageboxfont = {"Segoe UI", -12, platform::DefaultCharset,
                             platform::fsBold | platform::fsStrikeout, platform::clBlack};
    for (const char* word : {"system", "СИСТЕМНЫЙ"}) {
        grid.Load(Settings());
        grid.Select(RowOf("TextFont"));
        grid.Edit(word);
        grid.Validate();
        EXPECT_EQ(CellOf("TextFont"), "Segoe UI") << word;
        EXPECT_EQ(CellOf("TextSize"), "-12");
        EXPECT_EQ(CellOf("Italic"), "Нет");
        EXPECT_EQ(CellOf("Bold"), "Да");
        EXPECT_EQ(CellOf("Underlined"), "Нет");
        EXPECT_EQ(CellOf("Strikeout"), "Да");
    }
    system.messageboxfont.face = std::string(40, 'W');
    grid.Select(RowOf("TextFont"));
    grid.Edit("System");
    grid.Validate();
    EXPECT_EQ(CellOf("TextFont"), std::string(32, 'W'));
}

TEST_F(Nastrojki, DoubleClickTogglesOnlyTheYesNoRowsItKnows) {
    struct sample {
        const char* key;
        const char* before;
        const char* after;
    };
    const sample samples[] = {
        {"ExitOnEsc", "Нет", "Да"}, {"ExitOnEsc", "2", "Нет"}, {"ExitOnEsc", "правда", "Нет"},
        {"Italic", "0", "Да"},      {"NumPages", "Да", "Нет"}, {"ExitOnEsc", "Yes", "Yes"},
        {"FirstZeroes", "Да", "Да"}, {"MaxUndoLen", "5", "5"},
    };
    for (const sample& s : samples) {
        grid.Select(RowOf(s.key));
        grid.Edit(s.before);
        EXPECT_EQ(grid.DoubleClick(), std::string_view(s.before) != s.after) << s.key << " " << s.before;
        EXPECT_EQ(CellOf(s.key), s.after) << s.key << " " << s.before;
    }
}

TEST_F(Nastrojki, DoubleClickOnAColourOpensThePicker) {
    grid.Select(RowOf("FieldLineClr"));
    app.colouranswer = 0x0000FFu;
    EXPECT_TRUE(grid.DoubleClick());
    ASSERT_EQ(app.colourdialogs.size(), 1u);
    EXPECT_EQ(app.colourdialogs[0], 0xFFAAAAu);
    EXPECT_EQ(CellOf("FieldLineClr"), "Красный");

    app.colouranswer.reset();  // cancelled
    grid.Select(RowOf("LineColor"));
    EXPECT_FALSE(grid.DoubleClick());
    EXPECT_EQ(CellOf("LineColor"), "Чёрный");

    grid.Edit("нечто");  // does not convert: no picker
    EXPECT_FALSE(grid.DoubleClick());
    EXPECT_EQ(app.colourdialogs.size(), 2u);
}

TEST_F(Nastrojki, DoubleClickOnTheFontPreparesThePickerFromTheCells) {
    Type("TextSize", "-20");
    Type("TextColor", "red");
    Type("Bold", "1");
    grid.Select(RowOf("Underlined"));
    grid.Edit("что-то");  // does not convert: the setting's own bit (off) is used
    grid.Select(RowOf("TextFont"));
    grid.Edit("Verdana");
    app.fontanswer = platform::fontspec{"Times New Roman", -15, platform::RussianCharset,
                                        platform::fsItalic | platform::fsUnderline, 0xFF0000u};
    EXPECT_TRUE(grid.DoubleClick());
    ASSERT_EQ(app.fontdialogs.size(), 1u);
    const platform::fontspec& offered = app.fontdialogs[0];
    EXPECT_EQ(offered.face, "Verdana");
    EXPECT_EQ(offered.height, -20);
    EXPECT_EQ(offered.textcolour, 0x0000FFu);
    EXPECT_EQ(offered.style, platform::fsBold);
    EXPECT_EQ(CellOf("TextFont"), "Times New Roman");
    EXPECT_EQ(CellOf("TextSize"), "-15");
    EXPECT_EQ(CellOf("TextColor"), "Синий");
    EXPECT_EQ(CellOf("Italic"), "Да");
    EXPECT_EQ(CellOf("Bold"), "Нет");
    EXPECT_EQ(CellOf("Underlined"), "Да");
    EXPECT_EQ(CellOf("Strikeout"), "Нет");

    // A size out of range offers the setting's own.
    grid.Select(RowOf("TextSize"));
    grid.Edit("-300");
    grid.Select(RowOf("TextFont"));
    app.fontanswer.reset();
    EXPECT_FALSE(grid.DoubleClick());
    EXPECT_EQ(app.fontdialogs.back().height, 10);
    EXPECT_EQ(CellOf("TextFont"), "Times New Roman");
}

TEST_F(Nastrojki, ApplyStoresAcceptedValuesAndLeavesTheRest) {
    system.SetDecimalSeparator(',');
    grid.Load(Settings());
    struct edit {
        const char* key;
        const char* text;
    };
    // Cells as they might be at "Готово": typed without leaving them, so refused ones remain.
    const edit edits[] = {
        {"NumPages", "0,0"},      {"ExitOnEsc", "2"},        {"RememberCurPos", "НЕТ"},
        {"TextColor", "$0000FF"}, {"ChosenFonClr", "red"},   {"MaxButtonsinRow", "100"},
        {"TextBaseSyst", "37"},   {"TextSize", "-299"},      {"OtstupX", "-3"},
        {"Distance", "-0,6"},     {"LeftMargin", "2,5"},     {"TextFont", "Arial"},
        {"Italic", "Да"},         {"Shag", "500"},           {"MaxUndoLen", "0"},
    };
    for (const edit& e : edits) {
        grid.Select(RowOf(e.key));
        grid.Edit(e.text);
    }
    settingvalues& s = Settings();
    s.TextStyle = 1u << tsBold;
    EXPECT_TRUE(grid.Apply(s, {}));
    EXPECT_FALSE(s.NumPages);
    EXPECT_TRUE(s.ExitOnEsc);
    EXPECT_FALSE(s.RememberCurPos);
    EXPECT_EQ(s.TextColor, 0x0000FFu);
    EXPECT_EQ(s.ChosenFonClr, 0x0000FFu);
    EXPECT_EQ(s.MaxButtonsinRow, 4);
    EXPECT_EQ(s.TextBaseSyst, 16);
    EXPECT_EQ(s.TextSize, -299);
    EXPECT_EQ(s.OtstupX, -3);
    EXPECT_DOUBLE_EQ(s.Distance, 0.0);
    EXPECT_DOUBLE_EQ(s.LeftMargin, 2.5);
    EXPECT_EQ(s.TextFont, "Arial");
    // Italic set, Bold (set before, "Нет" in the cell loaded earlier) cleared, others as they were.
    EXPECT_EQ(s.TextStyle, 1u << tsItalic);
    EXPECT_EQ(s.NextShag, 500);
    EXPECT_EQ(s.Shag, 10000);
    EXPECT_EQ(s.MaxUndoLen, 1000000);

    grid.Load(s);
    EXPECT_EQ(CellOf("TextColor"), "Красный");
    EXPECT_EQ(CellOf("Shag"), "500");
    EXPECT_EQ(CellOf("LeftMargin"), "2,5");
}

TEST_F(Nastrojki, OnlyDrawingSettingsSetTheChangedFlag) {
    struct sample {
        const char* key;
        const char* text;
        bool changed;
    };
    const sample samples[] = {
        {"HScrollStep", "9", false},      {"MaxUndoLen", "5", false},   {"TextColor", "Белый", false},
        {"FieldLineClr", "Красный", true}, {"OtstupX", "7", true},      {"FirstZeroes", "Нет", true},
        {"HDistance", "0.60005", false},  {"HDistance", "0.61", true},  {"TextBaseSyst", "10", true},
        {"FieldLineClr", "$FFAAAA", false}, {"NavigatorOtstupY", "4", true},
    };
    for (const sample& s : samples) {
        settingsguard fresh;
        grid.Load(Settings());
        grid.Select(RowOf(s.key));
        grid.Edit(s.text);
        EXPECT_EQ(grid.Apply(Settings(), {}), s.changed) << s.key << " " << s.text;
    }
    // A field distance that hardly moved keeps its old value exactly; other reals take the new.
    grid.Load(Settings());
    grid.Select(RowOf("FieldDist"));
    grid.Edit("0.30004");
    grid.Select(RowOf("HDistance"));
    grid.Edit("0.60004");
    EXPECT_FALSE(grid.Apply(Settings(), {}));
    EXPECT_DOUBLE_EQ(Settings().FieldDist, 0.3);
    EXPECT_DOUBLE_EQ(Settings().HDistance, 0.60004);
}

TEST_F(Nastrojki, ApplyRunsTheHooksInRowOrder) {
    std::vector<std::string> calls;
    settingshooks hooks;
    hooks.resizerecentlist = [&](int32_t length) {
        calls.push_back("recent " + std::to_string(length) + " was " + std::to_string(Settings().MaxRecentListLen));
    };
    hooks.saveonf2 = [&](bool f12) { calls.push_back(f12 ? "F12" : "F2"); };
    hooks.separatorwidths = [&] { calls.push_back("widths " + std::to_string(Settings().LineWidth)); };
    hooks.navigator = [&] { calls.push_back("navigator"); };
    Type("MaxRecentListLen", "9");
    Type("SaveOnF2", "да");
    Type("LineWidth", "0.5");
    grid.Apply(Settings(), hooks);
    const std::vector<std::string> expected = {"recent 9 was 5", "F12", "widths 0.500000", "widths 0.500000",
                                               "navigator", "navigator"};
    EXPECT_EQ(calls, expected);
    EXPECT_EQ(Settings().MaxRecentListLen, 9);
}

}  // namespace
}  // namespace quillmap::testing
