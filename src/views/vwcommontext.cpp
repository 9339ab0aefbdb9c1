#include <algorithm>
#include <vector>

#include "views/charclasses.h"
#include "views/vwcommon.h"

namespace quillmap {

namespace {

// Lines join without separators, so the neighbours of a character may lie lines away.
bool StepBack(const vwcommon& view, textpos& at, char& character) {
    int32_t column = at.column - 1;
    for (int32_t line = at.line; line >= 0; --line) {
        const std::string text = view.GetLine(line);
        if (line != at.line) column = static_cast<int32_t>(text.size()) - 1;
        if (column >= 0 && column < static_cast<int32_t>(text.size())) {
            at = {column, line};
            character = text[static_cast<size_t>(column)];
            return true;
        }
    }
    return false;
}

bool StepForward(const vwcommon& view, textpos& at, char& character) {
    int32_t column = at.column + 1;
    for (int32_t line = at.line; line <= view.LastLine(); ++line) {
        const std::string text = view.GetLine(line);
        if (line != at.line) column = 0;
        if (column < static_cast<int32_t>(text.size())) {
            at = {column, line};
            character = text[static_cast<size_t>(column)];
            return true;
        }
    }
    return false;
}

bool EndsWord(const std::string& line) {
    return !line.empty() && IsWordClass(CharClass(static_cast<unsigned char>(line.back())));
}

bool Before(const textpos& a, const textpos& b) { return a.line < b.line || (a.line == b.line && a.column < b.column); }

}  // namespace

void vwcommon::SelectAll() {
    anchorcolumn_ = 0;
    anchorline_ = 0;
    caretline_ = lastline_;
    caretcolumn_ = static_cast<int32_t>(GetLine(lastline_).size());
    CalcCaretPixels();
}

std::string vwcommon::SelectedText() const {
    textpos low = Anchor();
    textpos high = Caret();
    if (Before(high, low)) std::swap(low, high);
    std::string text;
    for (int32_t line = std::max(low.line, 0); line <= high.line && line <= lastline_; ++line) {
        const std::string whole = GetLine(line);
        const auto length = static_cast<int32_t>(whole.size());
        const int32_t from = line == low.line ? std::clamp(low.column, 0, length) : 0;
        const int32_t to = line == high.line ? std::clamp(high.column, from, length) : length;
        text.append(whole, static_cast<size_t>(from), static_cast<size_t>(to - from));
    }
    return text;
}

void vwcommon::SelectWordAtCaret() {
    if (caretline_ < 0 || caretline_ > lastline_) return;
    const std::string line = GetLine(caretline_);
    if (line.empty()) return;
    textpos at{std::clamp(caretcolumn_, 0, static_cast<int32_t>(line.size()) - 1), caretline_};
    const uint8_t charclass = CharClass(static_cast<unsigned char>(line[static_cast<size_t>(at.column)]));
    if (!IsWordClass(charclass)) return;

    textpos start = at;
    char character = 0;
    for (textpos step = at; StepBack(*this, step, character) && CharClass(static_cast<unsigned char>(character)) == charclass;) {
        start = step;
    }
    textpos end = at;
    for (textpos step = at; StepForward(*this, step, character) && CharClass(static_cast<unsigned char>(character)) == charclass;) {
        end = step;
    }
    anchorcolumn_ = start.column;
    anchorline_ = start.line;
    caretcolumn_ = end.column + 1;
    caretline_ = end.line;
    CalcCaretPixels();
}

std::string vwcommon::ParagraphText() const {
    if (caretline_ < 0 || caretline_ > lastline_) return {};
    // An empty line has no last character: it ends a paragraph.
    std::vector<std::string> above;
    for (int32_t line = caretline_ - 1; line >= 0; --line) {
        std::string text = GetLine(line);
        if (!EndsWord(text)) break;
        above.push_back(std::move(text));
    }
    std::string paragraph;
    for (auto it = above.rbegin(); it != above.rend(); ++it) paragraph += *it;
    for (int32_t line = caretline_; line <= lastline_; ++line) {
        const std::string text = GetLine(line);
        paragraph += text;
        if (!EndsWord(text)) break;
    }
    return paragraph;
}

void vwcommon::CopyDocumentTo(vwcommon& other) const {
    for (int32_t line = 0; line <= lastline_; ++line) other.AppendText(GetLine(line));
    other.ReparseAll();
}

void vwcommon::ReadBlocks(const blockreader& callback) const {
    for (int32_t line = 0; line <= lastline_; ++line) {
        const std::string text = GetLine(line);
        bool stop = false;
        callback(static_cast<int32_t>(text.size()), reinterpret_cast<const uint8_t*>(text.data()), stop);
        if (stop) return;
    }
}

void vwcommon::RewriteBlocks(const blockrewriter& callback) {
    std::vector<std::string> blocks;
    for (int32_t line = 0; line <= lastline_; ++line) {
        const std::string text = GetLine(line);
        auto count = static_cast<int32_t>(text.size());
        auto bytes = reinterpret_cast<const uint8_t*>(text.data());
        bool last = line == lastline_;
        callback(count, bytes, last);
        if (bytes == nullptr || count <= 0) {
            blocks.emplace_back();
        } else {
            blocks.emplace_back(reinterpret_cast<const char*>(bytes), static_cast<size_t>(count));
        }
        if (last && line < lastline_) {
            // The callback is done early: what follows stays as it was.
            std::string rest;
            for (int32_t after = line + 1; after <= lastline_; ++after) rest += GetLine(after);
            blocks.push_back(std::move(rest));
            break;
        }
    }
    const textpos caret = Caret();
    const textpos anchor = Anchor();
    Clear();
    for (const std::string& block : blocks) AppendText(block);
    ReparseAll();
    History().Clear();
    SetPosition(anchor.column, anchor.line, false);
    SetPosition(caret.column, caret.line, true);
}

bool vwcommon::ReplaceSelection(std::string_view text) {
    bool relayout = false;
    if (HasSelection()) {
        relayout = DeleteSelection(true, true);
        MarkOpen();
    }
    return Insert(text, true, true) || relayout;
}

}  // namespace quillmap
