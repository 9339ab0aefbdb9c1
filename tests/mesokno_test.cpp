#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialogs/mesokno.h"
#include "dialogs/messagelayout.h"
#include "dialogs/referencepoint.h"
#include "dialogs/textblock.h"
#include "platform/headless/headlessapplication.h"
#include "platform/headless/headlesssystem.h"
#include "support/settingsguard.h"

namespace quillmap {
namespace {

using platform::drawop;
using platform::extent;
using platform::headlessdialogform;
using platform::point;
using platform::rect;
using Captions = std::vector<std::string>;

// With the default settings the message font is 10 high and, headless, 5 wide a character:
// a two-letter caption makes a button 10 + 2 * 20 wide and 10 + 2 * 5 high.
class messagewindow : public ::testing::Test {
protected:
    std::unique_ptr<mesokno> Create(std::string text, const Captions& captions) {
        return CreateMessageWindow(app, system, "Вопрос", std::move(text), captions);
    }
    static headlessdialogform& Form(mesokno& window) { return static_cast<headlessdialogform&>(window.Form()); }
    static std::vector<rect> Buttons(mesokno& window) {
        std::vector<rect> bounds;
        for (const auto& button : Form(window).Buttons()) bounds.push_back(button.bounds);
        return bounds;
    }

    testing::settingsguard settings;
    platform::headlessapplication app;
    platform::headlesssystem system;
};

TEST_F(messagewindow, FiveButtonsMakeARowOfFourAndOneCentredBelow) {
    ReferencePoint() = {500, 400};
    const auto window = Create("abc", {"ab", "ab", "ab", "ab", "ab"});
    window->Show();
    // Block: 40 + 4 * 50 + 3 * 30 + 40 = 370; the text box keeps that width, 13 high.
    EXPECT_EQ(window->TextRect(), (rect{10, 10, 360, 23}));
    // First row from 23 + 10; 150 pixels spare in five gaps of 30 from x = 10.
    // Second row one row pitch (10 + 20) lower, its button in the middle: 10 + 300 / 2.
    EXPECT_EQ(Buttons(*window), (std::vector<rect>{{40, 33, 90, 53},
                                                    {120, 33, 170, 53},
                                                    {200, 33, 250, 53},
                                                    {280, 33, 330, 53},
                                                    {160, 63, 210, 83}}));
    EXPECT_EQ(Form(*window).ClientSize(), (extent{370, 93}));
    // Centred on the reference point with the frame: 376 by 118.
    EXPECT_EQ(Form(*window).Position(), (point{312, 341}));
    EXPECT_TRUE(Form(*window).Visible());
    EXPECT_EQ(Form(*window).FocusedButton(), 0u);
}

TEST_F(messagewindow, ALongTextSetsTheWidthAndTheButtonIsCentredUnderIt) {
    const std::string text(60, 'a');
    const auto window = Create(text, {"ОК"});
    window->Show();
    // From 110 wide the box widens to 120, where three lines (23, 23, 14 characters) are
    // flatter than 3.5: 120 / 34.
    EXPECT_EQ(window->TextRect(), (rect{10, 10, 130, 45}));
    EXPECT_EQ(Buttons(*window), (std::vector<rect>{{45, 55, 95, 75}}));
    EXPECT_EQ(Form(*window).ClientSize(), (extent{140, 85}));

    Form(*window).Paint();
    std::vector<std::pair<std::string, point>> drawn;
    for (const drawop& op : Form(*window).Surface().Operations()) {
        if (op.what == drawop::kind::text) drawn.emplace_back(op.text, op.points.at(0));
    }
    // The block of the widest line (115) centred: 10 + (120 - 115) / 2 + 1.
    EXPECT_EQ(drawn, (std::vector<std::pair<std::string, point>>{
                         {std::string(23, 'a'), {13, 11}}, {std::string(23, 'a'), {13, 22}}, {std::string(14, 'a'), {13, 33}}}));
}

TEST_F(messagewindow, AMarginNarrowerThanTheSpacingPullsTheOuterGapsIn) {
    Settings().MarginforButton = 10;
    const auto window = Create("abc", {"ab", "ab"});
    window->Show();
    // Block 10 + 50 + 30 + 50 + 10 = 150; spreading starts at 10 - 30 with 90 pixels in three gaps.
    EXPECT_EQ(Buttons(*window), (std::vector<rect>{{10, 33, 60, 53}, {90, 33, 140, 53}}));
    EXPECT_EQ(Form(*window).ClientSize(), (extent{150, 63}));
}

TEST_F(messagewindow, RowsWrapBeforeTheScreensRightEdge) {
    system.SetScreenSize({300, 768});
    const auto window = Create("abc", {"ab", "ab", "ab", "ab"});
    window->Show();
    // A third button would end at 250, and 250 + 40 + 10 is not left of 300.
    const std::vector<rect> buttons = Buttons(*window);
    EXPECT_EQ(window->TextRect(), (rect{10, 10, 200, 23}));
    // Two rows in a window 210 wide: 10 + (210 - 20 - 100) / 3 = 40, then 30 after the first.
    EXPECT_EQ(buttons, (std::vector<rect>{{40, 33, 90, 53}, {120, 33, 170, 53}, {40, 63, 90, 83}, {120, 63, 170, 83}}));
}

TEST_F(messagewindow, AFirstButtonWiderThanTheScreenAllowsStillOpensTheFirstRow) {
    system.SetScreenSize({100, 768});
    const auto window = Create("abc", {"ab"});
    window->Show();
    // The text box is held to 100 - 2 * 10; the button sits right under it, not a row lower.
    EXPECT_EQ(window->TextRect(), (rect{10, 10, 90, 23}));
    EXPECT_EQ(Buttons(*window), (std::vector<rect>{{25, 33, 75, 53}}));
    EXPECT_EQ(Form(*window).ClientSize(), (extent{100, 63}));
}

TEST_F(messagewindow, TheWindowStaysOnTheScreen) {
    const auto window = Create("abc", {"ab", "ab", "ab", "ab", "ab"});
    ReferencePoint() = {1000, 760};
    window->Show();
    // 376 by 118 from 1024 - 376 and 768 - 118.
    EXPECT_EQ(Form(*window).Position(), (point{648, 650}));
    EXPECT_EQ(PlaceMessageWindow({10, 10}, {376, 118}, {1024, 768}), (point{0, 0}));
    // Larger than the screen: the left and top edges win.
    EXPECT_EQ(PlaceMessageWindow({500, 300}, {1100, 800}, {1024, 768}), (point{0, 0}));
}

TEST_F(messagewindow, TheReferencePointAtTheMainWindowOrTheMouse) {
    platform::formdesign design;
    design.client = {10, 10};
    struct noevents final : platform::windowevents {
        void OnPaint(platform::canvas&) override {}
        void OnResize(extent) override {}
        void OnClose() override {}
    } events;
    const auto main = app.CreateForm(design, events);
    static_cast<platform::headlesswindow&>(*main).SetBounds({100, 50, 901, 651});
    AnchorAtMainWindow(*main);
    EXPECT_EQ(ReferencePoint(), (point{500, 350}));
    system.MoveCursor({33, 44});
    AnchorAtMouse(system);
    EXPECT_EQ(ReferencePoint(), (point{33, 44}));
}

TEST_F(messagewindow, ModalShowingsReturnTheButtonOrEscape) {
    const auto window = Create("Сохранить?", {"Да", "Нет", "Отмена"});
    EXPECT_EQ(Form(*window).Caption(), "Вопрос");
    EXPECT_EQ(Form(*window).ModalResult(), 0);
    EXPECT_FALSE(Form(*window).Visible());

    app.QueueModalAnswer([](headlessdialogform& form) { form.ClickButton(1); });
    EXPECT_EQ(window->ShowModal(), 1001);
    EXPECT_FALSE(Form(*window).Visible());

    app.QueueModalAnswer([](headlessdialogform& form) { form.PressKey(platform::EscapeKey); });
    EXPECT_EQ(window->ShowModal(), EscapeResult);
    // Esc ends a modal showing but leaves the window to its caller.
    EXPECT_FALSE(Form(*window).Destroyed());

    // A key other than Esc does nothing; Enter acts on the first button, focused on opening.
    app.QueueModalAnswer([](headlessdialogform& form) { form.PressKey('x'); });
    app.QueueModalAnswer([](headlessdialogform& form) { form.PressEnter(); });
    EXPECT_EQ(window->ShowModal(), 1000);

    app.QueueModalAnswer([](headlessdialogform& form) { form.CloseFromTitleBar(); });
    EXPECT_EQ(window->ShowModal(), EscapeResult);
}

TEST_F(messagewindow, CloseAndActDestroysTheWindowThenRunsTheAction) {
    const auto window = Create("abc", {"Продолжить", "Не показывать в будущем"});
    bool warn = true;
    window->Button(0).onclick = CloseAndAct;
    window->Button(1).onclick = CloseAndAct;
    window->Button(1).clickaction = [&] {
        EXPECT_TRUE(Form(*window).Destroyed());
        warn = false;
    };
    app.QueueModalAnswer([](headlessdialogform& form) { form.ClickButton(1); });
    EXPECT_EQ(window->ShowModal(), 1001);
    EXPECT_TRUE(Form(*window).Destroyed());
    EXPECT_FALSE(warn);

    // A button that does not close only acts.
    const auto other = Create("abc", {"ОК"});
    int acted = 0;
    other->Button(0).closeonclick = false;
    other->Button(0).onclick = CloseAndAct;
    other->Button(0).clickaction = [&] { ++acted; };
    other->Show();
    Form(*other).ClickButton(0);
    EXPECT_EQ(acted, 1);
    EXPECT_FALSE(Form(*other).Destroyed());
}

TEST_F(messagewindow, AModelessWindowGoesOnEscOrItsButton) {
    const auto escaped = Create("abc", {"ОК"});
    escaped->Show();
    Form(*escaped).PressKey(platform::EscapeKey);
    EXPECT_TRUE(Form(*escaped).Destroyed());
    EXPECT_FALSE(Form(*escaped).Visible());

    const auto clicked = Create("abc", {"ОК"});
    clicked->Button(0).onclick = CloseAndAct;
    clicked->Show();
    Form(*clicked).ClickButton(0);
    EXPECT_TRUE(Form(*clicked).Destroyed());

    // Without CloseAndAct a modeless button only sets the result.
    const auto kept = Create("abc", {"ОК"});
    kept->Show();
    Form(*kept).ClickButton(0);
    EXPECT_FALSE(Form(*kept).Destroyed());
    EXPECT_EQ(Form(*kept).ModalResult(), 1000);
}

TEST_F(messagewindow, AWindowTellsWhenItStopsBeingTheActiveOne) {
    const auto window = Create("abc", {"ОК"});
    int told = 0;
    window->ondeactivate = [&] { ++told; };
    window->Button(0).onclick = CloseAndAct;
    window->Show();
    EXPECT_EQ(app.ActiveWindow(), &Form(*window));
    EXPECT_EQ(told, 0);
    app.Activate(nullptr);  // another program
    EXPECT_EQ(told, 1);
    app.Activate(&Form(*window));
    EXPECT_EQ(told, 1);
    // Destroyed while it is the active one, it stops being that on the way.
    Form(*window).ClickButton(0);
    EXPECT_EQ(told, 2);
    EXPECT_EQ(app.ActiveWindow(), nullptr);
}

TEST_F(messagewindow, TheFontSettingsReachTextAndButtonsAtTheNextShowing) {
    const auto window = Create("abc", {"ab"});
    window->Show();
    EXPECT_EQ(Form(*window).ButtonFont().height, 10);
    EXPECT_EQ(Buttons(*window).at(0), (rect{40, 33, 90, 53}));

    Settings().TextSize = 16;
    Settings().TextFont = "Arial";
    Settings().TextStyle = 1 << tsBold | 1 << tsUnderlined;
    Settings().TextColor = platform::Rgb(200, 0, 0);
    window->Show();
    const platform::fontspec font = Form(*window).ButtonFont();
    EXPECT_EQ(font.face, "Arial");
    EXPECT_EQ(font.height, 16);
    EXPECT_EQ(font.style, platform::fsBold | platform::fsUnderline);
    EXPECT_EQ(font.textcolour, platform::Rgb(200, 0, 0));
    // Bold characters 16 high are 9 wide: a caption of 18 in a button of 58 by 26, a block of
    // 138 and a text box of 138 - 2 * 10 by 16 + 3.
    EXPECT_EQ(window->TextRect(), (rect{10, 10, 128, 29}));
    EXPECT_EQ(Buttons(*window).at(0), (rect{40, 39, 98, 65}));
    Form(*window).Paint();
    EXPECT_EQ(Form(*window).Surface().Operations().back().font, font);
}

TEST_F(messagewindow, AWindowWithoutButtonsEndsBelowItsText) {
    const auto window = Create("abc", {});
    window->Show();
    EXPECT_EQ(window->TextRect(), (rect{10, 10, 70, 23}));
    EXPECT_EQ(Form(*window).ClientSize(), (extent{80, 43}));
}

}  // namespace
}  // namespace quillmap
