#include "model/waiter.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace quillmap {

namespace {

struct occurrence {
    int32_t position = -1;
    int32_t index = -1;
};

// The first position at or after from where one of the separators begins, trying them in order
// at each position. The document is read a window at a time, small first because a separator
// usually comes at once, larger while none does; windows overlap by the longest separator so
// that none is missed at a window's edge.
occurrence FindSeparator(const pole& field, int32_t from, std::span<const std::string_view> separators) {
    const int32_t end = field.DocumentLength();
    size_t longest = 1;
    for (const std::string_view separator : separators) longest = std::max(longest, separator.size());
    constexpr int32_t FirstWindow = 64;
    constexpr int32_t LargestWindow = 64 * 1024;
    std::vector<uint8_t> bytes;
    int32_t window = FirstWindow;
    // 64-bit so that stepping past a document near 2 GB cannot overflow.
    for (int64_t base = std::max(from, 0); base < end; base += window, window = std::min(window * 2, LargestWindow)) {
        bytes.resize(window + longest);
        field.ReadBytes(static_cast<int32_t>(base), static_cast<int32_t>(bytes.size()), bytes.data());
        const int32_t last = static_cast<int32_t>(std::min<int64_t>(window, end - base));
        for (int32_t offset = 0; offset < last; ++offset) {
            for (size_t k = 0; k < separators.size(); ++k) {
                const std::string_view separator = separators[k];
                if (!separator.empty() && std::memcmp(&bytes[offset], separator.data(), separator.size()) == 0)
                    return {static_cast<int32_t>(base + offset), static_cast<int32_t>(k)};
            }
        }
    }
    return {};
}

}  // namespace

waiter::waiter(fieldhost& view, cont* parent, std::span<const std::string_view> separators)
    : pole(view, parent, fieldkind::waiter), separators_(separators) {}

void waiter::Parse() {
    SetDescription(fixedtext(""));
    const occurrence first = FindSeparator(*this, start_, separators_);
    found_ = first.index;
    if (found_ >= 0) {
        OnFound(first.index, first.position);
        return;
    }
    // Never found: the field sits empty at the end of the document.
    start_ = DocumentLength();
    length_ = 0;
}

int32_t waiter::Recheck(int32_t position, int32_t) {
    for (occurrence next = FindSeparator(*this, position, separators_); next.index >= 0;
         next = FindSeparator(*this, next.position + 1, separators_)) {
        if (next.position != start_ || next.index != found_) {
            start_ = next.position;
            return next.position;
        }
    }
    return found_ == -1 ? -1 : start_;
}

}  // namespace quillmap
