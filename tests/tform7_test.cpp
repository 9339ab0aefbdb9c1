#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialogs/tform7.h"
#include "platform/headless/headlessapplication.h"
#include "platform/headless/headlesssystem.h"
#include "support/settingsguard.h"

namespace quillmap::testing {
namespace {

using platform::headlessdialogform;

int32_t RowOf(std::string_view key) { return FindSetting(key)->row; }

TEST(FineSettingsPlacement, AtTheMouseInsideTheWorkArea) {
    const platform::extent window{657, 419};
    const platform::rect workarea{0, 0, 1024, 738};
    struct sample {
        platform::point mouse;
        platform::point expected;
    };
    const sample samples[] = {
        {{500, 100}, {500 - 328, 100}},        // centred across the pointer, top at it
        {{100, 100}, {0, 100}},                // not past the left edge
        {{1000, 100}, {1024 - 657, 100}},      // nor the right one
        {{500, 400}, {172, 400 - 419}},        // above the pointer when it would reach below
        {{500, 319}, {172, 319}},              // exactly reaching the bottom stays
        {{500, 320}, {172, 320 - 419}},
    };
    for (const sample& s : samples) {
        const platform::point at = PlaceFineSettings(s.mouse, window, workarea);
        EXPECT_EQ(at, s.expected) << s.mouse.x << "," << s.mouse.y;
    }
}

class FineSettingsDialog : public ::testing::Test {
protected:
    FineSettingsDialog() {
        dialog.hooks.onapply = [this] {
            calls.push_back(std::string("apply") + (dialog.Visible() ? " shown" : " hidden"));
        };
        dialog.hooks.ondeactivate = [this] { calls.push_back("deactivate"); };
        dialog.hooks.focusmain = [this] { calls.push_back("focus"); };
        system.MoveCursor({500, 100});
    }
    headlessdialogform& Form() { return static_cast<headlessdialogform&>(dialog.Form()); }
    void Type(std::string_view key, std::string text) {
        dialog.SelectCell(RowOf(key));
        dialog.EditCell(std::move(text));
    }

