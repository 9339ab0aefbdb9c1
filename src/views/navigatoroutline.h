#pragma once

#include <cstdint>
#include <functional>
#include <string_view>
#include <utility>
#include <vector>

#include "model/cont.h"
#include "platform/geometry.h"

namespace quillmap {

// One line of the navigator's outline: the field it shows and where its title lies, in pixels of
// the outline before scrolling. The field is recognised by its object and its serial together,
// since a destroyed field's place may be taken by a new one.
struct outlinerow {
    pole* node = nullptr;
    uint32_t serial = 0;
    bool expanded = false;
    // 0 for the root's children.
    int32_t depth = 0;
    // right is the end of the title's hot area.
    platform::rect area;
};

// Where a point of the outline falls.
enum class outlinepart : uint8_t { none, box, title, other };

struct outlinehit {
    outlinepart part = outlinepart::none;
    size_t row = 0;
};

// The navigator's foldable outline of a field tree, apart from any window: rows open and close
// on their own, independently of the structure view, and follow the tree after edits.
class navigatoroutline {
public:
    static constexpr int32_t Indent = 14;
    static constexpr int32_t BoxSide = 9;

    // The width and height of a title as the window's font writes it.
    using measurer = std::function<platform::extent(std::string_view title)>;

    explicit navigatoroutline(measurer measure) : measure_(std::move(measure)) {}

    // One collapsed row per child of the root.
    void Rebuild(const cont& root);
    // After the tree changed: rows whose fields are still there keep their open state; where a
    // level stops matching the tree, the rest of it is made again collapsed.
    void Sync(const cont& root);
    // Opens or closes a container's row; false, and nothing changes, for a field row.
    bool Toggle(size_t row);
    // Places every row again (after the margins or the font changed).
    void Layout();

    const std::vector<outlinerow>& Rows() const { return rows_; }
    // Whether the children of a container have rows, which then hold them.
    bool Opened(const cont& container) const;
    int32_t ContentWidth() const { return contentwidth_; }
    // The bottom of the last row, or the top margin when there is none.
    int32_t ContentHeight() const;
    // The square of a row's box, in outline pixels.
    static platform::rect BoxOf(const outlinerow& row);
    // What lies under a point of the outline.
    outlinehit HitTest(platform::point at) const;
    // The first row whose bottom is below y; the row count when none is.
    size_t FirstRowBelow(int32_t y) const;

private:
    outlinerow MakeRow(pole& field, int32_t depth) const;
    void AppendChildren(const cont& container, int32_t from, int32_t depth, std::vector<outlinerow>& into) const;
    // Copies the old rows of one level (from index i on) that still match the container's
    // children into fresh, then the children not yet shown; i ends after the old level.
    void SyncLevel(const cont& container, int32_t depth, size_t& i, std::vector<outlinerow>& fresh) const;

    measurer measure_;
    std::vector<outlinerow> rows_;
    // The open rows' fields, gathered as the rows are placed: the view asks on every paint.
    std::vector<const pole*> opened_;
    int32_t contentwidth_ = 0;
};

}  // namespace quillmap
