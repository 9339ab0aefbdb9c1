#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "base/settings.h"
#include "support/inputwindow.h"
#include "support/settingsguard.h"
#include "views/codetext.h"
#include "views/stolbokno.h"

namespace quillmap {
namespace {

using namespace platform;
using testing::inputwindow;

std::vector<uint8_t> Codes(std::string_view bytes) { return {bytes.begin(), bytes.end()}; }

TEST(CodeText, CopiedCodesBreakTheRowAfterEveryColumnCountthCode) {
    testing::settingsguard settings;
    const struct {
        uint8_t base;
        bool firstzeroes;
        int32_t columns;
        std::string bytes;
        std::string text;
    } cases[] = {
        {16, true, 4, "\x01\x02\x03\x04\x05", "01 02 03 04\r05 "},
        {16, false, 4, "\x01\xAB", "1 AB "},
        {10, true, 2, std::string("\x07\xFF\x00", 3), "007 255\r000 "},
        {2, true, 8, "\x05", "00000101 "},
        {16, true, 1, "\x10\x20", "10\r20\r"},
    };
    for (const auto& c : cases) {
        Settings().TextBaseSyst = c.base;
        Settings().FirstZeroes = c.firstzeroes;
        EXPECT_EQ(CodesAsText(Codes(c.bytes), c.columns), c.text) << c.text;
    }
}

TEST(CodeText, PastedTextIsReadAsCodesOrNotAtAll) {
    const struct {
        int32_t base;
        std::string text;
        std::string bytes;  // empty: refused
    } cases[] = {
        {16, "4f 0A", "\x4F\x0A"},
        {16, "4F0A3", "\x4F\x0A\x03"},
        {16, "100", std::string("\x10\x00", 2)},
        {10, "100", "\x64"},
        {10, "256", ""},
        {16, "\t12\r\n 34  ", "\x12\x34"},
        {16, "12 G4", ""},
        {16, "", ""},
        {16, " \r\n", ""},
        {2, "101 11111111", "\x05\xFF"},
        {36, "73 10", "\xFF\x24"},
    };
    for (const auto& c : cases) EXPECT_EQ(CodesToBytes(c.text, c.base), c.bytes) << c.base << " " << c.text;
}

TEST(CodeText, CopiedCodesReadBackInEveryBase) {
    testing::settingsguard settings;
    std::mt19937 random(91);
    for (int round = 0; round < 200; ++round) {
        Settings().TextBaseSyst = static_cast<uint8_t>(2 + random() % 35);
        Settings().FirstZeroes = random() % 2 == 0;
        std::vector<uint8_t> bytes(random() % 30);
        for (uint8_t& byte : bytes) byte = static_cast<uint8_t>(random());
        const std::string text = CodesAsText(bytes, 1 + static_cast<int32_t>(random() % 10));
        EXPECT_EQ(CodesToBytes(text, Settings().TextBaseSyst), std::string(bytes.begin(), bytes.end()))
            << int(Settings().TextBaseSyst) << " " << text;
    }
}

TEST(CodeText, TheKeysCopyCodesAsTextAndPasteTextAsCodes) {
    inputwindow w(std::string("\x01\x02\x03\x04\x05", 5));
    Settings().ColumnCount = 4;
    w.window.Type(vkEnd, 0, ssCtrl | ssShift);
    w.window.Type('C', 0, ssCtrl | ssShift);
    EXPECT_EQ(w.system.Clipboard().Text(), "01 02 03 04\r05 ");
    EXPECT_FALSE(w.form.Modified());

    // Over a selection the pasted codes replace it, in one step of the history.
    w.system.Clipboard().PutForeignText("4f 0A");
    w.window.Type(vkHome, 0, ssCtrl);
    w.window.Type(vkRight, 0, ssShift);
    w.window.Type(vkRight, 0, ssShift);
    w.window.Type('V', 0, ssCtrl | ssShift);
    EXPECT_EQ(w.Bytes(), std::string("\x4F\x0A\x02\x03\x04\x05", 6));
    EXPECT_TRUE(w.form.Modified());
    w.window.Type('Z', 0, ssCtrl);
    EXPECT_EQ(w.Bytes(), std::string("\x01\x02\x03\x04\x05", 5));

    // Text that is not codes beeps and leaves the selection in place.
    w.system.Clipboard().PutForeignText("256 zz");
    w.window.Type(vkRight, 0, ssShift);
    w.window.Type('V', 0, ssCtrl | ssShift);
    EXPECT_EQ(w.system.Beeps(), 1);
    EXPECT_EQ(w.Bytes(), std::string("\x01\x02\x03\x04\x05", 5));
    EXPECT_TRUE(w.form.View().HasSelection());

    // The menu shows the keys.
    const auto& items = w.form.ViewActions();
    EXPECT_EQ(items.at(vwstruct::PasteAsCodesAction)->Shortcut(), "Ctrl+Shift+V");
    EXPECT_EQ(items.at(vwstruct::CopyAsCodesAction)->Shortcut(), "Ctrl+Shift+C");
}

TEST(CodeText, TheColumnWindowFromTheMenuChangesTheRowsAndTheBarsFollow) {
    inputwindow w(std::string(200, '\x11'));
    Settings().ColumnCount = 8;
    tmnitem& columns = *w.form.ViewActions().at(0);
    EXPECT_EQ(columns.Caption(), "Число столбцов...");
    columns.Click();
    stolbokno* shown = w.form.View().ColumnWindow();
    ASSERT_NE(shown, nullptr);
    auto& form = static_cast<headlessdialogform&>(shown->Form());
    const int32_t maximum = w.window.ScrollBar(scrollaxis::vertical)->Maximum();
    form.TypeInEdit(stolbokno::CountEdit, "4\r");
    EXPECT_EQ(Settings().ColumnCount, 4);
    // The signature's row, then the other 197 bytes four to a row.
    EXPECT_EQ(w.form.View().LineCount(), 1 + 50);
    // Twice the rows: the bar's range follows at once.
    EXPECT_GT(w.window.ScrollBar(scrollaxis::vertical)->Maximum(), maximum);
}

}  // namespace
}  // namespace quillmap
