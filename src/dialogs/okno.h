#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/application.h"
#include "platform/system.h"

namespace quillmap {

// A borderless popup over the program showing a text, with a 20 ms timer. It goes when it loses
// the activation or Esc is pressed; it asks its owner to close it through `close`, and the owner
// lets it go after the handler that asked has returned. The text fades in from the background.
class okno : protected platform::windowevents {
public:
    // Asked with the popup that wants to go.
    using closer = std::function<void(okno&)>;

    okno(platform::application& app, platform::system& system, std::string text, closer close);
    virtual ~okno();
    okno(const okno&) = delete;
    okno& operator=(const okno&) = delete;

    // Placed, its timer started, shown.
    void Show();
    platform::window& Window() const { return *window_; }
    // The area drawn in, from the placement.
    platform::extent Client() const { return client_; }
    int32_t Ticks() const { return ticks_; }
    const platform::fontspec& Font() const { return font_; }
    const std::string& Text() const { return text_; }

protected:
    okno(platform::application& app, platform::system& system, std::string text, closer close,
         platform::colour textcolour);

    // Where the window goes on the screen; okno's own: the text's box with the margins at the mouse.
    virtual platform::rect Place();
    virtual void Draw(platform::canvas& surface);
    // One tick of the timer.
    virtual void Step();
    // The frame and the background over the client area.
    void DrawBackground(platform::canvas& surface) const;
    // A canvas in the window's font, for measuring before the window is shown.
    platform::canvas& Measuring();
    void Close() { close_(*this); }

    void OnPaint(platform::canvas& surface) override { Draw(surface); }
    void OnResize(platform::extent) override {}
    void OnClose() override { Close(); }
    void OnTimer(int32_t) override { Step(); }
    void OnActivate(bool active) override;
    void OnKeyDown(uint16_t key, uint8_t) override;

    platform::application& app_;
    platform::system& system_;
    int32_t ticks_ = 0;
    platform::fontspec font_;

private:
    std::string text_;
    closer close_;
    platform::extent client_;
    std::unique_ptr<platform::bitmap> measuring_;
    std::unique_ptr<platform::window> window_;
};

// The variant that closes itself after OknoZeroLifetime ticks; its text shows at once.
class okno_0 final : public okno {
public:
    okno_0(platform::application& app, platform::system& system, std::string text, closer close);

private:
    void Step() override;
};

}  // namespace quillmap
