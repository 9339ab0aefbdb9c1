#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/cont.h"
#include "model/fieldhost.h"
#include "platform/system.h"
#include "views/charclasses.h"
#include "views/codeselection.h"
#include "views/fieldwalk.h"
#include "views/navigator.h"
#include "views/phrasefinder.h"
#include "views/popuphost.h"
#include "views/rowtable.h"
#include "views/stolbokno.h"
#include "views/structmetrics.h"
#include "views/valuemove.h"
#include "views/vwcommon.h"

namespace quillmap {

// The view the user works in: the document's bytes as rows of codes under the field tree.
// It owns the bytes, the tree's root and the row table built from the tree; every byte edit goes
// through ReplaceBytes, which tells the tree and records the edit for undo.
class vwstruct : public vwcommon, public fieldhost {
public:
    using rootmaker = std::function<std::unique_ptr<cont>(fieldhost& view)>;

    ~vwstruct() override;

    // The document, as the field tree reads it.
    int32_t DocumentLength() const override { return static_cast<int32_t>(bytes_.size()); }
    std::span<const uint8_t> Contents() const override { return bytes_; }
    int32_t ColumnCount() const override;
    int32_t LineHeight() const override { return lineheight_; }
    char DecimalSeparator() const override { return system_.DecimalSeparator(); }

    // The operations of the common view, in the order of their slots.
    std::string GetLine(int32_t line) const override;
    int32_t ContentHeight() const override;
    void RecalcMetrics() override;
    void CalcCaretPixels() override;
    void EnsureCaretVisible() override;
    bool HasSelection() const override;
    int32_t ContentWidth() const override;
    void SetCharMap(const charmaptable& table) override { charmap_ = table; }
    int32_t Length() const override { return DocumentLength(); }
    void AppendBytes(const uint8_t* bytes, int32_t count) override;
    // Throws bytefileerror when the file cannot be read or written. A failed load leaves the
    // document as it was; a failed save leaves the file as it was.
    void LoadFromFile(const std::string& path) override;
    void SaveToFile(const std::string& path) override;
    void Paint() override;
    void SetFont(const platform::fontspec& font) override;
    bool TypeChar(char character) override;
    bool Insert(std::string_view text, bool record, bool updatecaret) override;
    bool DeleteAtCaret() override;
    bool DeleteSelection(bool record, bool refreshnavigator) override;
    void DeleteLine(bool whole) override;
    bool CaretLeft(bool ctrl, bool shift) override;
    bool CaretRight(bool ctrl, bool shift) override;
    bool CaretUp(bool ctrl, bool shift, int32_t& rememberedx) override;
    bool CaretDown(bool ctrl, bool shift, int32_t& rememberedx) override;
    void LineStart(bool shift) override;
    void LineEnd(bool shift) override;
    void PageUp(bool shift, int32_t& rememberedx) override;
    void PageDown(bool shift, int32_t& rememberedx) override;
    void MouseButton(int32_t x, int32_t y, bool down, bool shift) override;
    viewcursor MouseMove(int32_t x, int32_t y) override;
    void SelectAll() override;
    bool Backspace() override;
    std::string CharNearCaret(bool after) const override;
    bool FindPhrase(std::string_view phrase, int32_t& budget, bool fromcaret, bool matchcase) override;
    amnaction PopupItems() override;
    // The shortcuts of the paste and copy of codes as text.
    void SetupPopupItem(int32_t index, tmnitem& item) override;
    textpos LinearToPosition(int32_t linear) const override;
    // Empties the document.
    void Clear() override;
    platform::rect DrawingBounds() const override;
    void Undo() override;
    void Redo() override;
    int32_t PositionToLinear(int32_t column, int32_t line) const override;
    // With a view of the same class, the other view also opens and closes the same containers.
    void CopyDocumentTo(vwcommon& other) const override;
    // Tab moves between the codes and a value text; it never types over a selection.
    bool KeyReplacesSelection(char key) const override { return key != '\t'; }
    void ReparseAll() override;
    void ReadBlocks(const blockreader& callback) const override;
    void RewriteBlocks(const blockrewriter& callback) override;

