#pragma once

#include <memory>

#include "dialogs/okno.h"
#include "platform/pixelsurface.h"

namespace quillmap {

// The picture popup: the caller writes the picture into the source surface, and the window shows
// it inside a cream border, fading in from the cream over FadeSteps ticks. A picture of more than
// FadePixelBudget pixels shows at once, and has no output surface.
class oknobmp final : public okno {
public:
    // Null when a surface cannot be made (too large, or out of memory).
    static std::unique_ptr<oknobmp> Make(platform::application& app, platform::system& system, platform::extent image,
                                         closer close);

    platform::pixelsurface& Source() { return *source_; }
    // What the window shows now.
    const platform::pixelsurface& Shown() const { return output_ ? *output_ : *source_; }
    bool Fades() const { return output_ != nullptr; }

private:
    oknobmp(platform::application& app, platform::system& system, closer close,
            std::unique_ptr<platform::pixelsurface> source, std::unique_ptr<platform::pixelsurface> output);

    platform::rect Place() override;
    void Draw(platform::canvas& surface) override;
    void Step() override;

    std::unique_ptr<platform::pixelsurface> source_;
    std::unique_ptr<platform::pixelsurface> output_;
};

}  // namespace quillmap
