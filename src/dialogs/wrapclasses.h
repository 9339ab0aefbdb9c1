#pragma once

namespace quillmap {

// Where a hyphen stands when text is wrapped. Message and popup windows keep it on the line of
// the word before it; the settings description panel lets a line end before or after it.
enum class hyphenrule {
    closingmark,  // the canvas variant
    ownclass,     // the device-context variant
};

// The character classes of wrapping, by byte; every class the functions below do not name is a
// word character (Cyrillic letters and control characters other than TAB, LF and CR included).
bool IsSpaceCharacter(char c);
bool IsLineBreak(char c);
bool IsOpeningMark(char c);
bool IsClosingMark(char c, hyphenrule hyphen);
bool IsWordCharacter(char c, hyphenrule hyphen);

}  // namespace quillmap
