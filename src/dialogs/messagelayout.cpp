#include "dialogs/messagelayout.h"

#include <algorithm>

#include "base/settings.h"
#include "dialogs/fittextbox.h"

namespace quillmap {

namespace {

// Rows wrap before a button comes this close to the screen's right edge, beyond the margin.
constexpr int32_t ScreenEdgeReserve = 10;
// The height the text box starts from before the text is fitted into it.
constexpr int32_t StartBoxHeight = 10;
constexpr int32_t NarrowestStartBox = 10;

struct buttonrows {
    std::vector<platform::rect> buttons;  // sized, at their row's top, all at left 0
    int32_t blockwidth = 0;
    int32_t lastrowtop = 0;
};

// Buttons sized to their captions and put into rows of at most MaxButtonsinRow that stay off the
// screen's right edge.
buttonrows ArrangeRows(platform::canvas& surface, int32_t screenwidth, std::span<const std::string> captions) {
    const settingvalues& s = Settings();
    buttonrows rows;
    int32_t x = s.MarginforButton;
    int32_t count = 0;
    for (const std::string& caption : captions) {
        const platform::extent size = surface.TextExtent(caption);
        const int32_t width = size.width + 2 * s.HButtonMargin;
        const int32_t height = size.height + 2 * s.VButtonMargin;
        const bool first = rows.buttons.empty();
        const int32_t candidate = first ? x + width : x + s.HSpaceBetween + width;
        // The first button opens the first row whatever its width: a row of none would only
        // leave a gap above it.
        if (first || (count < s.MaxButtonsinRow && candidate + s.MarginforButton + ScreenEdgeReserve < screenwidth)) {
            x = candidate;
            ++count;
        } else {
            rows.blockwidth = std::max(rows.blockwidth, x + s.MarginforButton);
            x = s.MarginforButton + width;
            count = 1;
            rows.lastrowtop += s.VSpaceBetween + height;
        }
        rows.buttons.push_back({0, rows.lastrowtop, width, rows.lastrowtop + height});
    }
    rows.blockwidth = std::max(rows.blockwidth, x + s.MarginforButton);
    return rows;
}

// Spreads one row so that the gaps before, between and after its buttons differ by a pixel at most.
void SpreadRow(std::span<platform::rect> row, int32_t clientwidth) {
    const settingvalues& s = Settings();
    const int32_t n = static_cast<int32_t>(row.size());
    int32_t total = 0;
    for (const platform::rect& button : row) total += button.Width();
    const int32_t free = clientwidth - 2 * (s.MarginforButton - s.HSpaceBetween) - total;
    int32_t x = s.MarginforButton - s.HSpaceBetween;
    for (int32_t k = 0; k < n; ++k) {
        platform::rect& button = row[static_cast<size_t>(k)];
        const int32_t width = button.Width();
        button.left = x + ((k + 1) * free / (n + 1) - k * free / (n + 1));
        button.right = button.left + width;
        x = button.right;
    }
}

}  // namespace

messagelayout LayOutMessageWindow(platform::canvas& surface, platform::extent screen, std::string_view text,
                                  std::span<const std::string> captions) {
    const settingvalues& s = Settings();
    const int32_t mt = s.MarginforText;
    surface.SetFont(MessageFont());
    buttonrows rows = ArrangeRows(surface, screen.width, captions);
    const int32_t lastheight = rows.buttons.empty() ? 0 : rows.buttons.back().Height();

    platform::rect box{0, 0, rows.blockwidth - 2 * mt, StartBoxHeight};
    if (box.right < 0) box.right = NarrowestStartBox;
    FitTextBox(box, surface, {0, 0, screen.width - 2 * mt, screen.height - 3 * mt - rows.lastrowtop - lastheight},
               text);

    messagelayout layout;
    layout.textrect = {box.left + mt, box.top + mt, box.right + mt, box.bottom + mt};
    layout.client.width = box.Width() + 2 * mt;

    const int32_t buttonstop = layout.textrect.bottom + mt;
    for (platform::rect& button : rows.buttons) {
        button.top += buttonstop;
        button.bottom += buttonstop;
    }
    // Rows are runs of buttons at one top.
    for (auto row = rows.buttons.begin(); row != rows.buttons.end();) {
        const auto rowend = std::find_if(row, rows.buttons.end(),
                                         [&](const platform::rect& button) { return button.top != row->top; });
        SpreadRow({row, rowend}, layout.client.width);
        row = rowend;
    }
    // Without buttons the window ends as if under an empty row.
    layout.client.height = (rows.buttons.empty() ? buttonstop : rows.buttons.back().bottom) + mt;
    layout.buttons = std::move(rows.buttons);
    return layout;
}

platform::point PlaceMessageWindow(platform::point reference, platform::extent window, platform::extent screen) {
    const auto place = [](int32_t centre, int32_t size, int32_t screensize) {
        int32_t start = centre - size / 2;
        if (start + size > screensize) start = screensize - size;
        return std::max(start, 0);
    };
    return {place(reference.x, window.width, screen.width), place(reference.y, window.height, screen.height)};
}

}  // namespace quillmap