    // The plug-ins' walks over the field tree, with gaps where no field covers the bytes.
    void ReadFields(const fieldreader& callback) const;
    void RewriteFields(const fieldrewriter& callback);

    // Replaces count bytes at offset by the new bytes, tells the tree, rebuilds the rows and
    // records one BytesReplaced step (or grows an open one). The caret ends at caretafter.
    // True when the layout may have changed.
    bool ReplaceBytes(int32_t offset, int32_t count, std::string_view newbytes, uint8_t caretstate,
                      int32_t caretafter);

    const std::vector<uint8_t>& Bytes() const { return bytes_; }
    // Counts the changes of the bytes, so that a caller can tell whether a key changed any.
    uint64_t EditCount() const { return editcount_; }
    // Ctrl+Home and Ctrl+End: the first code, or the end of the document, on digit 0.
    void DocumentStart(bool shift) { MoveCaret(0, 0, shift); }
    void DocumentEnd(bool shift) { MoveCaret(DocumentLength(), 0, shift); }
    cont& Root() const { return *root_; }
    const rowtable& Rows() const { return rows_; }
    // The geometry for the current window size and margins.
    structmetrics Metrics() const;
    // The drawn height of an entry's block: its field's height, or for a gap its rows with the
    // margins above and below.
    int32_t BlockHeight(int32_t entry) const { return rows_.BlockHeight(entry); }
    // Pixels from the top of the first block to the top of the entry's block.
    int64_t BlockTop(int32_t entry) const { return rows_.BlockTop(entry); }
    // The entry whose block (or the separator band after it) holds a height below the first block's top.
    int32_t EntryAtHeight(int64_t height) const { return rows_.EntryAtHeight(height); }

    // The digit of the code under the caret and at the anchor, and whether the caret is in the
    // codes or in a field's value text.
    int32_t CurDigit() const { return curdigit_; }
    void SetCurDigit(int32_t digit) { curdigit_ = digit; }
    int32_t AnchorDigit() const { return anchordigit_; }
    void SetAnchorDigit(int32_t digit) { anchordigit_ = digit; }
    bool InCodes() const { return incodes_; }
    caretend CaretEnd() const { return {CaretLinear(), curdigit_}; }
    caretend AnchorEnd() const { return {PositionToLinear(anchorcolumn_, anchorline_), anchordigit_}; }
    // Empty while the caret is in a value text, whose own selection its display style draws.
    codeselection Selection() const;
    bytespan SelectedValueBytes() const;

    // After the tree changed (a container opened or closed): the displayed fields and the row
    // table again.
    void RebuildRows();
    // The colour a colour number at a position selects, as 0x00BBGGRR, or -1 for none; only a
    // format with colour maps knows one.
    virtual int32_t ColourOf(int32_t /*position*/) const { return -1; }

