#include "views/navigatordrawing.h"

#include <array>
#include <vector>

namespace quillmap {

namespace {

void Line(platform::canvas& surface, platform::colour colour, platform::point from, platform::point to) {
    surface.SetPen({colour, 1, platform::penmode::copy});
    const std::array<platform::point, 2> points{from, to};
    surface.Polyline(points);
}

// The box of a container, or the short line of a field, with x and top already scrolled.
void DrawMark(platform::canvas& surface, const outlinerow& row, int32_t x, int32_t top) {
    const int32_t middle = top + 4;
    if (!row.node->IsContainer()) {
        Line(surface, NavigatorLines, {x, middle}, {x + 8, middle});
        return;
    }
    surface.SetPen({NavigatorLines, 1, platform::penmode::copy});
    surface.SetBrush(platform::clWhite);
    surface.Rectangle({x, top, x + navigatoroutline::BoxSide, top + navigatoroutline::BoxSide});
    if (row.expanded) {
        Line(surface, NavigatorOpenBar, {x + 2, middle}, {x + 6, middle});
    } else {
        Line(surface, NavigatorClosedPlus, {x + 2, middle}, {x + 7, middle});
        Line(surface, NavigatorClosedPlus, {x + 4, top + 2}, {x + 4, top + 7});
    }
}

void DrawTitle(platform::canvas& surface, const outlinerow& row, const outlineview& view, bool hovered) {
    platform::fontspec font = view.font;
    if (hovered) {
        font.style |= platform::fsUnderline;
        font.textcolour = NavigatorHover;
    }
    surface.SetFont(font);
    surface.TextOut({row.area.left + navigatoroutline::Indent - view.scroll.x, row.area.top - view.scroll.y},
                    row.node->Title(), platform::clWhite);
}

}  // namespace

void DrawOutline(platform::canvas& surface, const navigatoroutline& outline, const outlineview& view) {
    surface.SetBrush(platform::clWhite);
    surface.FillRect({0, 0, view.visible.width, view.visible.height});
    const std::vector<outlinerow>& rows = outline.Rows();
    const int32_t bottom = view.scroll.y + view.visible.height;
    // Per depth, where the vertical line of the next row at that depth starts: under the parent's
    // box, then at the middle of the sibling before.
    std::vector<int32_t> linefrom;
    for (size_t k = 0; k < rows.size(); ++k) {
        const outlinerow& row = rows[k];
        // Past the picture nothing but the lines crossing it is left to draw, and a top-level row
        // ends them all.
        const bool below = row.area.top >= bottom;
        if (below && row.depth == 0) break;
        const platform::rect box = navigatoroutline::BoxOf(row);
        const int32_t middle = box.top + 4 - view.scroll.y;
        const int32_t x = row.area.left - view.scroll.x;
        linefrom.resize(static_cast<size_t>(row.depth) + 2);
        if (row.depth > 0) {
            const int32_t from = linefrom[static_cast<size_t>(row.depth)];
            if (from < view.visible.height && middle >= 0) Line(surface, NavigatorLines, {x - 10, from}, {x - 10, middle});
            if (!below) Line(surface, NavigatorLines, {x - 10, middle}, {x, middle});
        }
        linefrom[static_cast<size_t>(row.depth)] = middle;
        linefrom[static_cast<size_t>(row.depth) + 1] = box.bottom - view.scroll.y;
        if (below || row.area.bottom <= view.scroll.y) continue;
        DrawMark(surface, row, x, box.top - view.scroll.y);
        DrawTitle(surface, row, view, k == view.hover);
    }
    surface.SetPen({NavigatorFrame, 1, platform::penmode::copy});
    const int32_t right = view.visible.width - 1;
    const int32_t lowest = view.visible.height - 1;
    const std::array<platform::point, 5> frame{{{0, 0}, {right, 0}, {right, lowest}, {0, lowest}, {0, 0}}};
    surface.Polyline(frame);
}

}  // namespace quillmap
