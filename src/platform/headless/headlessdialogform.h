#pragma once

#include <string>
#include <vector>

#include "platform/dialogform.h"
#include "platform/headless/headlessactivatable.h"
#include "platform/headless/headlesscanvas.h"

namespace quillmap::platform {

class headlessapplication;

// What a headless dialog adds to its client size: frame and title bar.
inline constexpr extent HeadlessDialogFrame{6, 25};

// A dialog without a screen: it measures and paints on its own recording canvas, and tests act
// as the user, directly on a modeless one and through the application's queued answers on a modal one.
class headlessdialogform final : public dialogform, public headlessactivatable {
public:
    struct button {
        std::string caption;
        rect bounds;
    };

    headlessdialogform(headlessapplication& app, std::string_view caption, dialogevents& events);
    ~headlessdialogform() override;
    headlessdialogform(const headlessdialogform&) = delete;
    headlessdialogform& operator=(const headlessdialogform&) = delete;

    size_t AddButton(std::string_view caption) override;
    void SetButtonBounds(size_t index, const rect& bounds) override { buttons_.at(index).bounds = bounds; }
    void SetButtonFont(const fontspec& font) override { buttonfont_ = font; }
    void SetClientSize(extent client) override { client_ = client; }
    extent WindowSize() const override;
    void MoveTo(point topleft) override { position_ = topleft; }
    void StayOnTop() override { ontop_ = true; }
    bool OnTop() const { return ontop_; }

    // Plays the application's queued answers until the modal result is set or the window is gone.
    int32_t ShowModal() override;
    bool ShowingModally() const override { return modal_; }
    void Show() override;
    void SetModalResult(int32_t result) override { modalresult_ = result; }
    int32_t ModalResult() const override { return modalresult_; }
    // As on Windows, the window is hidden first, which passes activation on, and only then destroyed.
    void Destroy() override;
    bool Destroyed() const override { return destroyed_; }
    void ActivationChanged(bool active) override;

    // What a test reads.
    const std::string& Caption() const { return caption_; }
    const std::vector<button>& Buttons() const { return buttons_; }
    const fontspec& ButtonFont() const { return buttonfont_; }
    extent ClientSize() const { return client_; }
    point Position() const { return position_; }
    bool Visible() const { return visible_; }
    // Focus is on the first button when the window opens.
    size_t FocusedButton() const { return focused_; }
    headlesscanvas& Surface() { return surface_; }

    // What a test does as the user.
    void Paint() { events_->OnPaint(surface_); }
    void ClickButton(size_t index);
    void FocusButton(size_t index) { focused_ = index; }
    // Enter and Space act on the focused button.
    void PressEnter() { ClickButton(focused_); }
    void PressKey(char key) { events_->OnKeyPress(key); }
    void CloseFromTitleBar() { events_->OnClose(); }

private:
    void Open();

    headlessapplication& app_;
    // The owner's, until this object goes.
    dialogevents* events_;
    std::string caption_;
    std::vector<button> buttons_;
    fontspec buttonfont_;
    extent client_;
    point position_;
    headlesscanvas surface_;
    size_t focused_ = 0;
    int32_t modalresult_ = 0;
    bool modal_ = false;
    bool visible_ = false;
    bool destroyed_ = false;
    bool ontop_ = false;
};

}  // namespace quillmap::platform
