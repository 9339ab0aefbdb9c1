#include "views/vwstruct.h"

#include <algorithm>
#include <cstring>

#include "base/bytefile.h"
#include "base/settings.h"
#include "views/bytesreplaced.h"
#include "views/documentfile.h"

namespace quillmap {

vwstruct::vwstruct(platform::canvas& surface, platform::system& system, const rootmaker& makeroot)
    : vwcommon(surface), system_(system), root_(makeroot(*this)) {
    root_->SetStart(0);
    ReparseAll();
}

vwstruct::~vwstruct() = default;

void vwstruct::ReadBytes(int32_t position, int32_t n, uint8_t* destination) const {
    if (n <= 0) return;
    std::memset(destination, 0, static_cast<size_t>(n));
    const int64_t from = std::max<int64_t>(position, 0);
    const int64_t to = std::min<int64_t>(int64_t(position) + n, DocumentLength());
    if (from < to) std::memcpy(destination + (from - position), bytes_.data() + from, static_cast<size_t>(to - from));
}

int32_t vwstruct::ColumnCount() const { return std::max(1, Settings().ColumnCount); }

std::string vwstruct::GetLine(int32_t line) const { return rows_.GetLine(line, bytes_); }

void vwstruct::RebuildRows() {
    rows_.Build(*root_, DocumentLength(), ColumnCount());
    lastline_ = rows_.LastLine();
}

void vwstruct::ReparseAll() {
    root_->Parse();
    RebuildRows();
}

void vwstruct::AppendBytes(const uint8_t* bytes, int32_t count) {
    if (count > 0) bytes_.insert(bytes_.end(), bytes, bytes + count);
}

void vwstruct::LoadFromFile(const std::string& path) {
    bytes_ = LoadDocumentBytes(Cp1251Path(path));
    ReparseAll();
}

void vwstruct::SaveToFile(const std::string& path) { SaveDocumentBytes(Cp1251Path(path), bytes_); }

void vwstruct::ReadBlocks(const blockreader& callback) const {
    const int32_t shag = std::max(1, Settings().Shag);
    bool stop = false;
    for (int64_t offset = 0; offset < DocumentLength() && !stop; offset += shag) {
        const int32_t count = static_cast<int32_t>(std::min<int64_t>(shag, DocumentLength() - offset));
        callback(count, bytes_.data() + offset, stop);
    }
}

bool vwstruct::Splice(int32_t offset, int32_t count, std::string_view newbytes) {
    const int32_t lastline = lastline_;
    const auto at = bytes_.begin() + offset;
    int32_t recheck = 0;
    if (static_cast<size_t>(count) == newbytes.size()) {
        std::copy(newbytes.begin(), newbytes.end(), at);
        recheck = count > 0 ? root_->Recheck(offset, count) : -1;
    } else {
        bytes_.erase(at, at + count);
        bytes_.insert(bytes_.begin() + offset, newbytes.begin(), newbytes.end());
        root_->RebuildFrom(offset);
        recheck = offset;
    }
    RebuildRows();
    return recheck >= 0 || lastline_ != lastline;
}

bool vwstruct::ReplaceBytes(int32_t offset, int32_t count, std::string_view newbytes, uint8_t caretstate,
                            int32_t caretafter) {
    offset = std::clamp(offset, 0, DocumentLength());
    count = std::clamp(count, 0, DocumentLength() - offset);
    const std::string oldbytes(reinterpret_cast<const char*>(bytes_.data()) + offset, static_cast<size_t>(count));
    const bool changed = Splice(offset, count, newbytes);
    PlaceCaretAt(caretafter);

    edithistory& history = History();
    if (history.CanUndo() && history.UndoList().back().Kind == undokind::OpenRecord) {
        // Typing or pasting over a selection: the new bytes join the deletion as one step.
        undorec open = history.UndoList().back();
        bytesreplaced edit = DecodeBytesReplaced(open.Text);
        edit.newbytes += newbytes;
        edit.caretstate = CaretStateByte(InCodes(edit.caretstate), DigitBefore(edit.caretstate), DigitAfter(caretstate));
        open.Text = EncodeBytesReplaced(edit);
        open.To = {caretafter, 0};
        open.Kind = undokind::BytesReplaced;
        history.ReplaceNewestUndo(std::move(open));
    } else {
        history.Record(undokind::BytesReplaced, EncodeBytesReplaced({offset, caretstate, oldbytes, std::string(newbytes)}),
                       offset, caretafter);
    }
    return changed;
}

void vwstruct::Reverse(undorec record, bool undoing) {
    const bytesreplaced edit = DecodeBytesReplaced(record.Text);
    const int32_t offset = std::clamp(edit.offset, 0, DocumentLength());
    const int32_t count = std::clamp(static_cast<int32_t>(edit.newbytes.size()), 0, DocumentLength() - offset);
    Splice(offset, count, edit.oldbytes);
    PlaceCaretAt(record.From.x);

    undorec inverse;
    inverse.Kind = undokind::BytesReplaced;
    inverse.Text = EncodeBytesReplaced(Inverse(edit));
    inverse.From = record.To;
    inverse.To = record.From;
    if (undoing)
        History().PushRedo(std::move(inverse));
    else
        History().PushUndo(std::move(inverse));
}

void vwstruct::Undo() {
    if (!CanUndo()) return;
    if (UndoList().back().Kind != undokind::BytesReplaced) {
        vwcommon::Undo();
        return;
    }
    Reverse(History().TakeNewestUndo(), true);
}

void vwstruct::Redo() {
    if (!CanRedo()) return;
    if (RedoList().back().Kind != undokind::BytesReplaced) {
        vwcommon::Redo();
        return;
    }
    Reverse(History().TakeNewestRedo(), false);
}

}  // namespace quillmap
