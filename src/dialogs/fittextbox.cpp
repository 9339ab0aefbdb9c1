#include "dialogs/fittextbox.h"

#include <algorithm>

#include "dialogs/breakline.h"
#include "dialogs/textblock.h"

namespace quillmap {

namespace {

constexpr int32_t WideningStep = 10;

// A blank line counts as high as a space, as the wrapping routines draw it.
int32_t LineHeight(platform::canvas& surface, std::string_view line) {
    return surface.TextExtent(line.empty() ? std::string_view(" ") : line).height;
}

// The height the text needs without any wrapping: its hard lines, the gaps and the frame.
int32_t HardLinesHeight(platform::canvas& surface, std::string_view text) {
    int32_t height = 2;
    size_t start = 0;
    for (size_t pos = 0;; ++pos) {
        if (pos < text.size() && !IsLineBreak(text[pos])) continue;
        height += LineHeight(surface, text.substr(start, pos - start));
        if (pos >= text.size()) return height;
        height += LineGap;
        if (pos + 1 < text.size() && IsLineBreak(text[pos + 1]) && text[pos + 1] != text[pos]) ++pos;
        start = pos + 1;
    }
}

enum class trial { fits, widen };

// Lays the text out in the box, growing it downward while it is wide enough for its height.
trial LayOut(platform::rect& box, platform::canvas& surface, std::string_view text, platform::extent maximum) {
    int32_t y = box.top + 1;
    size_t pos = 0;
    while (pos < text.size()) {
        const std::optional<wrappedline> line =
            TakeLine(box.right - box.left - 3, surface, text, pos, hyphenrule::closingmark);
        // No height can make a character fit the width.
        if (!line) return trial::widen;
        const int32_t height = surface.TextExtent(line->text).height;
        if (y + height + 1 >= box.bottom) {
            const int32_t need = y + height + 1 - box.top;
            if (need >= maximum.height) return trial::widen;
            const bool flat = static_cast<double>(box.right - box.left) / need > TextBlockProportion();
            if (!flat && box.right - box.left < maximum.width - 1) return trial::widen;
            box.bottom = y + height + 2;
        }
        y += height + LineGap;
        pos = line->next;
    }
    return trial::fits;
}

}  // namespace

void FitTextBox(platform::rect& box, platform::canvas& surface, const platform::rect& limits, std::string_view text) {
    const platform::extent maximum{limits.right - limits.left + 1, limits.bottom - limits.top + 1};

    const int32_t hardheight = HardLinesHeight(surface, text);
    if (hardheight >= box.bottom - box.top) box.bottom = box.top + hardheight + 1;
    if (box.right - box.left >= maximum.width) box.right = box.left + maximum.width - 1;
    if (box.bottom - box.top >= maximum.height) box.bottom = box.top + maximum.height - 1;

    while (LayOut(box, surface, text, maximum) == trial::widen && box.right - box.left < maximum.width - 1) {
        box.right = std::min(box.right + WideningStep, box.left + maximum.width - 1);
    }

    if (box.left < limits.left) {
        box.right += limits.left - box.left;
        box.left = limits.left;
    }
    if (box.top < limits.top) {
        box.bottom += limits.top - box.top;
        box.top = limits.top;
    }
}

}  // namespace quillmap