    settingsguard guard;
    platform::headlessapplication app;
    platform::headlesssystem system;
    TForm7 dialog{app, system};
    std::vector<std::string> calls;
};

TEST_F(FineSettingsDialog, ShowsEverySettingAtTheMouse) {
    Settings().TextBaseSyst = 10;
    dialog.Show();
    EXPECT_TRUE(Form().Visible());
    EXPECT_EQ(Form().Caption(), "Тонкая настройка");
    EXPECT_EQ(Form().ClientSize(), (platform::extent{651, 394}));
    const platform::extent window = Form().WindowSize();
    EXPECT_EQ(Form().Position(), (platform::point{500 - window.width / 2, 100}));
    EXPECT_EQ(dialog.Grid().Cell(RowOf("TextBaseSyst")), "10");
    EXPECT_EQ(dialog.Grid().Selected(), 2);
    ASSERT_EQ(Form().Buttons().size(), 2u);
    EXPECT_EQ(Form().Buttons()[0].caption, "Готово");
    EXPECT_EQ(Form().Buttons()[0].bounds, (platform::rect{176, 360, 297, 385}));
    EXPECT_EQ(Form().Buttons()[1].caption, "Отмена");
}

TEST_F(FineSettingsDialog, PaintsTheWarningAndTheSelectedRowsDescription) {
    dialog.Show();
    dialog.SelectCell(RowOf("TextBaseSyst"));
    Form().Surface().ClearOperations();
    Form().Paint();
    std::vector<std::string> texts;
    platform::rect panel;
    for (const auto& op : Form().Surface().Operations()) {
        if (op.what == platform::drawop::kind::text) texts.push_back(op.text);
        if (op.what == platform::drawop::kind::fillrect) panel = op.area;
    }
    ASSERT_GE(texts.size(), 5u);
    EXPECT_EQ(texts[0], "ВНИМАНИЕ!");
    EXPECT_EQ(texts[1], "Ответственность за все последствия, вызванные изменениями ниже-");
    EXPECT_EQ(texts[3], "метров программа может начать работать нестабильно.");
    EXPECT_EQ(panel, (platform::rect{317, 86, 636, 340}));
    std::string drawn;
    for (size_t i = 5; i < texts.size(); ++i) drawn += texts[i] + " ";
    EXPECT_NE(drawn.find("Система счисления"), std::string::npos) << drawn;
}

TEST_F(FineSettingsDialog, DoneAppliesHidesAndRedrawsOnlyForDrawingSettings) {
    dialog.Show();
    Type("HScrollStep", "9");
    Type("TextColor", "red");  // typed, still in the cell when "Готово" is pressed
    Form().ClickButton(TForm7::DoneButton);
    EXPECT_FALSE(Form().Visible());
    EXPECT_EQ(Settings().HScrollStep, 9);
    EXPECT_EQ(Settings().TextColor, 0x0000FFu);
    EXPECT_EQ(calls, std::vector<std::string>{"deactivate"});

    calls.clear();
    dialog.Show();
    EXPECT_EQ(dialog.Grid().Cell(RowOf("TextColor")), "Красный");
    Type("FieldLineClr", "$00FF00");
    Form().ClickButton(TForm7::DoneButton);
    EXPECT_EQ(calls, (std::vector<std::string>{"deactivate", "apply hidden"}));
    EXPECT_EQ(Settings().FieldLineClr, 0x00FF00u);
}

TEST_F(FineSettingsDialog, ShagIsShownAsTheNextStartsValue) {
    dialog.Show();
    Type("Shag", "777");
    Form().ClickButton(TForm7::DoneButton);
    dialog.Show();
    EXPECT_EQ(dialog.Grid().Cell(RowOf("Shag")), "777");
    EXPECT_EQ(Settings().Shag, 10000);
}

TEST_F(FineSettingsDialog, CancelEscAndDeactivationDropTheEdits) {
    enum class way { cancel, escape, otherwindow, titlebar };
    for (const way how : {way::cancel, way::escape, way::otherwindow, way::titlebar}) {
        calls.clear();
        dialog.Show();
        Type("MaxUndoLen", "123");
        Type("ExitOnEsc", "Да");
        switch (how) {
        case way::cancel: Form().ClickButton(TForm7::CancelButton); break;
        case way::escape: Form().PressKey(platform::EscapeKey); break;
        case way::otherwindow: app.Activate(nullptr); break;
        case way::titlebar: Form().CloseFromTitleBar(); break;
        }
        EXPECT_FALSE(Form().Visible()) << int(how);
        EXPECT_EQ(Settings().MaxUndoLen, 1000000);
        EXPECT_FALSE(Settings().ExitOnEsc);
        const bool focuses = how == way::cancel || how == way::escape;
        EXPECT_EQ(calls, focuses ? (std::vector<std::string>{"deactivate", "focus"})
                                 : std::vector<std::string>{"deactivate"})
            << int(how);
        dialog.Show();
        EXPECT_EQ(dialog.Grid().Cell(RowOf("MaxUndoLen")), "1000000");
        EXPECT_EQ(dialog.Grid().Cell(RowOf("ExitOnEsc")), "Нет");
        Form().Hide();
    }
}

TEST_F(FineSettingsDialog, APickerOverTheDialogDoesNotCancelIt) {
    dialog.Show();
    app.colouranswer = 0x00FF00u;
    dialog.SelectCell(RowOf("ChosenFonClr"));
    const int before = Form().Invalidations();
    dialog.DoubleClickCell();
    EXPECT_TRUE(Form().Visible());
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(dialog.Grid().Cell(RowOf("ChosenFonClr")), "Светло-зелёный");
    EXPECT_GT(Form().Invalidations(), before);
    dialog.GridEnter();
    Form().ClickButton(TForm7::DoneButton);
    EXPECT_EQ(Settings().ChosenFonClr, 0x00FF00u);
    EXPECT_EQ(calls, (std::vector<std::string>{"deactivate", "apply hidden"}));
}

TEST_F(FineSettingsDialog, EnterInTheGridChecksTheCell) {
    dialog.Show();
    Type("TextSize", "-300");
    dialog.GridEnter();
    EXPECT_EQ(dialog.Grid().Cell(RowOf("TextSize")), "10");
    Type("TextSize", "-299");
    dialog.GridEnter();
    EXPECT_EQ(dialog.Grid().Cell(RowOf("TextSize")), "-299");
}

}  // namespace
}  // namespace quillmap::testing
