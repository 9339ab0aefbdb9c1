#include <algorithm>
#include <cstring>
#include <new>
#include <utility>
#include <typeinfo>

#include "base/bytefile.h"
#include "base/settings.h"
#include "model/expandedstate.h"
#include "views/bytesreplaced.h"
#include "views/documentfile.h"
#include "views/vwstruct.h"

namespace quillmap {

void vwstruct::ReparseAll() {
    // A whole document is a new one: parsed over the old tree, a file whose first bytes changed
    // would keep blocks the new bytes do not have.
    root_->Reset();
    root_->SetStart(0);
    root_->Parse();
    RebuildRows();
}

void vwstruct::AppendBytes(const uint8_t* bytes, int32_t count) {
    if (count > 0) bytes_.insert(bytes_.end(), bytes, bytes + count);
}

void vwstruct::LoadFromFile(const std::string& path) {
    bytes_ = LoadDocumentBytes(Cp1251Path(path));
    ReparseAll();
    if (navigator_) navigator_->Rebuild();
}

void vwstruct::SaveToFile(const std::string& path) { SaveDocumentBytes(system_.Files(), Cp1251Path(path), bytes_); }

void vwstruct::ReadBlocks(const blockreader& callback) const {
    const int32_t shag = std::max(1, Settings().Shag);
    bool stop = false;
    for (int64_t offset = 0; offset < DocumentLength() && !stop; offset += shag) {
        const int32_t count = static_cast<int32_t>(std::min<int64_t>(shag, DocumentLength() - offset));
        callback(count, bytes_.data() + offset, stop);
    }
}

void vwstruct::Clear() {
    bytes_.clear();
    ReparseAll();
    PlaceCaretAt(0);
    curdigit_ = anchordigit_ = 0;
}

void vwstruct::CopyDocumentTo(vwcommon& other) const {
    ReadBlocks([&other](int32_t count, const uint8_t* bytes, bool&) { other.AppendBytes(bytes, count); });
    other.ReparseAll();
    auto* same = dynamic_cast<vwstruct*>(&other);
    if (!same || typeid(*same) != typeid(*this)) return;
    CopyExpandedState(*root_, *same->root_);
    same->RebuildRows();
}

void vwstruct::RewriteBlocks(const blockrewriter& callback) {
    const int64_t shag = std::max(1, Settings().Shag);
    const int64_t length = DocumentLength();
    std::vector<std::string> blocks;
    for (int64_t offset = 0; offset < length; offset += shag) {
        auto count = static_cast<int32_t>(std::min(shag, length - offset));
        const uint8_t* block = bytes_.data() + offset;
        bool last = offset + shag >= length;
        callback(count, block, last);
        blocks.emplace_back(block && count > 0 ? std::string(reinterpret_cast<const char*>(block), count) : std::string());
        if (last && offset + shag < length) {
            // The callback is done early: the rest stays as it was.
            blocks.emplace_back(bytes_.begin() + offset + shag, bytes_.end());
            break;
        }
    }
    ReplaceDocument(blocks);
}

void vwstruct::ReadFields(const fieldreader& callback) const {
    WalkFields(*root_, DocumentLength(), [&](const walkentry& entry, bool& descend, bool& stop) {
        callback(entry.serial, entry.length, entry.levelend ? nullptr : bytes_.data() + entry.start, descend, stop);
    });
}

void vwstruct::RewriteFields(const fieldrewriter& callback) {
    std::vector<std::string> blocks;
    blocks.reserve(static_cast<size_t>(std::max(1, Settings().Shag)));
    int32_t walked = 0;  // where the bytes not yet handed to a block begin
    WalkFields(*root_, DocumentLength(), [&](const walkentry& entry, bool& descend, bool& stop) {
        int32_t count = entry.length;
        const uint8_t* block = entry.levelend ? nullptr : bytes_.data() + entry.start;
        callback(entry.serial, count, block, descend, stop);
        if (!entry.levelend) {
            if (descend && entry.container) {
                walked = entry.start;  // its children hand over its bytes
            } else {
                // A field without children keeps its bytes even when asked to descend: nothing
                // inside it would hand them back.
                blocks.emplace_back(block && count > 0 ? std::string(reinterpret_cast<const char*>(block), count)
                                                       : std::string());
                walked = entry.start + entry.length;
            }
        }
        if (stop) blocks.emplace_back(bytes_.begin() + walked, bytes_.end());
    });
    ReplaceDocument(blocks);
}

void vwstruct::ReplaceDocument(const std::vector<std::string>& blocks) {
    const int32_t caret = CaretLinear();
    std::vector<uint8_t> rewritten;
    for (const std::string& block : blocks) rewritten.insert(rewritten.end(), block.begin(), block.end());
    std::swap(bytes_, rewritten);
    ++editcount_;
    try {
        ReparseAll();
    } catch (const std::bad_alloc&) {
        bytes_ = std::move(rewritten);
        ReparseFrom(caret);
        throw;
    }
    History().Clear();
    PlaceCaretAt(std::min(caret, DocumentLength()));
    curdigit_ = anchordigit_ = 0;
    CalcCaretPixels();
    EnsureCaretVisible();
}

bool vwstruct::Splice(int32_t offset, std::string_view oldbytes, std::string_view newbytes) {
    const int32_t lastline = lastline_;
    const int32_t caret = CaretLinear();
    const auto count = static_cast<int32_t>(oldbytes.size());
    PutBytes(offset, count, newbytes);
    ++editcount_;
    int32_t recheck = offset;
    const uint64_t shape = ShapeChanges();
    try {
        if (static_cast<size_t>(count) == newbytes.size())
            recheck = count > 0 ? root_->Recheck(offset, count) : -1;
        else
            root_->RebuildFrom(offset);
        // Bytes overwritten inside the fields they were: the rows stand, only a field's texts,
        // and with them its height, may have changed.
        if (recheck < 0 && ShapeChanges() == shape)
            rows_.Remeasure();
        else
            RebuildRows();
    } catch (const std::bad_alloc&) {
        TakeBack(offset, newbytes.size(), oldbytes, caret);
        throw;
    }
    return recheck >= 0 || lastline_ != lastline;
}

bool vwstruct::ReplaceBytes(int32_t offset, int32_t count, std::string_view newbytes, uint8_t caretstate,
                            int32_t caretafter) {
    offset = std::clamp(offset, 0, DocumentLength());
    count = std::clamp(count, 0, DocumentLength() - offset);
    const int32_t caret = CaretLinear();
    std::string oldbytes(reinterpret_cast<const char*>(bytes_.data()) + offset, static_cast<size_t>(count));
    const bool changed = Splice(offset, oldbytes, newbytes);
    try {
        PlaceCaretAt(caretafter);
        RecordReplacement(offset, oldbytes, newbytes, caretstate, caretafter);
    } catch (const std::bad_alloc&) {
        TakeBack(offset, newbytes.size(), oldbytes, caret);
        throw;
    }
    return changed;
}

void vwstruct::RecordReplacement(int32_t offset, std::string oldbytes, std::string_view newbytes, uint8_t caretstate,
                                 int32_t caretafter) {
    edithistory& history = History();
    history.ReserveOneMore();
    if (history.CanUndo() && history.UndoList().back().Kind == undokind::OpenRecord) {
        undorec open = history.UndoList().back();
        bytesreplaced edit = DecodeBytesReplaced(open.Text);
        open.Kind = undokind::BytesReplaced;  // the deletion waits no longer, whatever comes
        if (offset == edit.offset + static_cast<int32_t>(edit.newbytes.size())) {
            // Typing or pasting over a selection: the new bytes join the deletion as one step, and
            // so do the bytes they overwrite, which undo must give back too.
            edit.oldbytes += oldbytes;
            edit.newbytes += newbytes;
            edit.caretstate = CaretStateByte(quillmap::InCodes(edit.caretstate), DigitBefore(edit.caretstate),
                                             DigitAfter(caretstate));
            open.Text = EncodeBytesReplaced(edit);
            open.To = {caretafter, 0};
            history.ReplaceNewestUndo(std::move(open));
            return;
        }
        history.ReplaceNewestUndo(std::move(open));
    }
    history.Record(undokind::BytesReplaced,
                   EncodeBytesReplaced({offset, caretstate, std::move(oldbytes), std::string(newbytes)}), offset,
                   caretafter);
}

void vwstruct::Reverse(bool undoing) {
    const undorec& record = undoing ? UndoList().back() : RedoList().back();
    const bytesreplaced edit = DecodeBytesReplaced(record.Text);
    undorec inverse;
    inverse.Kind = undokind::BytesReplaced;
    inverse.Text = EncodeBytesReplaced(Inverse(edit));
    inverse.From = record.To;
    inverse.To = record.From;
    const int32_t caretafter = record.From.x;
    // Whatever can run out of memory comes before the record leaves its list.
    History().ReserveOneMore();
    const int32_t caret = CaretLinear();
    const int32_t offset = std::clamp(edit.offset, 0, DocumentLength());
    const int32_t count = std::clamp(static_cast<int32_t>(edit.newbytes.size()), 0, DocumentLength() - offset);
    const std::string replaced(bytes_.begin() + offset, bytes_.begin() + offset + count);
    Splice(offset, replaced, edit.oldbytes);
    try {
        PlaceCaretAt(caretafter);
        // The caret comes back onto the digit and into the area it had before the edit.
        curdigit_ = DigitBefore(edit.caretstate);
        anchordigit_ = curdigit_;
        incodes_ = quillmap::InCodes(edit.caretstate);
        if (!incodes_) EnterValueText();
        CalcCaretPixels();
        EnsureCaretVisible();
    } catch (const std::bad_alloc&) {
        TakeBack(offset, edit.oldbytes.size(), replaced, caret);
        throw;
    }
    if (undoing) {
        History().TakeNewestUndo();
        History().PushRedo(std::move(inverse));
    } else {
        History().TakeNewestRedo();
        History().PushUndo(std::move(inverse));
    }
}

void vwstruct::Undo() {
    if (!CanUndo()) return;
    // A deletion still waiting for its typing is a whole step of its own.
    CloseOpenRecord();
    if (UndoList().back().Kind != undokind::BytesReplaced) {
        vwcommon::Undo();
        return;
    }
    Reverse(true);
}

void vwstruct::Redo() {
    if (!CanRedo()) return;
    if (RedoList().back().Kind != undokind::BytesReplaced) {
        vwcommon::Redo();
        return;
    }
    Reverse(false);
}

}  // namespace quillmap
