#include <gtest/gtest.h>

#include <cmath>

#include "dialogs/settingtext.h"
#include "support/utf8.h"

namespace quillmap::testing {
namespace {

const settingrow& Row(std::string_view key) {
    const settingrow* row = FindSetting(key);
    EXPECT_NE(row, nullptr) << key;
    return *row;
}

TEST(SettingText, ColourNamesAndWordsInTheirOrder) {
    const auto names = ColorNames();
    ASSERT_EQ(names.size(), 15u);
    EXPECT_EQ(names[0].russian, "Белый");
    EXPECT_EQ(names[4].value, 0x0000FFu);  // red in the low byte
    EXPECT_EQ(names[4].english, "Red");
    EXPECT_EQ(names[7].value, 0x000080u);  // maroon
    EXPECT_EQ(names[11].value, 0xF0FBFFu);
    EXPECT_EQ(names[12].value, 0xFF0000u);
    EXPECT_EQ(names[13].english, "Drak blue");
    EXPECT_EQ(names[14].value, 0xFFFF00u);
    ASSERT_EQ(YesWords().size(), 4u);
    ASSERT_EQ(NoWords().size(), 5u);
    EXPECT_EQ(YesWords()[0], "Да");
    EXPECT_EQ(NoWords()[0], "Нет");
    EXPECT_EQ(NoWords()[4], "Не");
}

TEST(SettingText, CaseIsIgnoredInCyrillicAndLatin) {
    struct sample {
        const char* a;
        const char* b;
        bool same;
    };
    const sample samples[] = {
        {"КРАСНЫЙ", "красный", true}, {"нЕт", "Нет", true},   {"ЧЁРНЫЙ", "чёрный", true},
        {"LIGHT Gray", "light gray", true}, {"Нет", "Не", false}, {"Чёрный", "Черный", false},
    };
    for (const sample& s : samples) EXPECT_EQ(SameTextIgnoringCase(s.a, s.b), s.same) << s.a << " " << s.b;
}

TEST(SettingText, IntegersInDecimalAndHexadecimal) {
    struct sample {
        const char* text;
        std::optional<int32_t> value;
    };
    const sample samples[] = {
        {"0", 0},
        {"  42", 42},
        {"-17", -17},
        {"+5", 5},
        {"$FF", 255},
        {"0x0000ff", 255},
        {"0XAB", 0xAB},
        {"-$10", -16},
        {"$FFFFFFFF", -1},
        {"2147483647", 2147483647},
        {"-2147483648", INT32_MIN},
        {"2147483648", std::nullopt},
        {"$100000000", std::nullopt},
        {"", std::nullopt},
        {"$", std::nullopt},
        {"12 ", std::nullopt},
        {"1.0", std::nullopt},
        {"0x", std::nullopt},
        {"12a", std::nullopt},
    };
    for (const sample& s : samples) EXPECT_EQ(ReadInteger(s.text), s.value) << '"' << s.text << '"';
}

TEST(SettingText, RealsFollowTheLocaleSeparator) {
    struct sample {
        const char* text;
        char separator;
        std::optional<double> value;
    };
    const sample samples[] = {
        {"0,0", ',', 0.0},     {"-0,5", ',', -0.5},  {"1.5", '.', 1.5},       {" 2 ", '.', 2.0},
        {"1e3", '.', 1000.0},  {"1,5E-2", ',', 0.015}, {",5", ',', 0.5},      {"1.5", ',', std::nullopt},
        {"", '.', std::nullopt}, {".", '.', std::nullopt}, {"1e", '.', std::nullopt}, {"abc", '.', std::nullopt},
        {"1,0", '.', std::nullopt},
    };
    for (const sample& s : samples) {
        const auto value = ReadReal(s.text, s.separator);
        ASSERT_EQ(value.has_value(), s.value.has_value()) << '"' << s.text << '"';
        if (value) {
            EXPECT_DOUBLE_EQ(*value, *s.value) << s.text;
        }
    }
}

TEST(SettingText, ColoursBothWays) {
    struct sample {
        const char* text;
        std::optional<uint32_t> colour;
    };
    const sample totext[] = {
        {"Красный", 0x0000FFu}, {"Кремовый", 0xF0FBFFu}, {"$FFAAAA", 0xFFAAAAu},
        {"$000001", 1u},        {"$8000000F", 0x8000000Fu}, {"Тёмно-синий", 0x800000u},
    };
    for (const sample& s : totext) EXPECT_EQ(ColorToText(*s.colour), s.text);

    const sample fromtext[] = {
        {"red", 0x0000FFu},    {"КРАСНЫЙ", 0x0000FFu}, {"255", 0x0000FFu},   {"$0000FF", 0x0000FFu},
        {"0x0000FF", 0x0000FFu}, {"drak BLUE", 0x800000u}, {"-1", 0xFFFFFFFFu}, {"Светло-синий", 0xFFFF00u},
        {"Dark blue", std::nullopt}, {"", std::nullopt}, {"красный ", std::nullopt},
    };
    for (const sample& s : fromtext) EXPECT_EQ(TextToColor(s.text), s.colour) << '"' << s.text << '"';
}

TEST(SettingText, YesAndNo) {
    struct sample {
        const char* text;
        char separator;
        std::optional<bool> value;
    };
    const sample samples[] = {
        {"0", '.', false},  {"0,0", ',', false}, {"2", '.', true},     {"-0.1", '.', true},
        {"нЕТ", '.', false}, {"правда", '.', true}, {"TRUE", '.', true}, {"Так", '.', true},
        {"неправда", '.', false}, {"не", '.', false}, {"Yes", '.', std::nullopt}, {"", '.', std::nullopt},
        {"0,0", '.', std::nullopt},
    };
    for (const sample& s : samples) EXPECT_EQ(TextToBool(s.text, s.separator), s.value) << '"' << s.text << '"';
    EXPECT_TRUE(InWordList("fAlSe", NoWords()));
    EXPECT_FALSE(InWordList("False", YesWords()));
}

TEST(SettingText, RealsInTheGeneralFormat) {
    struct sample {
        double value;
        char separator;
        const char* text;
    };
    const sample samples[] = {
        {0.0, '.', "0"},          {0.3, ',', "0,3"},          {1.0, '.', "1"},
        {-0.5, ',', "-0,5"},      {1234.5678, '.', "1234.5678"}, {0.00001, '.', "0.00001"},
        {0.000001, '.', "1E-6"},  {1e15, '.', "1E15"},        {123456789012345.0, '.', "123456789012345"},
        {0.1 + 0.2, '.', "0.3"},  {2.5e-7, ',', "2,5E-7"},    {100.0, '.', "100"},
    };
    for (const sample& s : samples) EXPECT_EQ(FormatReal(s.value, s.separator), s.text) << s.value;
}

TEST(SettingText, WhatEachKindOfCellShows) {
    settingvalues values = DefaultSettings();
    values.Distance = -0.25;
    SetNumber(values, Row("Underlined"), 1);
    struct sample {
        const char* key;
        const char* text;
    };
    const sample samples[] = {
        {"MaxUndoLen", "1000000"}, {"OtstupX", "2"},         {"RememberCurPos", "Да"},
        {"ExitOnEsc", "Нет"},      {"LeftMargin", "1"},      {"Distance", "-0,25"},
        {"FieldDist", "0,3"},      {"TextColor", "Чёрный"},  {"FieldLineClr", "$FFAAAA"},
        {"ChosenTextClr", "Кремовый"}, {"CoordColor", "Тёмно-синий"}, {"TextFont", "MS sans Serif"},
        {"TextBaseSyst", "16"},    {"Underlined", "Да"},      {"Bold", "Нет"},
        {"Shag", "10000"},
    };
    for (const sample& s : samples) EXPECT_EQ(SettingCellText(values, Row(s.key), ','), s.text) << s.key;
    EXPECT_EQ(SettingCellText(values, SettingRows()[0], ','), "===============");
}

TEST(SettingText, WhatEachCellAcceptsOnLeaving) {
    struct sample {
        const char* key;
        const char* text;
        std::optional<double> value;
    };
    const sample samples[] = {
        {"MaxRecentListLen", "99", 99},    {"MaxRecentListLen", "100", std::nullopt},
        {"MaxButtonsinRow", "100", std::nullopt}, {"MaxRecentListLen", "0", std::nullopt},
        {"TextBaseSyst", "1", std::nullopt}, {"TextBaseSyst", "37", std::nullopt},
        {"TextBaseSyst", "2", 2},          {"CoordBaseSyst", "$24", 36},
        {"TextSize", "-300", std::nullopt}, {"TextSize", "-299", -299}, {"TextSize", "299", 299},
        {"OtstupX", "-40", -40},           {"OtstupX", "2147483647", std::nullopt},
        {"MaxUndoLen", "0", std::nullopt}, {"MaxUndoLen", "1", 1},  {"MaxUndoLen", "1.0", std::nullopt},
        {"NavigatorOtstupY", "2147483647", 2147483647},
        {"Distance", "-0.5", -0.5},        {"Distance", "-0.6", std::nullopt}, {"Distance", "7", 7},
        {"LeftMargin", "-3.25", -3.25},    {"LeftMargin", "1e999", std::nullopt}, {"LeftMargin", "x", std::nullopt},
        {"NumPages", "0", 0},              {"NumPages", "2", 1},     {"NumPages", "НеТ", 0},
        {"NumPages", "Yes", std::nullopt}, {"Italic", "Так", 1},     {"Strikeout", "0.0", 0},
        {"TextColor", "red", 0x0000FF},    {"TextColor", "КРАСНЫЙ", 0x0000FF}, {"TextColor", "255", 0x0000FF},
        {"TextColor", "$0000FF", 0x0000FF}, {"TextColor", "розовый", std::nullopt},
        {"TextFont", "Arial", 0},          {"TextFont", "", 0},
    };
    for (const sample& s : samples) {
        const auto value = SettingCellValue(Row(s.key), s.text, '.');
        EXPECT_EQ(value, s.value) << s.key << " \"" << s.text << '"';
        EXPECT_EQ(SettingCellAccepts(Row(s.key), s.text, '.'), s.value.has_value()) << s.key;
    }
    EXPECT_FALSE(SettingCellAccepts(SettingRows()[0], SectionBar, '.'));
}

}  // namespace
}  // namespace quillmap::testing
