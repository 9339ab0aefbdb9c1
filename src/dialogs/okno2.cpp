#include "dialogs/okno2.h"

#include <algorithm>
#include <array>
#include <utility>

#include "dialogs/popupstyle.h"

namespace quillmap {

okno_2::okno_2(platform::application& app, platform::system& system, std::string text, closer close)
    : okno(app, system, std::move(text), std::move(close), PopupTextColour) {}

platform::rect okno_2::Place() {
    const platform::extent text = Measuring().TextExtent(Text());
    const int32_t screen = system_.ScreenSize().width;
    textwidth_ = text.width;
    const int32_t width = text.width < screen / 2 ? std::max(100, text.width * 2 / 3)
                                                  : std::clamp(text.width / 2, screen / 3, std::max(screen / 3, screen));
    // The tick counter holds the text's x position: it enters at the right edge.
    ticks_ = width;
    return {0, 0, width, text.height + 2 * PopupMargin.height + 2};
}

void okno_2::Draw(platform::canvas& surface) {
    const platform::extent client = Client();
    surface.SetBrush(PopupBackground);
    surface.FillRect({0, 0, client.width, client.height});
    surface.SetFont(font_);
    surface.TextOut({ticks_, PopupMargin.height}, Text(), std::nullopt);
    surface.SetPen(platform::penspec{});
    const std::array<platform::point, 5> frame{platform::point{0, 0}, platform::point{client.width - 1, 0},
                                               platform::point{client.width - 1, client.height - 1},
                                               platform::point{0, client.height - 1}, platform::point{0, 0}};
    surface.Polyline(frame);
}

void okno_2::Step() {
    if (textwidth_ + ticks_ <= 0) return Close();
    Window().Invalidate();
    --ticks_;
}

}  // namespace quillmap
