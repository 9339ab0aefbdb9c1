#include <gtest/gtest.h>

#include "app/pluralform.h"
#include "app/statusbartexts.h"

namespace quillmap::testing {
namespace {

TEST(PluralForm, RussianEndingsAfterACount) {
    for (const int64_t n : {1, 21, 101, 1001}) EXPECT_EQ(PluralForm(n), pluralform::one) << n;
    for (const int64_t n : {2, 3, 4, 22, 104, 1003}) EXPECT_EQ(PluralForm(n), pluralform::few) << n;
    for (const int64_t n : {0, 5, 9, 10, 11, 12, 13, 14, 15, 19, 20, 25, 111, 112, 114, 1000}) {
        EXPECT_EQ(PluralForm(n), pluralform::many) << n;
    }
}

TEST(StatusBar, PositionsAreShownFromOne) {
    EXPECT_EQ(PositionPanelText(11, 2), "12 : 3");
    EXPECT_EQ(PositionPanelText(0, 0), "1 : 1");
}

TEST(StatusBar, LineCountTakesTheEndingOfItsNumber) {
    EXPECT_EQ(LineCountPanelText(1), "1 строка");
    EXPECT_EQ(LineCountPanelText(3), "3 строки");
    EXPECT_EQ(LineCountPanelText(11), "11 строк");
    EXPECT_EQ(LineCountPanelText(21), "21 строка");
    EXPECT_EQ(LineCountPanelText(22), "22 строки");
    EXPECT_EQ(LineCountPanelText(25), "25 строк");
    EXPECT_EQ(LineCountPanelText(111), "111 строк");
    EXPECT_EQ(LineCountPanelText(112), "112 строк");
    EXPECT_EQ(LineCountPanelText(0), "0 строк");
}

TEST(StatusBar, EditingMode) {
    EXPECT_EQ(ModePanelText(true), "Вставка");
    EXPECT_EQ(ModePanelText(false), "Замена");
}

TEST(StatusBar, OpenTimeInSecondsWithThreeDigitsOfMilliseconds) {
    EXPECT_EQ(OpenTimePanelText(1047), "1.047 сек.");
    EXPECT_EQ(OpenTimePanelText(5), "0.005 сек.");
    EXPECT_EQ(OpenTimePanelText(0), "0.000 сек.");
    EXPECT_EQ(OpenTimePanelText(61230), "61.230 сек.");
    EXPECT_EQ(OpenTimePanelText(-1), "");
}

}  // namespace
}  // namespace quillmap::testing
