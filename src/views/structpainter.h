#pragma once

#include <cstdint>
#include <vector>

#include "platform/canvas.h"
#include "views/codeselection.h"
#include "views/structmetrics.h"

namespace quillmap {

class vwstruct;

// Where a printed page stopped: the scroll y that starts the next page with the first row this
// one could not hold, or the last page.
struct pageend {
    bool lastpage = true;
    int32_t nextscrolly = 0;
};

// Draws one screen (or one printed page) of the structure view: the frozen header and
// coordinate column, the separator and margin lines, and every visible row's value, description
// and codes. Only the rows inside the client area are visited, so the work does not grow with
// the document.
class structpainter {
public:
    explicit structpainter(vwstruct& view);
    pageend Paint();

private:
    struct visiblerow {
        int32_t entry;
        int32_t row;
        int32_t y;         // the row's top on the canvas
        int64_t blocktop;  // the top of the entry's block on the canvas
    };

    void FindVisibleRows();
    void PaintHeader();
    void PaintCoordinatesAndSeparators();
    void PaintMarginLines();
    void PaintRow(const visiblerow& row, bool firstvisible);
    void PaintDescription(const visiblerow& row);
    void PaintCodes(const visiblerow& row);
    void PaintBoxes(const visiblerow& row);
    void Separator(int64_t y);

    int32_t BlockBottom(const visiblerow& row) const;
    int32_t Right() const { return m_.OriginX + clientwidth_; }

    vwstruct& view_;
    platform::canvas& canvas_;
    const structmetrics m_;
    const codeselection selection_;
    int32_t scrollx_;
    int64_t scrolly_;
    int32_t clientwidth_;
    int32_t bottom_;  // the client area's bottom on the canvas
    int32_t firstblocktop_;
    std::vector<visiblerow> rows_;
    pageend pageend_;
};

}  // namespace quillmap
