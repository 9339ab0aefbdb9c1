// The structure view's part in find and replace: searching the bytes, selecting a match, and
// replacing matches one by one or all at once.
#include <algorithm>
#include <new>
#include <utility>

#include "base/settings.h"
#include "views/bytesreplaced.h"
#include "views/vwstruct.h"

namespace quillmap {

bool vwstruct::FindPhrase(std::string_view phrase, int32_t& budget, bool fromcaret, bool matchcase) {
    // In a text of a field's own the caret stands for the field, whose first byte it is on.
    const int32_t caret = incodes_ || valuelines_.empty() ? CaretLinear() : rows_.Start(rows_.PlaceOfLine(caretline_).entry);
    const phrasefinder finder(phrase, Settings().TextBaseSyst, searchmode_, matchcase);
    return FindAndSelect(finder, fromcaret ? caret + 1 : 0, budget);
}

bool vwstruct::FindAndSelect(const phrasefinder& finder, int32_t start, int32_t& budget) {
    const int32_t end = static_cast<int32_t>(std::min<int64_t>(DocumentLength(), int64_t(start) + std::max(budget, 0)));
    const phrasematch found = finder.Find(bytes_, start, end);
    if (found.position < 0) return false;
    budget -= found.position - start + 1;
    PlaceCaretOnDigit(found.position + found.length, 0, false);
    PlaceCaretOnDigit(found.position, 0, true);
    CalcCaretPixels();
    EnsureCaretVisible();
    return true;
}

bool vwstruct::StepBack() {
    const int32_t byte = CaretLinear();
    if (byte <= 0) return false;
    MoveCaret(byte - 1, 0, false);
    return true;
}

bool vwstruct::ReplaceFound(std::string_view replacement, const phrasefinder& finder, int32_t& budget, bool all) {
    const codeselection selection = Selection();
    const auto added = static_cast<int32_t>(replacement.size());
    const int32_t first = selection.frombyte;
    // The history gains its steps before the bytes change; when memory runs out before the end,
    // this copy takes them back, and the search budget returns too.
    edithistory history = History();
    const int32_t caret = CaretLinear();
    const int32_t budgetbefore = budget;
    std::vector<uint8_t> result;
    int32_t caretafter = 0;
    try {
        result.reserve(bytes_.size());
        // The document is rebuilt in one pass: matches are found in the old bytes, where
        // everything after a replaced match is as it will be after it in the new ones.
        int32_t match = first;
        int32_t length = selection.tobyte - selection.frombyte;
        int32_t copied = 0;
        int32_t shift = 0;  // new position minus old, before the match
        int32_t digit = curdigit_;
        while (true) {
            result.insert(result.end(), bytes_.begin() + copied, bytes_.begin() + match);
            result.insert(result.end(), replacement.begin(), replacement.end());
            copied = match + length;
            // The history as deleting the selection and typing the replacement over it make it.
            const int32_t at = match + shift;
            RecordReplacement(at, std::string(bytes_.begin() + match, bytes_.begin() + copied), {},
                              CaretStateByte(true, digit, 0), at);
            History().MarkOpen();
            RecordReplacement(at, {}, replacement, CaretStateByte(true, 0, 0), at + added);
            caretafter = at + added;
            shift += added - length;
            // The search after it starts right after the replacement and must still end where it did.
            budget -= length - 1;
            digit = 0;
            if (!all) break;
            const int32_t end =
                static_cast<int32_t>(std::min<int64_t>(DocumentLength(), int64_t(copied) + std::max(budget, 0)));
            const phrasematch next = finder.Find(bytes_, copied, end);
            if (next.position < 0) break;
            budget -= next.position - copied + 1;
            match = next.position;
            length = next.length;
        }
        result.insert(result.end(), bytes_.begin() + copied, bytes_.end());
    } catch (const std::bad_alloc&) {
        History() = std::move(history);
        budget = budgetbefore;
        throw;
    }
    std::swap(bytes_, result);
    ++editcount_;
    try {
        root_->RebuildFrom(first);
        RebuildRows();
        MoveCaret(std::max(caretafter - 1, 0), 0, false);
    } catch (const std::bad_alloc&) {
        bytes_ = std::move(result);
        History() = std::move(history);
        budget = budgetbefore;
        ReparseFrom(caret);
        throw;
    }
    return caretafter > 0;
}

}  // namespace quillmap
