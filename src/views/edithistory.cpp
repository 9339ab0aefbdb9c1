#include "views/edithistory.h"

#include <algorithm>
#include <utility>

#include "base/settings.h"
#include "views/charclasses.h"

namespace quillmap {

void AppendInt32BE(std::string& payload, int32_t value) {
    const auto bits = static_cast<uint32_t>(value);
    for (int shift = 24; shift >= 0; shift -= 8) payload.push_back(static_cast<char>((bits >> shift) & 0xFF));
}

int32_t ReadInt32BE(std::string_view payload, size_t at) {
    uint32_t bits = 0;
    for (size_t i = at; i < at + 4; ++i) {
        bits = (bits << 8) | (i < payload.size() ? static_cast<unsigned char>(payload[i]) : 0u);
    }
    return static_cast<int32_t>(bits);
}

std::string EncodeReplaced(const replacedtext& replaced) {
    std::string payload;
    payload.reserve(8 + replaced.deleted.size() + replaced.inserted.size());
    AppendInt32BE(payload, replaced.position);
    AppendInt32BE(payload, static_cast<int32_t>(replaced.deleted.size()));
    payload += replaced.deleted;
    payload += replaced.inserted;
    return payload;
}

replacedtext DecodeReplaced(std::string_view payload) {
    replacedtext replaced;
    replaced.position = ReadInt32BE(payload, 0);
    const std::string_view rest = payload.size() > 8 ? payload.substr(8) : std::string_view{};
    const int32_t length = ReadInt32BE(payload, 4);
    const size_t deleted = std::min(rest.size(), static_cast<size_t>(std::max(length, 0)));
    replaced.deleted = std::string(rest.substr(0, deleted));
    replaced.inserted = std::string(rest.substr(deleted));
    return replaced;
}

void edithistory::Record(undokind kind, std::string_view text, int32_t from, int32_t to) {
    if (state_ == historystate::Undoing) return;
    // Nothing is changed before every allocation has been made.
    ReserveOneMore();
    undorec record;
    record.Kind = kind;
    record.To = {to, 0};
    record.From = {from, 0};
    record.Text = std::string(text);

    if (!undolist_.empty()) {
        const undorec& newest = undolist_.back();
        if (newest.Kind == undokind::OpenRecord && kind == undokind::TextInserted) {
            // Typing or pasting over a selection: the deletion and the insertion undo as one.
            record.Kind = undokind::TextReplaced;
            record.Text = EncodeReplaced({newest.From.x, newest.Text, std::string(text)});
            record.From = newest.From;
            TakeNewestUndo();
        } else if (newest.Kind == kind && text.size() == 1 && newest.To.x == from && !newest.Text.empty()) {
            // Deleting backwards joins on the front, typing and deleting forwards on the back.
            const bool before = from < newest.From.x;
            const char boundary = before ? newest.Text.front() : newest.Text.back();
            if (JoinsTyping(CharClass(static_cast<unsigned char>(boundary)))) {
                record.Text = before ? std::string(text) + newest.Text : newest.Text + std::string(text);
                record.From = newest.From;
                TakeNewestUndo();
            }
        }
    }

    if (state_ == historystate::Idle) redolist_.clear();
    Store(std::move(record));
}

void edithistory::Store(undorec record) {
    const int64_t size = record.Size();
    const int64_t budget = Settings().MaxUndoLen;
    if (size > budget) {
        // One record larger than the whole budget: after it nothing can be undone.
        undolist_.clear();
        undobytes_ = 0;
        return;
    }
    size_t dropped = 0;
    while (undobytes_ + size > budget && dropped < undolist_.size()) {
        undobytes_ -= undolist_[dropped].Size();
        ++dropped;
    }
    undolist_.erase(undolist_.begin(), undolist_.begin() + static_cast<std::ptrdiff_t>(dropped));
    undobytes_ += size;
    undolist_.push_back(std::move(record));
}

void edithistory::MarkOpen() {
    if (!undolist_.empty() && state_ != historystate::Undoing) undolist_.back().Kind = undokind::OpenRecord;
}

undorec edithistory::TakeNewestUndo() {
    if (undolist_.empty()) return {};
    undorec record = std::move(undolist_.back());
    undolist_.pop_back();
    undobytes_ -= record.Size();
    return record;
}

undorec edithistory::TakeNewestRedo() {
    if (redolist_.empty()) return {};
    undorec record = std::move(redolist_.back());
    redolist_.pop_back();
    return record;
}

void edithistory::PushUndo(undorec record) {
    undobytes_ += record.Size();
    undolist_.push_back(std::move(record));
}

void edithistory::PushRedo(undorec record) { redolist_.push_back(std::move(record)); }

void edithistory::ReplaceNewestUndo(undorec record) {
    if (undolist_.empty()) {
        PushUndo(std::move(record));
        return;
    }
    undobytes_ += record.Size() - undolist_.back().Size();
    undolist_.back() = std::move(record);
}

void edithistory::ReserveOneMore() {
    // Grown by doubling, as push_back would: one at a time would copy the lists at every edit.
    for (forundo* list : {&undolist_, &redolist_})
        if (list->size() == list->capacity()) list->reserve(std::max<size_t>(8, list->capacity() * 2));
}

void edithistory::Clear() {
    undolist_.clear();
    redolist_.clear();
    undobytes_ = 0;
}

}  // namespace quillmap