    // The view's own menu actions, by their index in PopupItems.
    static constexpr int32_t PasteAsCodesAction = 1;
    static constexpr int32_t CopyAsCodesAction = 2;
    static constexpr int32_t NavigatorAction = 3;
    // The selected codes on the clipboard as text.
    void CopyCodesAsText();
    // Clipboard text read as codes and inserted at the caret, over the selection as one step of
    // the history; text that is not codes beeps and changes nothing. True when the bytes changed.
    bool PasteTextAsCodes();
    // The codes per row, from 2 to 999 whatever is asked. The caret keeps its byte, the anchor
    // joins it, and the column window shows the count.
    void SetColumnCount(int32_t n);
    // The column-count window at the mouse, made on first use; nothing before the main window
    // gave the view its application.
    void ShowColumnWindow();
    // `mainwindow`, when given, owns the navigator: it stays above it and is minimised with it.
    void SetApplication(platform::application& app, const platform::window* mainwindow = nullptr) {
        app_ = &app;
        mainwindow_ = mainwindow;
    }
    // The popup windows the main window provides; without them a press on a description or an
    // image button shows nothing.
    void SetPopups(popuphost& popups) { popups_ = &popups; }
    stolbokno* ColumnWindow() const { return columnwindow_.get(); }
    // "Навигация": the navigator shown, made on first use, or hidden.
    void ShowNavigator(bool shown);
    navigator* Navigator() const { return navigator_.get(); }
    // The structure view moves to a field the navigator points at: its closed ancestors open,
    // the caret goes to its first row without a selection, and the main window follows.
    void Reveal(pole& field);
    // The user closed the navigator: the main window takes the check off "Навигация".
    std::function<void()> onnavigatorclosed;
    // The line of the caret's field's value text it stands on, and that line.
    int32_t TextLine() const { return textline_; }
    const std::string& ValueText() const { return valuetext_; }
    // The find and replace dialogs. FindPhrase matches the forms the search mode names, and
    // selects a match in the codes: the caret on its first byte, the anchor after its last.
    void SetSearchMode(searchmode mode) { searchmode_ = mode; }
    searchmode SearchMode() const { return searchmode_; }
    // The selected bytes, in the codes or in a value text of bytes.
    bytespan SelectedSpan() const { return incodes_ ? bytespan{Selection().frombyte, Selection().tobyte} : SelectedValueBytes(); }
    // Caret and anchor together on a byte's digit in the codes, brought into view.
    void PutCaret(caretend at) { MoveCaret(at.byte, at.digit, false); }
    // The caret one byte back onto its first digit, the anchor with it, so that a search from the
    // caret takes in the byte it stood on; false, and nothing moves, at the first byte.
    bool StepBack();
    // Replaces the selected match by replacement as typing over a selection does (one step of the
    // history), then leaves the caret on the replacement's last byte, as StepBack would. With all,
    // goes on with every further match of finder within budget, as a search from the caret and a
    // replacement each time would, but parses and lays out the document only once. budget is used
    // up as those searches would use it, and keeps the search from reaching past where it ended
    // before the replacements. Answers whether the next search starts after the caret (false when
    // the replacement left nothing before it, and the search must start at the first byte).
    bool ReplaceFound(std::string_view replacement, const phrasefinder& finder, int32_t& budget, bool all);

    // The view changed the layout on its own: the main window updates its scroll bars and draws.
    std::function<void()> onrefresh;

protected:
    vwstruct(platform::canvas& surface, platform::system& system, const rootmaker& makeroot);

    // The glyphs and the line height are measured once per font or base, not on every edit.
    void MeasureGlyphs();
    // A press on an entry's description shows the description item under the press whole in a
    // text popup, unless a popup is open already; y counts from the top of the entry's block.
    void ShowDescription(int32_t entry, int64_t y);
    // A press on the button of an image block's data decodes the image and shows it; only a
    // format with images knows how.
    virtual void ShowImage(pole& /*field*/) {}
    popuphost* Popups() const { return popups_; }

private:
    // Puts the new bytes in place of the old ones at offset (the caller's copy of what is there)
    // and tells the tree: a recheck when the count stays, else a rebuild from the offset. True
    // when the layout may have changed.
    bool Splice(int32_t offset, std::string_view oldbytes, std::string_view newbytes);
    // Applies the byte edit newest on one history list and moves its inverse to the other.
    void Reverse(bool undoing);
    // The bytes alone, with nothing after them told; allocates only before anything changes.
    void PutBytes(int32_t offset, int32_t count, std::string_view newbytes);
    // Memory ran out after newsize bytes at offset took the place of oldbytes: they go back, and
    // the view is as ReparseFrom leaves it.
    void TakeBack(int32_t offset, size_t newsize, std::string_view oldbytes, int32_t caret);
    // The tree, the rows and the navigator made again from the bytes, the caret at a byte.
    void ReparseFrom(int32_t caret);
    // A plug-in rewrote the document: the new bytes, a fresh parse and no history.
    void ReplaceDocument(const std::vector<std::string>& blocks);
    // The field objects the rows' runs made while painting and handling events go, so that
    // scrolling through millions of fields keeps only those on screen.
    void ForgetRunFields();
    // The scroll y that brings a line's row just below the header.
    int64_t ScrollToLine(int32_t line) const;

