#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "platform/canvas.h"
#include "platform/geometry.h"
#include "views/edithistory.h"
#include "views/mnaction.h"

namespace quillmap {

// A place in the view's lines: column counts the characters before it.
struct textpos {
    int32_t column = 0;
    int32_t line = 0;
    friend bool operator==(const textpos&, const textpos&) = default;
};

// The cursor a view asks for over a point; the main window maps it to the platform's shapes.
enum class viewcursor : uint8_t { standard, text, handpoint };

using charmaptable = std::array<uint8_t, 256>;

// Plug-in block walks: a block's size and first byte, and a flag the callback raises to stop.
using blockreader = std::function<void(int32_t count, const uint8_t* bytes, bool& stop)>;
// The callback may hand back another size and other bytes; last is preset on the final block and
// raising it earlier keeps the rest of the document as it is.
using blockrewriter = std::function<void(int32_t& count, const uint8_t*& bytes, bool& last)>;

// The base of every code view: numbered lines of characters with a caret, an anchor, pixel
// metrics, scroll offsets, an insert mode and the edit history. Where the lines come from is the
// derived view's business; so are most edits.
class vwcommon {
public:
    // Operations in the order of their slots.
    virtual std::string GetLine(int32_t line) const;
    virtual int32_t ContentHeight() const;
    // (An unnamed abstract slot followed here; nothing calls it, so it is left out.)
    virtual void RecalcMetrics() = 0;
    virtual void CalcCaretPixels();
    virtual void EnsureCaretVisible();
    virtual bool HasSelection() const;
    virtual int32_t ContentWidth() const = 0;
    virtual void SetInsertMode(bool insert);
    virtual void SetCharMap(const charmaptable& table) = 0;
    // Applies a text record (TextInserted, TextDeleted, TextReplaced) for Undo or Redo and turns
    // it into the record that takes the change back.
    virtual void ApplyRecord(undorec& record);
    virtual int32_t Length() const;
    explicit vwcommon(platform::canvas& surface, platform::point margins = {});
    virtual ~vwcommon();
    virtual void AppendText(std::string_view text);
    // Callers end a run of appends with ReparseAll.
    virtual void AppendBytes(const uint8_t* bytes, int32_t count) = 0;
    virtual void LoadFromFile(const std::string& path) = 0;
    // Throws when the file cannot be written.
    virtual void SaveToFile(const std::string& path) = 0;
    virtual void Paint() = 0;
    virtual void SetFont(const platform::fontspec& font);
    // The edits answer whether the layout may have changed. With record true they record
    // themselves through RecordEdit: Redo counts on that to put the way back on UndoList.
    virtual bool TypeChar(char character) = 0;
    virtual bool Insert(std::string_view text, bool record, bool updatecaret) = 0;
    virtual bool DeleteAtCaret() = 0;
    virtual bool DeleteSelection(bool record, bool refreshnavigator) = 0;
    virtual void DeleteLine(bool whole) = 0;
    // The caret moves answer whether the caret moved. rememberedx is the main window's column
    // kept across a run of vertical moves, -1 when there is none yet.
    virtual bool CaretLeft(bool ctrl, bool shift) = 0;
    virtual bool CaretRight(bool ctrl, bool shift) = 0;
    virtual bool CaretUp(bool ctrl, bool shift, int32_t& rememberedx) = 0;
    virtual bool CaretDown(bool ctrl, bool shift, int32_t& rememberedx) = 0;
    virtual void LineStart(bool shift) = 0;
    virtual void LineEnd(bool shift) = 0;
    virtual void PageUp(bool shift, int32_t& rememberedx) = 0;
    virtual void PageDown(bool shift, int32_t& rememberedx) = 0;
    virtual void MouseButton(int32_t x, int32_t y, bool down, bool shift) = 0;
    virtual void SetPosition(int32_t column, int32_t line, bool iscaret);
    virtual bool Backspace();
    virtual void SelectAll();
    virtual std::string SelectedText() const;
    // The character Delete (after) or Backspace would remove; empty when there is none.
    virtual std::string CharNearCaret(bool after) const = 0;
    // budget is read and used up by the search.
    virtual bool FindPhrase(std::string_view phrase, int32_t& budget, bool fromcaret, bool matchcase) = 0;
    virtual amnaction PopupItems() = 0;
    virtual textpos LinearToPosition(int32_t linear) const;
    virtual void Clear() = 0;
    virtual platform::rect DrawingBounds() const;
    virtual void Undo();
    virtual void Redo();
    virtual void SetupPopupItem(int32_t index, tmnitem& item);
    virtual void SelectWordAtCaret();
    virtual int32_t PositionToLinear(int32_t column, int32_t line) const;
    virtual void CopyDocumentTo(vwcommon& other) const;
    virtual viewcursor MouseMove(int32_t x, int32_t y);
    virtual bool KeyReplacesSelection(char key) const;
    virtual void ReparseAll();
    virtual void ReadBlocks(const blockreader& callback) const;
    virtual void RewriteBlocks(const blockrewriter& callback);

