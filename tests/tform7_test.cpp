#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <optional>
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

// The middle of a rectangle, where a test clicks.
platform::point Middle(const platform::rect& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

// The grid as the user meets it: the editor over the selected value, keys, clicks and the wheel.
class FineSettingsGrid : public FineSettingsDialog {
protected:
    FineSettingsGrid() { dialog.Show(); }
    const headlessdialogform::edit& Editor() { return Form().Edits().at(TForm7::CellEditor); }
    platform::point ValueOf(int32_t row) { return Middle(dialog.ValueCell(row).value()); }
    void Press(platform::keycode key, int times = 1) {
        for (int i = 0; i < times; ++i) Form().PressEditKey(TForm7::CellEditor, key);
    }
    // The editor stands over the selected value and holds its text.
    void ExpectEditorOn(int32_t row) {
        EXPECT_EQ(dialog.Grid().Selected(), row);
        ASSERT_TRUE(dialog.ValueCell(row).has_value()) << row;
        EXPECT_EQ(Editor().bounds, *dialog.ValueCell(row)) << row;
        EXPECT_EQ(Editor().text, dialog.Grid().Cell(row)) << row;
    }
};

TEST_F(FineSettingsGrid, DrawsHeaderKeysValuesAndTheSelection) {
    EXPECT_EQ(Form().FocusedEdit(), std::optional<size_t>(TForm7::CellEditor));
    EXPECT_TRUE(Editor().selected);
    ExpectEditorOn(2);
    EXPECT_EQ(Editor().bounds, (platform::rect{170, 113, 279, 132}));
    Form().Surface().ClearOperations();
    Form().Paint();
    struct celltext {
        platform::point at;
        platform::colour fill;
    };
    std::map<std::string, celltext> texts;
    for (const auto& op : Form().Surface().Operations())
        if (op.what == platform::drawop::kind::text && op.background)
            texts.emplace(op.text, celltext{op.points.at(0), *op.background});
    struct sample {
        std::string text;
        platform::point at;
        platform::colour fill;
    };
    const sample samples[] = {
        {"Параметр.", {11, 76}, platform::clBtnFace},
        {"Значение.", {172, 76}, platform::clBtnFace},
        {"ОБЩИЕ", {11, 96}, platform::clBtnFace},            // a section: its title and its bar
        {"===============", {172, 96}, platform::clWindow},
        {"MaxUndoLen", {11, 116}, platform::clHighlight},     // the selected row
        {"1000000", {172, 116}, platform::clWindow},
        {"ПЕЧАТЬ", {11, 316}, platform::clBtnFace},           // the last row in view
    };
    for (const sample& s : samples) {
        ASSERT_TRUE(texts.count(s.text)) << s.text;
        EXPECT_EQ(texts[s.text].at, s.at) << s.text;
        EXPECT_EQ(texts[s.text].fill, s.fill) << s.text;
    }
    // Row 13 shows only as far as the frame lets it.
    ASSERT_TRUE(texts.count("LeftMargin"));
    EXPECT_EQ(texts["LeftMargin"].at, (platform::point{11, 336}));
    platform::rect cut;
    for (const auto& op : Form().Surface().Operations())
        if (op.what == platform::drawop::kind::clip) cut = op.area;
    EXPECT_EQ(cut, (platform::rect{170, 333, 279, 347})) << "the last cell drawn is cut at the frame";
    EXPECT_FALSE(texts.count("RightMargin"));
}

TEST_F(FineSettingsGrid, ClicksSelectRowsAndTheEditorFeedsTheCell) {
    struct sample {
        platform::point at;
        int32_t selected;
    };
    const sample samples[] = {
        {ValueOf(5), 5},
        {{20, 200}, 6},                  // the key of row 6 selects it too
        {{20, 80}, 6},                   // the header is never selected
        {{300, 200}, 6},                 // beside the grid
        {{150, 73 + 13 * 20 + 2}, 6},    // below the last row in view
        {ValueOf(1), 1},                 // a section row
    };
    for (const sample& s : samples) {
        Form().ClickAt(s.at);
        ExpectEditorOn(s.selected);
    }

    Form().ClickAt(ValueOf(RowOf("MaxUndoLen")));
    Form().TypeInEdit(TForm7::CellEditor, "77");
    EXPECT_EQ(dialog.Grid().Cell(RowOf("MaxUndoLen")), "77") << "every change reaches the cell";
    Form().TypeInEdit(TForm7::CellEditor, "\b\bx\r");
    EXPECT_EQ(dialog.Grid().Cell(RowOf("MaxUndoLen")), "1000000") << "Enter refuses x";
    EXPECT_EQ(Editor().text, "1000000");
    Form().TypeInEdit(TForm7::CellEditor, "0");
    Form().ClickAt(ValueOf(RowOf("OtstupX")));
    EXPECT_EQ(dialog.Grid().Cell(RowOf("MaxUndoLen")), "1000000") << "leaving the cell refuses 0";
    ExpectEditorOn(RowOf("OtstupX"));
    Form().TypeInEdit(TForm7::CellEditor, "-7");
    Form().ClickAt(Middle(finesettingslayout::Done));
    EXPECT_EQ(Settings().OtstupX, -7);
    EXPECT_FALSE(Form().Visible());
}

TEST_F(FineSettingsGrid, KeysAndTheWheelMoveTheSelectionAndScroll) {
    struct step {
        std::function<void()> act;
        int32_t selected;
        int32_t toprow;
    };
    const step steps[] = {
        {[&] { Press(platform::vkUp); }, 1, 1},
        {[&] { Press(platform::vkUp); }, 1, 1},           // nothing above the first section
        {[&] { Press(platform::vkDown, 12); }, 13, 2},    // one past the last row in view
        {[&] { Press(platform::vkNext); }, 24, 13},
        {[&] { Press(platform::vkNext, 5); }, 53, 42},    // kept to the last row
        {[&] { Press(platform::vkDown); }, 53, 42},
        {[&] { Press(platform::vkPrior); }, 42, 42},
        {[&] { Press(platform::vkPrior, 3); }, 9, 9},
        {[&] { Form().WheelAt({100, 100}, -platform::WheelNotch); }, 10, 9},
        {[&] { Form().WheelAt({100, 100}, 2 * platform::WheelNotch); }, 8, 8},
        {[&] { Form().WheelAt({100, 100}, -platform::WheelNotch / 2); }, 8, 8},   // half a notch waits
        {[&] { Form().WheelAt({100, 100}, -platform::WheelNotch / 2); }, 9, 8},
    };
    int n = 0;
    for (const step& s : steps) {
        s.act();
        EXPECT_EQ(dialog.TopRow(), s.toprow) << "step " << n;
        ExpectEditorOn(s.selected);
        ++n;
    }
    EXPECT_FALSE(dialog.ValueCell(7).has_value()) << "scrolled out of view";
    EXPECT_EQ(dialog.RowAt(ValueOf(15)), std::optional<int32_t>(15));
    EXPECT_EQ(dialog.RowAt({100, 80}), std::optional<int32_t>(0));

    // Leaving a refused cell by the keyboard puts its value back.
    Form().TypeInEdit(TForm7::CellEditor, "abc");
    EXPECT_EQ(dialog.Grid().Cell(9), "abc");
    Press(platform::vkDown);
    EXPECT_EQ(dialog.Grid().Cell(9), "Нет");
}

// What the end-to-end test does: from the first showing, 42 times Down reaches TextBaseSyst, at
// the bottom of the grid; 10 typed, Enter, Tab to "Готово" and Enter there apply it.
TEST_F(FineSettingsGrid, TheKeyboardAloneSetsTheNumberBase) {
    const int32_t row = RowOf("TextBaseSyst");
    Press(platform::vkDown, row - FirstSettingRow);
    ExpectEditorOn(row);
    EXPECT_EQ(Editor().bounds, (platform::rect{170, 313, 279, 332}));
    Form().TypeInEdit(TForm7::CellEditor, "10\r");
    EXPECT_EQ(dialog.Grid().Cell(row), "10");
    EXPECT_TRUE(Form().Visible()) << "Enter in the grid only checks the cell";
    Form().ClickButton(TForm7::DoneButton);
    EXPECT_EQ(Settings().TextBaseSyst, 10);
}

TEST_F(FineSettingsGrid, TheScrollBarFollowsTheKeysAndScrollsWithTheSelectionInView) {
    platform::headlessscrollbar& bar = *Form().ScrollBar();
    EXPECT_TRUE(bar.Enabled());
    EXPECT_EQ(bar.Position(), 0);
    const int32_t row = RowOf("TextBaseSyst");
    Press(platform::vkDown, row - FirstSettingRow);
    EXPECT_EQ(bar.Position(), dialog.TopRow() - 1);
    EXPECT_GT(bar.Position(), 0);
    // Back to the top with the thumb: the selection moves up into view, its editor with it.
    Form().Scroll(0);
    EXPECT_EQ(dialog.TopRow(), 1);
    ExpectEditorOn(finesettingslayout::VisibleSettingRows);
    // Past the end is the last page.
    Form().Scroll(1000);
    EXPECT_EQ(dialog.TopRow(), SettingsGridRows - finesettingslayout::VisibleSettingRows);
    ExpectEditorOn(dialog.TopRow());
}

TEST_F(FineSettingsGrid, DoubleClicksToggleAndPick) {
    const int32_t exitonesc = RowOf("ExitOnEsc");
    // The first click of a double click on another row puts the editor there, which takes the
    // second as a click of its own: nothing toggles yet.
    Form().DoubleClickAt(ValueOf(exitonesc));
    ExpectEditorOn(exitonesc);
    EXPECT_EQ(Editor().text, "Нет");
    Form().DoubleClickAt(ValueOf(exitonesc));
    ExpectEditorOn(exitonesc);
    EXPECT_EQ(Editor().text, "Да");
    Form().DoubleClickAt({20, ValueOf(exitonesc).y});
    EXPECT_EQ(dialog.Grid().Cell(exitonesc), "Да") << "a double click on the key does nothing";

    Press(platform::vkDown, RowOf("TextColor") - exitonesc);
    app.colouranswer = platform::Rgb(255, 0, 0);
    Form().DoubleClickAt(ValueOf(RowOf("TextColor")));
    ASSERT_EQ(app.colourdialogs.size(), 1u);
    ExpectEditorOn(RowOf("TextColor"));
    EXPECT_EQ(Editor().text, "Красный");

    Press(platform::vkDown);
    app.fontanswer = platform::fontspec{"Courier New", -16, platform::DefaultCharset, platform::fsBold, platform::Rgb(0, 0, 255)};
    Form().DoubleClickAt(ValueOf(RowOf("TextFont")));
    ASSERT_EQ(app.fontdialogs.size(), 1u);
    ExpectEditorOn(RowOf("TextFont"));
    EXPECT_EQ(Editor().text, "Courier New");
    EXPECT_EQ(dialog.Grid().Cell(RowOf("Bold")), "Да");
    Form().ClickButton(TForm7::DoneButton);
    EXPECT_TRUE(Settings().ExitOnEsc);
    // The font picker wrote the text colour after the colour picker did.
    EXPECT_EQ(Settings().TextColor, platform::Rgb(0, 0, 255));
    EXPECT_EQ(Settings().TextFont, "Courier New");
}

}  // namespace
}  // namespace quillmap::testing
