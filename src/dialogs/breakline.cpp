#include "dialogs/breakline.h"

#include <string>

namespace quillmap {

namespace {

// Half a width, a half rounded to the even neighbour, as the line's fullness is judged by.
int32_t HalfRoundedToEven(int32_t width) {
    const int32_t floorhalf = width >= 0 ? width / 2 : -((1 - width) / 2);
    if (width - 2 * floorhalf == 0 || floorhalf % 2 == 0) {
        return floorhalf;
    }
    return floorhalf + 1;
}

int32_t WidthOf(platform::canvas& surface, std::string_view text) { return surface.TextExtent(text).width; }

// The word at `from`: its word characters and the closing marks right after them.
size_t WordEnd(std::string_view text, size_t from, hyphenrule hyphen) {
    size_t end = from;
    while (end < text.size() && IsWordCharacter(text[end], hyphen)) ++end;
    while (end < text.size() && IsClosingMark(text[end], hyphen)) ++end;
    return end;
}

}  // namespace

size_t BreakLine(int32_t usablewidth, platform::canvas& surface, std::string_view text, size_t start,
                 hyphenrule hyphen) {
    std::string line;
    size_t pos = start;
    while (pos < text.size()) {
        const size_t wordend = WordEnd(text, pos, hyphen);
        const std::string_view word = text.substr(pos, wordend - pos);
        if (WidthOf(surface, line + std::string(word)) > usablewidth) {
            // A line still less than half full takes what it can of the word rather than leave
            // a wide gap; a fuller line ends before the word.
            if (WidthOf(surface, line) < HalfRoundedToEven(usablewidth)) {
                for (const char c : word) {
                    if (WidthOf(surface, line + c) >= usablewidth) break;
                    line += c;
                    ++pos;
                }
                return pos;
            }
            // An opening mark goes to the next line with its word.
            if (pos > start && (IsSpaceCharacter(text[pos - 1]) || IsOpeningMark(text[pos - 1]))) {
                return pos - 1;
            }
            return pos;
        }
        line += word;
        pos = wordend;
        if (pos < text.size() && !IsWordCharacter(text[pos], hyphen)) {
            const char c = text[pos];
            if (IsLineBreak(c) || WidthOf(surface, line + c) >= usablewidth) {
                return pos;
            }
            line += c;
            ++pos;
        }
    }
    return pos;
}

size_t NextLineStart(std::string_view text, size_t end) {
    if (end >= text.size() || !IsSpaceCharacter(text[end])) {
        return end;
    }
    const bool pair = end + 1 < text.size() && IsLineBreak(text[end]) && IsLineBreak(text[end + 1]) &&
                      text[end] != text[end + 1];
    return end + (pair ? 2 : 1);
}

std::optional<wrappedline> TakeLine(int32_t usablewidth, platform::canvas& surface, std::string_view text,
                                    size_t start, hyphenrule hyphen) {
    const size_t end = BreakLine(usablewidth, surface, text, start, hyphen);
    if (end != start) {
        return wrappedline{text.substr(start, end - start), NextLineStart(text, end)};
    }
    if (start < text.size() && IsLineBreak(text[start])) {
        return wrappedline{" ", NextLineStart(text, start)};
    }
    return std::nullopt;
}

}  // namespace quillmap
