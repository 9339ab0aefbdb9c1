#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/application.h"
#include "platform/system.h"

namespace quillmap {

// A one-line question: the prompt above an edit box holding a first answer, with "ОК" and
// "Отмена"; centred on the screen, made for the one question.
class inputbox final : private platform::dialogevents {
public:
    static constexpr size_t OkButton = 0;
    static constexpr size_t CancelButton = 1;
    static constexpr size_t Answer = 0;

    inputbox(platform::application& app, platform::system& system, std::string_view caption, std::string_view prompt,
             std::string_view initial);
    inputbox(const inputbox&) = delete;
    inputbox& operator=(const inputbox&) = delete;

    // Shows the box modally; the answer as it stands at "ОК" or Enter, nothing at "Отмена", Esc or
    // the title bar's close.
    std::optional<std::string> Execute();

private:
    void OnShow(platform::canvas& measuring) override;
    void OnPaint(platform::canvas& surface) override;
    void OnButtonClick(size_t index) override;
    void OnKeyPress(char key) override;
    void OnClose() override;
    void OnActivate(bool) override {}

    platform::system& system_;
    std::string prompt_;
    std::unique_ptr<platform::dialogform> form_;
};

// The same, asked once.
std::optional<std::string> InputBox(platform::application& app, platform::system& system, std::string_view caption,
                                    std::string_view prompt, std::string_view initial);

}  // namespace quillmap
