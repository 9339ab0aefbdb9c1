#include <utility>

#include "views/vwcommon.h"

namespace quillmap {

namespace {

// The state a history keeps while a record is applied, and the one it had before, afterwards.
class historyscope {
public:
    historyscope(edithistory& history, historystate state) : history_(history), saved_(history.HistoryState()) {
        history_.SetHistoryState(state);
    }
    ~historyscope() { history_.SetHistoryState(saved_); }
    historyscope(const historyscope&) = delete;
    historyscope& operator=(const historyscope&) = delete;

private:
    edithistory& history_;
    historystate saved_;
};

bool IsTextKind(undokind kind) {
    return kind == undokind::TextInserted || kind == undokind::TextDeleted || kind == undokind::TextReplaced;
}

}  // namespace

void vwcommon::RecordEdit(undokind kind, std::string_view text, textpos from) {
    history_.Record(kind, text, PositionToLinear(from.column, from.line), CaretLinear());
}

bool vwcommon::Backspace() {
    const int32_t from = CaretLinear();
    // Nothing stands before the caret, whatever empty lines precede it.
    if (from <= 0) return false;
    const textpos back = LinearToPosition(from - 1);
    const std::string line = GetLine(back.line);
    if (back.column < 0 || back.column >= static_cast<int32_t>(line.size())) return false;
    const char removed = line[static_cast<size_t>(back.column)];
    SetPosition(back.column, back.line, false);
    SetPosition(back.column, back.line, true);
    bool changed = false;
    {
        // DeleteAtCaret would record a forward deletion; this one is recorded below, backwards.
        historyscope silent(history_, historystate::Undoing);
        changed = DeleteAtCaret();
    }
    // From is where the caret stood, so that successive Backspaces join into one step.
    history_.Record(undokind::TextDeleted, std::string_view(&removed, 1), from, CaretLinear());
    return changed;
}

void vwcommon::ApplyRecord(undorec& record) {
    const bool redoing = history_.HistoryState() == historystate::Redoing;
    switch (record.Kind) {
        case undokind::TextInserted:
            PlaceCaretAt(record.To.x);
            PlaceAnchorAt(record.From.x);
            DeleteSelection(true, true);
            record.To = {CaretLinear(), 0};
            record.Kind = undokind::TextDeleted;
            break;
        case undokind::TextDeleted: {
            PlaceCaretAt(record.To.x);
            const int32_t at = CaretLinear();
            Insert(record.Text, true, true);
            record.To = {CaretLinear(), 0};
            PlaceCaretAt(record.From.x);
            // After Backspaces From lies behind the text put back; the way back starts where it went in.
            record.From = {at, 0};
            record.Kind = undokind::TextInserted;
            break;
        }
        case undokind::TextReplaced: {
            replacedtext replaced = DecodeReplaced(record.Text);
            PlaceCaretAt(record.To.x);
            PlaceAnchorAt(replaced.position);
            const bool deleting = HasSelection();
            DeleteSelection(true, true);
            // Redone, the deletion and the insertion below must again be one step.
            if (redoing && deleting) MarkOpen();
            Insert(replaced.deleted, true, true);
            record.From = {replaced.position, 0};
            record.To = {CaretLinear(), 0};
            std::swap(replaced.deleted, replaced.inserted);
            record.Text = EncodeReplaced(replaced);
            break;
        }
        case undokind::OpenRecord:
        case undokind::BytesReplaced:
            break;
    }
}

void vwcommon::Undo() {
    if (!history_.CanUndo()) return;
    const undokind kind = history_.UndoList().back().Kind;
    if (kind == undokind::OpenRecord) {
        history_.TakeNewestUndo();
        return;
    }
    if (!IsTextKind(kind)) return;
    undorec record = history_.TakeNewestUndo();
    {
        historyscope undoing(history_, historystate::Undoing);
        ApplyRecord(record);
    }
    history_.PushRedo(std::move(record));
}

void vwcommon::Redo() {
    if (!history_.CanRedo()) return;
    const undokind kind = history_.RedoList().back().Kind;
    if (kind == undokind::OpenRecord) {
        history_.TakeNewestRedo();
        return;
    }
    if (!IsTextKind(kind)) return;
    undorec record = history_.TakeNewestRedo();
    // The edits made here record the way back on UndoList themselves; RedoList keeps the rest.
    historyscope redoing(history_, historystate::Redoing);
    ApplyRecord(record);
}

}  // namespace quillmap
