#pragma once

#include <cstdint>

namespace quillmap {

// One end of a selection in the structure view: a byte of the document and the digit of its
// code (0 = the leftmost digit as drawn; the digit count itself = after the last digit).
struct caretend {
    int32_t byte = 0;
    int32_t digit = 0;
    friend bool operator==(const caretend&, const caretend&) = default;
};

// The selection between caret and anchor as drawing, copying and deleting see it: either some
// digits of one code, or whole bytes [frombyte, tobyte).
struct codeselection {
    bool insidecode = false;
    int32_t frombyte = 0;
    int32_t tobyte = 0;  // exclusive; the code's own byte + 1 when insidecode
    int32_t fromdigit = 0;
    int32_t todigit = 0;  // exclusive; a large number for "to the end of the code"

    bool Empty() const { return insidecode ? fromdigit >= todigit : frombyte >= tobyte; }
    bool HoldsDigit(int32_t byte, int32_t digit) const;
};

// Both ends on one code, or the later end at digit 0 of the next code: the digits between them.
// Otherwise the bytes from the lower end's up to the upper end's, which counts only when its
// digit is not 0.
codeselection SelectionBetween(caretend a, caretend b);

// The bytes a value column shows selected: from the lower end's byte to the upper end's, the
// upper one only when its digit is not 0; nothing when the two ends coincide.
struct bytespan {
    int32_t from = 0;
    int32_t to = 0;  // exclusive
};
bytespan SelectedBytes(caretend a, caretend b);

}  // namespace quillmap
