#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/application.h"
#include "platform/system.h"

namespace quillmap {

inline constexpr std::string_view GreetingTitle = "Здравствуйте!";
// Lines end with LF CR, as the program's texts do.
inline constexpr std::string_view GreetingText =
    "   Вас приветствует программа Quillmap. Я загру-\n\rжаюсь в первый раз на вашем комьютере. Введите,\n\r"
    "пожалуйста через запятую те расширения, которые\n\rвы хотите, чтобы я открывал.";
inline constexpr std::string_view GreetingExtensions = "*.gif";

// The greeting of the first start: it asks which extensions the program should open. Modal,
// centred on the screen; made hidden at start-up and kept to the end.
class TForm4 final : private platform::dialogevents {
public:
    static constexpr size_t OkButton = 0;
    static constexpr size_t DeclineButton = 1;
    static constexpr size_t Extensions = 0;

    TForm4(platform::application& app, platform::system& system);
    TForm4(const TForm4&) = delete;
    TForm4& operator=(const TForm4&) = delete;

    // The extensions as typed at "ОК" or Enter; nothing at "Это мне не нужно", Esc or the title
    // bar's close.
    std::optional<std::string> Execute();
    platform::dialogform& Form() { return *form_; }

private:
    void OnShow(platform::canvas& measuring) override;
    void OnPaint(platform::canvas& surface) override;
    void OnButtonClick(size_t index) override;
    void OnKeyPress(char key) override;
    void OnClose() override;
    void OnActivate(bool) override {}

    platform::system& system_;
    std::unique_ptr<platform::dialogform> form_;
};

}  // namespace quillmap
