#pragma once

#include <memory>
#include <utility>
#include <vector>

#include "model/fieldrun.h"
#include "model/pole.h"

namespace quillmap {

using poles = std::vector<std::unique_ptr<pole>>;

// Counts the changes of every tree's shape: fields made, destroyed or laid out again. A view that
// finds the count unchanged after the tree followed an edit knows its rows still stand.
uint64_t ShapeChanges();
void NoteShapeChange();

// A container: its children lie end to end over its extent, unless a child places itself further on.
// Its first children are field objects; a long repetition after them may be held as a run.
class cont : public pole {
public:
    cont(fieldhost& view, cont* parent, fieldkind kind = fieldkind::cont);
    ~cont() override;

    void SetStart(int32_t position) override;
    int32_t Recheck(int32_t position, int32_t count) override;
    void Parse() override;
    void CollectShown(bool force, std::vector<shownpart>& parts) override;
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

    int32_t ChildCount() const { return ObjectCount() + (run_ ? run_->Count() : 0); }
    // A child of the run is made when asked for.
    pole& Child(int32_t index) const {
        return index < ObjectCount() ? *children_[index] : run_->Field(index - ObjectCount());
    }
    pole& LastChild() const { return Child(ChildCount() - 1); }
    // The children before the run, each a field object of its own.
    int32_t ObjectCount() const { return static_cast<int32_t>(children_.size()); }
    fieldrun* Run() const { return run_.get(); }
    // Where a placed child starts and ends, without making it.
    int32_t ChildStart(int32_t index) const;
    int32_t ChildEnd(int32_t index) const;
    uint32_t ChildSerial(int32_t index) const;
    // The run's field objects go; nobody may hold one.
    void ForgetRunFields() const;
    int32_t IndexOf(const pole& child) const;
    // Index of the first child whose end lies after position; ChildCount() when none does.
    int32_t FirstChildEndingAfter(int32_t position) const;
    // Index of the first child a hook has made but nobody has placed yet; ChildCount() when none.
    int32_t FirstUnplacedChild() const;

    template <class Field, class... Args>
    Field& Append(Args&&... args) {
        return Insert<Field>(ObjectCount(), std::forward<Args>(args)...);
    }
    template <class Field, class... Args>
    Field& Insert(int32_t index, Args&&... args) {
        auto field = std::make_unique<Field>(View(), this, std::forward<Args>(args)...);
        Field& made = *field;
        NoteShapeChange();
        // Objects stand before the run.
        children_.insert(children_.begin() + index, std::move(field));
        return made;
    }

    bool Expanded() const { return expanded_; }
    void SetExpanded(bool expanded) { expanded_ = expanded; }

protected:
    // Places child j after its predecessor when it has no place yet, and parses it.
    void LayOutChild(int32_t j);
    // Lays out children k to the end; the run, reached, lays out itself.
    void LayOutFrom(int32_t k);
    void MeasureFromChildren();
    // The children from the object count on become this run, after the objects.
    void SetRun(std::unique_ptr<fieldrun> run) {
        NoteShapeChange();
        run_ = std::move(run);
    }

    poles children_;

private:
    std::unique_ptr<fieldrun> run_;
    bool expanded_ = false;
    // The child the layout loop is parsing, so that a child finds itself at once.
    int32_t layoutindex_ = -1;
};

}  // namespace quillmap
