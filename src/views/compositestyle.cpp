#include "views/compositestyle.h"

#include <algorithm>
#include <string>

#include "base/settings.h"
#include "views/vwstruct.h"

namespace quillmap {

void compositestyle::DrawValueRow(vwstruct& view, const platform::rect& area, int32_t start, const pole*,
                                  int32_t row, int32_t length) const {
    const std::vector<uint8_t>& bytes = view.Bytes();
    const int64_t columns = view.ColumnCount();
    const int64_t from = start + columns * row;
    const int64_t to = std::min({from + columns, int64_t(start) + length, int64_t(bytes.size())});
    if (from >= to) return;
    const std::string text(bytes.begin() + from, bytes.begin() + to);

    const bytespan selected = view.SelectedValueBytes();
    const int64_t selfrom = std::clamp<int64_t>(selected.from, from, to);
    const int64_t selto = std::clamp<int64_t>(selected.to, selfrom, to);
    const std::string_view runs[3] = {std::string_view(text).substr(0, static_cast<size_t>(selfrom - from)),
                                      std::string_view(text).substr(static_cast<size_t>(selfrom - from),
                                                                    static_cast<size_t>(selto - selfrom)),
                                      std::string_view(text).substr(static_cast<size_t>(selto - from))};

    platform::canvas& canvas = view.Canvas();
    const settingvalues& settings = Settings();
    const platform::fontspec font = canvas.Font();
    platform::fontspec chosen = font;
    chosen.textcolour = settings.ChosenTextClr;
    int32_t x = area.left;
    for (int run = 0; run < 3; ++run) {
        if (runs[run].empty()) continue;
        const bool highlighted = run == 1;
        if (highlighted) canvas.SetFont(chosen);
        canvas.TextOut({x, area.top}, runs[run],
                       highlighted ? platform::textbackground(settings.ChosenFonClr) : std::nullopt);
        if (highlighted) canvas.SetFont(font);
        x += canvas.MeasureSingleLine(runs[run]).width;
    }
}

}  // namespace quillmap
