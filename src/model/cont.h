#pragma once

#include <memory>
#include <utility>
#include <vector>

#include "model/pole.h"

namespace quillmap {

using poles = std::vector<std::unique_ptr<pole>>;

// A container: its children lie end to end over its extent, unless a child places itself further on.
class cont : public pole {
public:
    cont(fieldhost& view, cont* parent, fieldkind kind = fieldkind::cont);
    ~cont() override;

    void SetStart(int32_t position) override;
    int32_t Recheck(int32_t position, int32_t count) override;
    void Parse() override;
    void CollectVisible(bool force, std::vector<pole*>& list) override;
    // Children from k on are laid out and parsed again; those after k first lose their places.
    virtual void RelayoutFrom(int32_t k);
    // After bytes were inserted or deleted at position: each format decides how far to cut back.
    virtual void RebuildFrom(int32_t position) = 0;
    // The explanation of bytes from position that no field covers; only the root knows it.
    virtual void GapText(int32_t position, std::string& text) const;
    // Back to the tree of a new document, as the constructor made it: the view resets its root
    // before parsing a whole document, so that nothing of the old tree survives.
    virtual void Reset();

    // Destroys children k to the end.
    void TruncateChildren(int32_t k);

    int32_t ChildCount() const { return static_cast<int32_t>(children_.size()); }
    pole& Child(int32_t index) const { return *children_[index]; }
    pole& LastChild() const { return *children_.back(); }
    int32_t IndexOf(const pole& child) const;
    // Index of the first child whose end lies after position; ChildCount() when none does.
    int32_t FirstChildEndingAfter(int32_t position) const;
    // Index of the first child a hook has made but nobody has placed yet; ChildCount() when none.
    int32_t FirstUnplacedChild() const;

    template <class Field, class... Args>
    Field& Append(Args&&... args) {
        return Insert<Field>(ChildCount(), std::forward<Args>(args)...);
    }
    template <class Field, class... Args>
    Field& Insert(int32_t index, Args&&... args) {
        auto field = std::make_unique<Field>(View(), this, std::forward<Args>(args)...);
        Field& made = *field;
        children_.insert(children_.begin() + index, std::move(field));
        return made;
    }

    bool Expanded() const { return expanded_; }
    void SetExpanded(bool expanded) { expanded_ = expanded; }

protected:
    // Places child j after its predecessor when it has no place yet, and parses it.
    void LayOutChild(int32_t j);
    void MeasureFromChildren();

    poles children_;

private:
    bool expanded_ = false;
    // The child the layout loop is parsing, so that a child finds itself at once.
    int32_t layoutindex_ = -1;
};

}  // namespace quillmap
