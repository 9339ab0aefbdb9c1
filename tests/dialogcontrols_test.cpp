#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/headless/headlessapplication.h"
#include "platform/headless/headlessdialogform.h"

namespace quillmap {
namespace {

using platform::headlessdialogform;
using Log = std::vector<std::string>;

// What the owner hears, each click with the check its button had by then.
class controlrecord final : public platform::dialogevents {
public:
    void OnShow(platform::canvas&) override {}
    void OnPaint(platform::canvas&) override {}
    void OnButtonClick(size_t index) override {
        log.push_back("click " + std::to_string(index) + (form->Checked(index) ? " on" : ""));
    }
    void OnKeyPress(char key) override { log.push_back("key " + std::to_string(key)); }
    void OnClose() override {}
    void OnActivate(bool) override {}
    void OnMouseDown(platform::point at) override {
        log.push_back("down " + std::to_string(at.x) + "," + std::to_string(at.y));
    }

    platform::dialogform* form = nullptr;
    Log log;
};

// A group box around two runs of radio buttons that a check box keeps apart, then two push buttons.
enum : size_t { Frame, Up1, Up2, Case, Down1, Down2, Find, Cancel, Count };

class dialogcontrols : public ::testing::Test {
protected:
    dialogcontrols() {
        record.form = made.get();
        form.AddGroupBox("Направление");
        form.AddRadioButton("Вверх");
        form.AddRadioButton("Вниз");
        form.AddCheckBox("С учётом регистра");
        form.AddRadioButton("Всё");
        form.AddRadioButton("Выделенное");
        form.AddButton("Найти");
        form.AddButton("Отмена");
        form.SetButtonBounds(Frame, {0, 0, 100, 100});
        form.SetButtonBounds(Up1, {10, 20, 90, 40});
    }
    std::vector<size_t> CheckedOnes() const {
        std::vector<size_t> on;
        for (size_t k = 0; k < Count; ++k)
            if (form.Checked(k)) on.push_back(k);
        return on;
    }

    platform::headlessapplication app;
    controlrecord record;
    std::unique_ptr<platform::dialogform> made = app.CreateDialogForm("Поиск", record);
    headlessdialogform& form = static_cast<headlessdialogform&>(*made);
};

TEST_F(dialogcontrols, ChecksFollowClicksAndTheOwnerHearsOfThemAfterwards) {
    struct step {
        const char* what;
        std::function<void(headlessdialogform&)> act;
        std::vector<size_t> checked;
        Log heard;
    };
    const step steps[] = {
        {"a check box toggles, then the owner hears",
         [](headlessdialogform& f) { f.ClickButton(Case); f.ClickButton(Case); f.ClickButton(Case); },
         {Case}, {"click 3 on", "click 3", "click 3 on"}},
        {"runs split by another control stay apart",
         [](headlessdialogform& f) { f.ClickButton(Up1); f.ClickButton(Down2); f.ClickButton(Up2); },
         {Up2, Down2}, {"click 1 on", "click 5 on", "click 2 on"}},
        {"SetChecked keeps a run exclusive and tells nothing",
         [](headlessdialogform& f) { f.SetChecked(Up1, true); f.SetChecked(Down1, true); f.SetChecked(Up2, true); },
         {Up2, Down1}, {}},
        {"a disabled button and a group box take no click",
         [](headlessdialogform& f) {
             f.SetButtonEnabled(Case, false);
             f.SetButtonEnabled(Find, false);
             for (const size_t k : {Case, Find, Frame}) f.ClickButton(k);
         },
         {}, {}},
        {"a disabled radio button is still unchecked by its run",
         [](headlessdialogform& f) { f.SetChecked(Up1, true); f.SetButtonEnabled(Up1, false); f.ClickButton(Up2); },
         {Up2}, {"click 2 on"}},
        {"Enter on a check box is a key for the window, on a push button a click",
         [](headlessdialogform& f) { f.FocusButton(Case); f.PressEnter(); f.FocusButton(Cancel); f.PressEnter(); },
         {}, {"key 13", "click 7"}},
        {"a click in a group box goes to the control there, or to the window",
         [](headlessdialogform& f) { f.ClickAt({50, 30}); f.ClickAt({50, 80}); },
         {Up1}, {"click 1 on", "down 50,80"}},
    };
    for (const step& each : steps) {
        SCOPED_TRACE(each.what);
        for (size_t k = 0; k < Count; ++k) {
            form.SetChecked(k, false);
            form.SetButtonEnabled(k, true);
        }
        form.Show();
        record.log.clear();
        each.act(form);
        EXPECT_EQ(CheckedOnes(), each.checked);
        EXPECT_EQ(record.log, each.heard);
    }
}

TEST_F(dialogcontrols, TheKeyboardStartsOnTheFirstEnabledPushButtonAndLeavesADisabledOne) {
    form.Show();
    EXPECT_EQ(form.FocusedButton(), Find);
    form.SetButtonEnabled(Find, false);
    EXPECT_EQ(form.FocusedButton(), Cancel);
    EXPECT_FALSE(form.ButtonEnabled(Find));
    EXPECT_EQ(form.Buttons()[Frame].kind, headlessdialogform::button::group);
    EXPECT_EQ(form.Buttons()[Down1].kind, headlessdialogform::button::radio);
}

}  // namespace
}  // namespace quillmap