    vwcommon(const vwcommon&) = delete;
    vwcommon& operator=(const vwcommon&) = delete;

    int32_t LineCount() const { return lastline_ + 1; }
    platform::point CaretPixels() const { return {caretx_, carety_}; }
    void SetCaretColumn(int32_t column);
    // The caret keeps its place in the text; its pixels follow the scroll.
    void SetScrollX(int32_t x);
    void SetScrollY(int32_t y);
    void SetClientHeight(int32_t height);
    void SetClientWidth(int32_t width);
    // Records an edit that has just been made: from is where it began, the caret where it ended.
    void RecordEdit(undokind kind, std::string_view text, textpos from);
    void MarkOpen() { history_.MarkOpen(); }
    // The text put in place of the selection, or at the caret without one, the two as one step
    // of the history (pasting, replacing). True when the layout may have changed.
    bool ReplaceSelection(std::string_view text);
    bool CanUndo() const { return history_.CanUndo(); }
    bool CanRedo() const { return history_.CanRedo(); }
    // The caret line with the lines around it that run on into it (Shift+Ctrl+Y).
    std::string ParagraphText() const;

    // The height of the first character of line 0, or of a space when line 0 is empty.
    int32_t TextHeight() const;
    int32_t LineHeight() const;

    // The effective margins of the main window, where the drawing starts.
    void SetMargins(int32_t x, int32_t y) { origin_ = {x, y}; }
    platform::point Origin() const { return origin_; }

    platform::canvas& Canvas() const { return canvas_; }
    int32_t LastLine() const { return lastline_; }
    int32_t ScrollX() const { return scrollx_; }
    int32_t ScrollY() const { return scrolly_; }
    int32_t ClientHeight() const { return clientheight_; }
    int32_t ClientWidth() const { return clientwidth_; }
    textpos Caret() const { return {caretcolumn_, caretline_}; }
    textpos Anchor() const { return {anchorcolumn_, anchorline_}; }
    bool InsertMode() const { return insertmode_; }
    const charmaptable& CharMap() const { return charmap_; }
    bool Printing() const { return printing_; }
    void SetPrinting(bool printing) { printing_ = printing; }
    bool LastPage() const { return lastpage_; }

    const forundo& UndoList() const { return history_.UndoList(); }
    const forundo& RedoList() const { return history_.RedoList(); }
    int32_t UndoBytes() const { return history_.UndoBytes(); }
    historystate HistoryState() const { return history_.HistoryState(); }

protected:
    // The derived views push, take and grow records here (BytesReplaced, the open record).
    edithistory& History() { return history_; }

    // Pixel width of a character, measured in the canvas font on first use.
    int32_t CharWidth(unsigned char character);
    // Width of the first count characters of text.
    int32_t WidthOfFirst(std::string_view text, int32_t count);
    int32_t CaretLinear() const { return PositionToLinear(caretcolumn_, caretline_); }
    // PlaceCaretAt moves caret and anchor together onto a linear position, PlaceAnchorAt the anchor.
    void PlaceCaretAt(int32_t linear);
    void PlaceAnchorAt(int32_t linear);

    platform::canvas& canvas_;
    std::array<int32_t, 256> charwidths_;
    int32_t lastline_ = 0;
    int32_t scrollx_ = 0;
    int32_t scrolly_ = 0;
    int32_t clientheight_ = 200;
    int32_t clientwidth_ = 200;
    int32_t caretcolumn_ = 0;
    int32_t caretline_ = 0;
    int32_t anchorcolumn_ = 0;
    int32_t anchorline_ = 0;
    int32_t caretx_ = 0;
    int32_t carety_ = 0;
    bool insertmode_ = true;
    charmaptable charmap_;

private:
    edithistory history_;

protected:
    bool printing_ = false;
    bool lastpage_ = false;
    platform::point origin_;
};

}  // namespace quillmap