    // The number of digits the code at a byte shows: those of 255 with FirstZeroes, else its own.
    int32_t CodeDigits(int32_t byte) const;
    // The entry's last position: its last byte, or the end of the document in the last entry.
    int32_t EntryLastPosition(int32_t entry) const;
    // The caret onto a byte and digit; without shift the anchor follows, with it the selection is
    // normalised. MoveCaret then brings the caret's pixels into view.
    void PlaceCaretOnDigit(int32_t byte, int32_t digit, bool shift);
    void MoveCaret(int32_t byte, int32_t digit, bool shift);
    void AnchorOnCaret();
    // An anchor after its code's last digit stands on the next code; a caret after its last
    // digit with the anchor on the next code's first one selects nothing.
    void NormaliseSelection();
    // The line a vertical move lands on, at the remembered column, clamped into its entry, with
    // the digit keeping its distance from the code's right end.
    bool MoveToLine(int32_t line, bool shift, int32_t& rememberedx);
    // The line Page Up or Page Down reaches within round(0.8 x client height) pixels.
    int32_t PageTarget(bool down) const;
    // The match a search finds from start within budget, which it uses up; selected when found.
    bool FindAndSelect(const phrasefinder& finder, int32_t start, int32_t& budget);
    // Puts an edit of the bytes on the history as ReplaceBytes does: it joins a deletion waiting
    // for its typing, or becomes a step of its own.
    void RecordReplacement(int32_t offset, std::string oldbytes, std::string_view newbytes, uint8_t caretstate,
                           int32_t caretafter);
    // Where a deletion or typing waiting to be joined stops waiting.
    void CloseOpenRecord();
    bool RecordIsOpen() const;
    // The edits of the codes: the bytes go through ReplaceBytes, then the caret's digits are set.
    bool EditBytes(int32_t offset, int32_t count, std::string_view newbytes, int32_t digitbefore,
                   int32_t caretafter, int32_t digitafter);
    // The value text, entered with Tab or a click in the value column: the caret's field's
    // display style fills it, moves over it and edits it.
    void EnterValueText();
    void ToggleArea();
    void MoveInValueText(valuemove move, bool shift, int32_t& rememberedx);
    // Edits of the bytes shown as characters; the caret stays in the value text.
    bool EditValueBytes(int32_t offset, int32_t count, std::string_view newbytes, int32_t caretafter);
    bool TypeInValueText(char character);
    bool DeleteInValueText(bool before);
    bool DeleteSelectionInValueText();
    // x from the value column's left edge; row counted from the entry's first row, not clamped.
    void ClickInValueText(int64_t x, int32_t entry, int32_t row, bool extend);
    // After the column count changed: the anchor on the caret, the caret in view, the main window
    // and the column window told.
    void Relaid();
    // The block top of an entry in the mouse's coordinates, and the entry under a point.
    int64_t MouseBlockTop(int32_t entry) const;
    int32_t EntryAtMouse(int32_t y) const;
    // Opens a container or closes a first child's parent when the point is on one of its boxes.
    bool ClickBoxes(int32_t entry, int64_t x, int64_t y);

    platform::system& system_;
    allseparators noword_;
    std::vector<uint8_t> bytes_;
    std::unique_ptr<cont> root_;
    rowtable rows_;
    glyphsizes glyphs_;
    int32_t lineheight_ = 0;
    int32_t curdigit_ = 0;
    int32_t anchordigit_ = 0;
    bool incodes_ = true;
    int32_t textline_ = 0;
    std::string valuetext_;
    uint64_t editcount_ = 0;
    platform::application* app_ = nullptr;
    const platform::window* mainwindow_ = nullptr;
    std::unique_ptr<stolbokno> columnwindow_;
    std::unique_ptr<navigator> navigator_;
    popuphost* popups_ = nullptr;
    searchmode searchmode_ = searchmode::both;

    // The display styles: a number's or a flags byte's value text keeps its stored lines here
    // (none while the value text is the bytes themselves), and the styles reach the caret and the
    // edits through valueeditor.
    friend class valueeditor;
    std::vector<std::string> valuelines_;
};

}  // namespace quillmap
