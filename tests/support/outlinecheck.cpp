#include "support/outlinecheck.h"

#include "base/settings.h"

namespace quillmap::testing {

namespace {

class outlinechecker {
public:
    explicit outlinechecker(const std::vector<outlinerow>& rows) : rows_(rows) {}

    // The rows of one container's children from the next row on; the problem found, if any.
    std::string Level(const cont& container, int32_t depth) {
        for (int32_t k = 0; k < container.ChildCount(); ++k) {
            const pole& child = container.Child(k);
            const std::string where = "row " + std::to_string(next_) + " (child " + std::to_string(k) + " at depth " +
                                      std::to_string(depth) + "): ";
            if (next_ >= rows_.size()) return where + "missing";
            const outlinerow& row = rows_[next_];
            if (row.node != &child || row.serial != child.Serial()) return where + "another field";
            if (row.depth != depth) return where + "depth " + std::to_string(row.depth);
            const int32_t top = next_ == 0 ? Settings().NavigatorOtstupY : rows_[next_ - 1].area.bottom;
            if (row.area.left != Settings().NavigatorOtstupX + depth * navigatoroutline::Indent || row.area.top != top ||
                row.area.bottom <= row.area.top)
                return where + "misplaced";
            ++next_;
            if (!row.expanded) continue;
            if (!child.IsContainer()) return where + "an open field";
            if (std::string problem = Level(static_cast<const cont&>(child), depth + 1); !problem.empty())
                return problem;
        }
        return {};
    }

    std::string Rest() const {
        return next_ == rows_.size() ? std::string() : "rows from " + std::to_string(next_) + " show nothing";
    }

private:
    const std::vector<outlinerow>& rows_;
    size_t next_ = 0;
};

}  // namespace

std::string OutlineMismatch(const cont& root, const std::vector<outlinerow>& rows) {
    outlinechecker checker(rows);
    std::string problem = checker.Level(root, 0);
    return problem.empty() ? checker.Rest() : problem;
}

}  // namespace quillmap::testing
