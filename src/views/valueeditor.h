#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/pole.h"
#include "views/valuemove.h"

namespace quillmap {

class vwstruct;

// The structure view's value text as the display styles draw and edit it. A field's value text
// is either its bytes as characters, row by row, with the caret counting bytes (containers, texts,
// gaps, image data), or text lines of its own (a number, the groups of a flags byte, a colour's
// empty text), whose caret line is edited as ValueText until Enter stores it.
class valueeditor {
public:
    explicit valueeditor(vwstruct& view) : view_(view) {}

    // What drawing needs: whether the caret is in this field's value text, and that text.
    int32_t CaretEntry() const;
    const pole* CaretField() const;
    bool HoldsCaret(const pole* field) const;
    const std::string& Text() const;
    const std::vector<std::string>& Lines() const;
    int32_t Line() const;
    int32_t Column() const;
    int32_t AnchorColumn() const;
    void Beep() const;

    // The bytes as characters.
    void EnterBytes();
    void MoveOverBytes(valuemove move, bool shift, int32_t& rememberedx);
    bool TypeByte(char character);
    bool InsertBytes(std::string_view text);
    bool DeleteByte(bool before);
    bool DeleteSelectedBytes();
    void ClickBytes(int64_t x, int32_t entry, int32_t row, bool extend);

    // Text lines of the field's own: the caret on the first line's start.
    void EnterLines(int32_t entry, std::vector<std::string> lines);
    void MoveOverLines(valuemove move, bool shift, int32_t& rememberedx);
    // A character goes in at the caret (over the one there in overwrite mode) while the line stays
    // within maxlength characters, else a beep. Nothing is checked before Enter.
    bool TypeInLine(char character, int32_t maxlength);
    bool InsertInLine(std::string_view text, int32_t maxlength);
    bool DeleteInLine(bool before);
    bool DeleteSelectedInLine();
    // The line under the click (with extend the caret's line) and the character there.
    void ClickLine(int64_t x, int32_t row, bool extend);
    // Enter refused: a beep, and the caret's line as it was last stored.
    void RestoreLine();
    // Enter accepted: the caret's line is stored, the field's bytes replaced by bytes (the
    // document grows when the field reaches past its end) in one undoable step. The caret then
    // goes into the next entry's value text, or with stay keeps its line and column in the field.
    bool WriteField(const pole& field, const std::string& bytes, bool stay);

    // The caret into an entry's value text: on the line (-1 for the last) and column (clamped;
    // a large one for the end of the line) given. Without shift, or in text lines, the anchor follows.
    void EnterEntry(int32_t entry, int32_t line, int32_t column, bool shift);

private:
    void Show();
    void CloseOpenRecord();
    // The entry above or below the caret's (-1 for none), as the lines of the view run.
    int32_t EntryBefore(int32_t entry) const;
    int32_t EntryAfter(int32_t entry) const;
    // The caret before the first character whose half width reaches past x.
    int32_t ColumnAt(std::string_view text, int64_t x);
    void GoToLine(int32_t line, int32_t column);
    void SetColumn(int32_t column, bool shift);

    vwstruct& view_;
};

}  // namespace quillmap
