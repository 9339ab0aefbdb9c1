#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

#include "dialogs/inputbox.h"
#include "platform/headless/headlessapplication.h"
#include "platform/headless/headlesssystem.h"

namespace quillmap::testing {
namespace {

using platform::headlessdialogform;

TEST(InputBox, AnswersWhatTheBoxHoldsOnOkOrEnterAndNothingOtherwise) {
    const struct {
        const char* what;
        std::function<void(headlessdialogform&)> user;
        std::optional<std::string> answer;
    } samples[] = {
        {"OK keeps the first answer", [](headlessdialogform& box) { box.ClickButton(inputbox::OkButton); },
         "новая"},
        {"typing replaces the selected first answer, Enter confirms",
         [](headlessdialogform& box) {
             box.TypeInEdit(inputbox::Answer, "KOI8-R");
             box.TypeInEdit(inputbox::Answer, "\r");
         },
         "KOI8-R"},
        {"Cancel", [](headlessdialogform& box) { box.ClickButton(inputbox::CancelButton); }, std::nullopt},
        {"Esc", [](headlessdialogform& box) { box.PressKey(platform::EscapeKey); }, std::nullopt},
        {"the title bar's close", [](headlessdialogform& box) { box.CloseFromTitleBar(); }, std::nullopt},
    };
    for (const auto& sample : samples) {
        platform::headlessapplication app;
        platform::headlesssystem system;
        app.QueueModalAnswer(sample.user);
        EXPECT_EQ(InputBox(app, system, "Вопрос", "Как назвать?", "новая"), sample.answer) << sample.what;
    }
}

TEST(InputBox, WidensForItsPromptAndOpensCentredOnTheScreenWithTheAnswerSelected) {
    platform::headlessapplication app;
    platform::headlesssystem system;
    const std::string shortprompt = "Имя?";
    const std::string longprompt(120, 'W');
    for (const std::string& prompt : {shortprompt, longprompt}) {
        app.QueueModalAnswer([&](headlessdialogform& box) {
            EXPECT_EQ(box.Caption(), "Ввод");
            const platform::extent client = box.ClientSize();
            const auto& edit = box.Edits().at(inputbox::Answer);
            EXPECT_EQ(box.FocusedEdit(), inputbox::Answer);
            EXPECT_TRUE(edit.selected);
            EXPECT_LE(edit.bounds.right, client.width);
            EXPECT_GE(client.width, box.Surface().TextExtent(prompt).width + 16) << prompt;
            const auto& cancel = box.Buttons().at(inputbox::CancelButton);
            EXPECT_LE(cancel.bounds.right, client.width);
            EXPECT_LE(cancel.bounds.bottom, client.height);
            const platform::extent screen = system.ScreenSize();
            const platform::extent window = box.WindowSize();
            EXPECT_NEAR(box.Position().x + window.width / 2, screen.width / 2, 1);
            EXPECT_NEAR(box.Position().y + window.height / 2, screen.height / 2, 1);
            box.ClickButton(inputbox::CancelButton);
        });
        InputBox(app, system, "Ввод", prompt, "x");
    }
}

}  // namespace
}  // namespace quillmap::testing
