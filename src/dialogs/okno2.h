#pragma once

#include "dialogs/okno.h"

namespace quillmap {

// The ticker: the text runs leftwards through a strip at the top of the screen, one pixel a
// tick, and the window closes itself once the text has left it.
class okno_2 final : public okno {
public:
    okno_2(platform::application& app, platform::system& system, std::string text, closer close);
    // Where the text starts now, in client pixels.
    int32_t TextX() const { return ticks_; }

private:
    platform::rect Place() override;
    void Draw(platform::canvas& surface) override;
    void Step() override;

    int32_t textwidth_ = 0;
};

}  // namespace quillmap
