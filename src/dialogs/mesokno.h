#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/application.h"
#include "platform/system.h"

namespace quillmap {

// Modal results of a message window.
inline constexpr int32_t FirstButtonResult = 1000;  // plus the button's index
inline constexpr int32_t EscapeResult = 2;           // Esc, or closed from the title bar

class mesokno;

// A push button of the message window.
class mesbut {
public:
    mesbut(mesokno& owner, std::string caption, int32_t modalresult);

    mesokno& Owner() const { return owner_; }
    const std::string& Caption() const { return caption_; }
    // Set on the window when the button is clicked.
    int32_t ModalResult() const { return modalresult_; }

    bool closeonclick = true;
    // Runs after a click has set the window's modal result: CloseAndAct, or nothing.
    std::function<void(mesbut&)> onclick;
    // What CloseAndAct runs once the window is closed.
    std::function<void()> clickaction;

private:
    mesokno& owner_;
    std::string caption_;
    int32_t modalresult_;
};

// The click handler for modeless or action-carrying buttons: closes the window if the button
// says so, then runs the button's action.
void CloseAndAct(mesbut& button);

// The program's own message window: a title, a word-wrapped text and buttons with free captions,
// laid out from the settings of the dialog windows every time it is shown.
class mesokno final : private platform::dialogevents {
public:
    mesokno(platform::application& app, platform::system& system, std::string_view title, std::string text,
            std::span<const std::string> captions);

    // FirstButtonResult + the index of the clicked button, or EscapeResult.
    int32_t ShowModal();
    void Show();

    size_t ButtonCount() const { return buttons_.size(); }
    mesbut& Button(size_t index) { return *buttons_.at(index); }
    const std::string& Text() const { return text_; }
    // Where the text is drawn, in client coordinates.
    const platform::rect& TextRect() const { return textrect_; }
    platform::dialogform& Form() { return *form_; }

    // Runs when the window stops being the active one: the owner of a modeless window lets it go
    // then, though not inside this call, which comes from the window's own handler.
    std::function<void()> ondeactivate;

private:
    void OnShow(platform::canvas& measuring) override;
    void OnPaint(platform::canvas& surface) override;
    void OnButtonClick(size_t index) override;
    void OnKeyPress(char key) override;
    void OnClose() override;
    void OnActivate(bool active) override;
    // Esc and the title bar's close: a modal showing ends with EscapeResult, a modeless window goes.
    void Cancel();

    platform::system& system_;
    std::string text_;
    platform::rect textrect_;
    platform::fontspec font_;
    std::vector<std::unique_ptr<mesbut>> buttons_;
    std::unique_ptr<platform::dialogform> form_;
};

// A new, hidden message window with one button per caption, in order.
std::unique_ptr<mesokno> CreateMessageWindow(platform::application& app, platform::system& system,
                                             std::string_view title, std::string text,
                                             std::span<const std::string> captions);

}  // namespace quillmap
