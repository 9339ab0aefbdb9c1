#pragma once

#include <array>
#include <cstdint>

namespace quillmap {

// The character classes every view shares: which bytes make up words for double-click selection,
// for ParagraphText and for joining typed characters into one undo step. The table is chosen for
// Windows-1251 text:
//   0  Latin letters, the digits 0-9, the underscore and the micro sign µ (a Latin word with its
//      numbers, as in "mp3" or "µs", is one word);
//   2  Cyrillic letters: А-я, Ёё and the Ukrainian, Belarusian, Serbian and Macedonian letters of
//      the upper half (Ђ Ѓ ѓ Љ Њ Ќ Ћ Џ ђ љ њ ќ ћ џ Ў ў Ј Ґ Є Ї І і ґ є ј Ѕ ѕ ї);
//   5  everything else: control codes, spaces (also the no-break space), punctuation, quotes,
//      dashes, the soft hyphen, symbols.
// Classes 1, 3 and 4 are words too but nothing in the table uses them. Latin and Cyrillic stay
// apart so that a double click on "GIFфайл" takes only the half under the mouse, as the two
// halves are typed in different keyboard layouts.
inline constexpr uint8_t LatinClass = 0;
inline constexpr uint8_t CyrillicClass = 2;
inline constexpr uint8_t SeparatorClass = 5;

using charclasstable = std::array<uint8_t, 256>;

uint8_t CharClass(unsigned char character);
const charclasstable& CharClasses();

// Classes 0 to 4 belong to words; anything above separates them.
inline bool IsWordClass(uint8_t charclass) { return charclass <= 4; }
// Typed characters after one of these classes join the previous undo step.
inline bool JoinsTyping(uint8_t charclass) { return charclass == 0 || charclass == 2; }

// While at least one of these lives, every class is 5: the structure view keeps one, so that a
// double click selects no word and every digit typed is its own undo step. The table comes back
// when the last one goes, whatever the order in which they go.
class allseparators {
public:
    allseparators();
    ~allseparators();
    allseparators(const allseparators&) = delete;
    allseparators& operator=(const allseparators&) = delete;
};

}  // namespace quillmap
