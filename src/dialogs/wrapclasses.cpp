#include "dialogs/wrapclasses.h"

#include <string_view>

namespace quillmap {

namespace {

constexpr char Hyphen = '-';

bool IsOneOf(char c, std::string_view set) { return set.find(c) != std::string_view::npos; }

}  // namespace

bool IsSpaceCharacter(char c) { return c == '\t' || c == '\n' || c == '\r' || c == ' '; }

bool IsLineBreak(char c) { return c == '\n' || c == '\r'; }

bool IsOpeningMark(char c) { return IsOneOf(c, "([{"); }

bool IsClosingMark(char c, hyphenrule hyphen) {
    return IsOneOf(c, "!),.:;?]}") || (c == Hyphen && hyphen == hyphenrule::closingmark);
}

bool IsWordCharacter(char c, hyphenrule hyphen) {
    return !IsSpaceCharacter(c) && !IsOpeningMark(c) && !IsClosingMark(c, hyphen) && c != Hyphen;
}

}  // namespace quillmap
