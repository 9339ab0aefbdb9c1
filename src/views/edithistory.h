#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quillmap {

enum class undokind : uint8_t {
    TextInserted = 1,
    TextDeleted = 2,
    // A deletion waiting for the insertion that replaces it (typing or pasting over a selection).
    OpenRecord = 3,
    TextReplaced = 4,
    BytesReplaced = 5,
};

// A linear position: x is the absolute position, y stays 0.
struct undopos {
    int32_t x = 0;
    int32_t y = 0;
    friend bool operator==(const undopos&, const undopos&) = default;
};

// One step of the history.
struct undorec {
    undokind Kind = undokind::TextInserted;
    std::string Text;  // the payload, laid out by Kind
    undopos From;      // first position of the change
    undopos To;        // the caret after the change

    // What the record counts against MaxUndoLen, whatever it really takes.
    int64_t Size() const { return 21 + static_cast<int64_t>(Text.size()); }
};

using forundo = std::vector<undorec>;

enum class historystate : uint8_t { Idle = 0, Undoing = 1, Redoing = 2 };

// Payloads keep their numbers big-endian, high byte first.
void AppendInt32BE(std::string& payload, int32_t value);
// The four bytes from at; bytes past the end read as 0.
int32_t ReadInt32BE(std::string_view payload, size_t at);

// The payload of a TextReplaced record: where, what went out, what came in.
struct replacedtext {
    int32_t position = 0;
    std::string deleted;
    std::string inserted;
};
std::string EncodeReplaced(const replacedtext& replaced);
// A length that runs past the payload is cut to what is there.
replacedtext DecodeReplaced(std::string_view payload);

// The two lists of a view and their byte budget. The views drive it: they make the records, apply
// them and say when they are undoing or redoing.
class edithistory {
public:
    const forundo& UndoList() const { return undolist_; }
    const forundo& RedoList() const { return redolist_; }
    int32_t UndoBytes() const { return static_cast<int32_t>(undobytes_); }
    historystate HistoryState() const { return state_; }
    void SetHistoryState(historystate state) { state_ = state; }

    bool CanUndo() const { return !undolist_.empty(); }
    bool CanRedo() const { return !redolist_.empty(); }

    // A new edit from from to to (linear positions, the caret after the change at to): joins an
    // open deletion, merges a typed character into the step before it, empties RedoList outside
    // Redo and keeps UndoList within MaxUndoLen. Nothing happens while undoing.
    void Record(undokind kind, std::string_view text, int32_t from, int32_t to);
    // The newest record waits for the insertion that replaces what it deleted.
    void MarkOpen();

    // For the views that apply records: take the newest off a list (UndoBytes follows), put a
    // record on one. PushUndo does not trim, as a redone step must stay undoable.
    undorec TakeNewestUndo();
    undorec TakeNewestRedo();
    void PushUndo(undorec record);
    // Room for one more record on each list, so that the next Record, PushUndo or PushRedo needs
    // no memory of its own and cannot fail after a record was taken off.
    void ReserveOneMore();
    void PushRedo(undorec record);
    // An open record grows in place as the bytes typed over a selection arrive.
    void ReplaceNewestUndo(undorec record);

    void Clear();

private:
    // Keeps UndoList within MaxUndoLen, then appends.
    void Store(undorec record);

    forundo undolist_;
    forundo redolist_;
    int64_t undobytes_ = 0;
    historystate state_ = historystate::Idle;
};

}  // namespace quillmap
