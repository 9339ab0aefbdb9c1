#include "dialogs/showtext.h"

#include <algorithm>
#include <functional>
#include <vector>

#include "dialogs/breakline.h"
#include "dialogs/textblock.h"

namespace quillmap {

namespace {

struct measuredline {
    std::string_view text;
    platform::extent size;
};

// The width left for text inside a rectangle's frame.
int32_t UsableWidth(const platform::rect& area) { return area.right - area.left - 3; }

// Hands the lines over one by one, measured, for as long as `take` wants more.
void ForEachLine(const platform::rect& area, platform::canvas& surface, std::string_view text, hyphenrule hyphen,
                 const std::function<bool(const measuredline&)>& take) {
    size_t pos = 0;
    while (pos < text.size()) {
        const std::optional<wrappedline> line = TakeLine(UsableWidth(area), surface, text, pos, hyphen);
        if (!line || !take({line->text, surface.TextExtent(line->text)})) {
            return;
        }
        pos = line->next;
    }
}

std::vector<measuredline> AllLines(const platform::rect& area, platform::canvas& surface, std::string_view text,
                                   hyphenrule hyphen) {
    std::vector<measuredline> lines;
    ForEachLine(area, surface, text, hyphen, [&](const measuredline& line) {
        lines.push_back(line);
        return true;
    });
    return lines;
}

// A line whose bottom, with one pixel to spare, would reach the rectangle's bottom is left out.
bool FitsAbove(int32_t top, const measuredline& line, const platform::rect& area) {
    return top + line.size.height + 1 < area.bottom;
}

}  // namespace

void DrawTextInRect(const platform::rect& area, platform::canvas& surface, std::string_view text) {
    const std::vector<measuredline> lines = AllLines(area, surface, text, hyphenrule::ownclass);
    int32_t blockheight = 0;
    for (const measuredline& line : lines) blockheight += line.size.height;
    if (!lines.empty()) blockheight += LineGap * static_cast<int32_t>(lines.size() - 1);

    int32_t y = area.top + (area.bottom - area.top - blockheight) / 2;
    for (const measuredline& line : lines) {
        if (!FitsAbove(y, line, area)) return;
        surface.TextOut({area.left + (area.right - area.left - line.size.width) / 2, y}, line.text, std::nullopt);
        y += line.size.height + LineGap;
    }
}

void DrawWrapped(const platform::rect& area, platform::canvas& surface, std::string_view text) {
    int32_t y = area.top + 1;
    ForEachLine(area, surface, text, hyphenrule::closingmark, [&](const measuredline& line) {
        if (!FitsAbove(y, line, area)) return false;
        surface.TextOut({area.left + 1, y}, line.text, std::nullopt);
        y += line.size.height + LineGap;
        return true;
    });
}

void DrawWrappedCentred(const platform::rect& area, platform::canvas& surface, std::string_view text) {
    const std::vector<measuredline> lines = AllLines(area, surface, text, hyphenrule::closingmark);
    int32_t widest = 0;
    for (const measuredline& line : lines) widest = std::max(widest, line.size.width);

    const int32_t x = area.left + (area.right - area.left - widest) / 2 + 1;
    int32_t y = area.top + 1;
    for (const measuredline& line : lines) {
        if (!FitsAbove(y, line, area)) return;
        surface.TextOut({x, y}, line.text, std::nullopt);
        y += line.size.height + LineGap;
    }
}

}  // namespace quillmap
