#include "views/valuedrawing.h"

#include <algorithm>

#include "base/settings.h"
#include "views/vwstruct.h"

namespace quillmap {

bool FieldSelected(vwstruct& view, const pole& field) {
    const bytespan selected = view.SelectedValueBytes();
    const int64_t last = std::min<int64_t>(int64_t(field.Start()) + field.Length(), view.DocumentLength());
    return selected.from < selected.to && selected.from <= field.Start() && last <= selected.to;
}

void DrawSelectedRuns(platform::canvas& canvas, platform::point at, std::string_view text, int64_t from, int64_t to) {
    const auto size = static_cast<int64_t>(text.size());
    from = std::clamp<int64_t>(from, 0, size);
    to = std::clamp<int64_t>(to, from, size);
    const std::string_view runs[3] = {text.substr(0, static_cast<size_t>(from)),
                                      text.substr(static_cast<size_t>(from), static_cast<size_t>(to - from)),
                                      text.substr(static_cast<size_t>(to))};
    const settingvalues& settings = Settings();
    const platform::fontspec font = canvas.Font();
    platform::fontspec chosen = font;
    chosen.textcolour = settings.ChosenTextClr;
    int32_t x = at.x;
    for (int run = 0; run < 3; ++run) {
        if (runs[run].empty()) continue;
        const bool highlighted = run == 1;
        if (highlighted) canvas.SetFont(chosen);
        canvas.TextOut({x, at.y}, runs[run], highlighted ? platform::textbackground(settings.ChosenFonClr) : std::nullopt);
        if (highlighted) canvas.SetFont(font);
        x += canvas.MeasureSingleLine(runs[run]).width;
    }
}

void DrawSwatch(platform::canvas& canvas, const platform::rect& area, platform::colour colour) {
    const platform::penspec pen = canvas.Pen();
    const platform::colour brush = canvas.Brush();
    canvas.SetPen({platform::clBlack, 1});
    canvas.SetBrush(colour);
    canvas.Rectangle(area);
    canvas.SetPen(pen);
    canvas.SetBrush(brush);
}

}  // namespace quillmap
