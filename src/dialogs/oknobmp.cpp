#include "dialogs/oknobmp.h"

#include <algorithm>
#include <utility>

#include "dialogs/popupfade.h"
#include "dialogs/popupplacement.h"
#include "dialogs/popupstyle.h"

namespace quillmap {

std::unique_ptr<oknobmp> oknobmp::Make(platform::application& app, platform::system& system, platform::extent image,
                                       closer close) {
    std::unique_ptr<platform::pixelsurface> source = app.CreatePixelSurface(image);
    if (!source) return nullptr;
    std::unique_ptr<platform::pixelsurface> output;
    if (int64_t{image.width} * image.height <= FadePixelBudget) {
        output = app.CreatePixelSurface(image);
        if (!output) return nullptr;
        // Until the first tick the window shows the cream it fades from.
        std::fill_n(output->Pixels(), size_t(image.width) * size_t(image.height), PopupBackgroundPixel);
    }
    return std::unique_ptr<oknobmp>(new oknobmp(app, system, std::move(close), std::move(source), std::move(output)));
}

oknobmp::oknobmp(platform::application& app, platform::system& system, closer close,
                 std::unique_ptr<platform::pixelsurface> source, std::unique_ptr<platform::pixelsurface> output)
    : okno(app, system, std::string(), std::move(close)), source_(std::move(source)), output_(std::move(output)) {}

platform::rect oknobmp::Place() {
    const platform::extent image = source_->Size();
    return PlacePopup(system_.CursorPos(),
                      {image.width + 2 * PopupMargin.width, image.height + 2 * PopupMargin.height},
                      system_.WorkArea());
}

void oknobmp::Draw(platform::canvas& surface) {
    DrawBackground(surface);
    surface.DrawPixels(Shown(), {PopupMargin.width, PopupMargin.height});
}

void oknobmp::Step() {
    if (output_ && ticks_ <= FadeSteps) {
        FadePixels(*source_, *output_, PopupBackgroundPixel, ticks_);
        Window().Invalidate();
    }
    ++ticks_;
}

}  // namespace quillmap
