#include "views/codeselection.h"

#include <limits>
#include <utility>

namespace quillmap {

namespace {

std::pair<caretend, caretend> Ordered(caretend a, caretend b) {
    if (b.byte < a.byte || (b.byte == a.byte && b.digit < a.digit)) std::swap(a, b);
    return {a, b};
}

}  // namespace

bool codeselection::HoldsDigit(int32_t byte, int32_t digit) const {
    if (insidecode) return byte == frombyte && digit >= fromdigit && digit < todigit;
    return byte >= frombyte && byte < tobyte;
}

codeselection SelectionBetween(caretend a, caretend b) {
    const auto [lower, upper] = Ordered(a, b);
    codeselection selection;
    if (lower.byte == upper.byte || (upper.byte == lower.byte + 1 && upper.digit == 0)) {
        selection.insidecode = true;
        selection.frombyte = lower.byte;
        selection.tobyte = lower.byte + 1;
        selection.fromdigit = lower.digit;
        selection.todigit = lower.byte == upper.byte ? upper.digit : std::numeric_limits<int32_t>::max();
        return selection;
    }
    selection.frombyte = lower.byte;
    selection.tobyte = upper.byte + (upper.digit != 0 ? 1 : 0);
    return selection;
}

bytespan SelectedBytes(caretend a, caretend b) {
    if (a == b) return {};
    const auto [lower, upper] = Ordered(a, b);
    return {lower.byte, upper.byte + (upper.digit != 0 ? 1 : 0)};
}

}  // namespace quillmap
