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
#include "views/rowtable.h"
#include "views/structmetrics.h"
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
    void ReadBytes(int32_t position, int32_t n, uint8_t* destination) const override;
    int32_t DocumentLength() const override { return static_cast<int32_t>(bytes_.size()); }
    int32_t ColumnCount() const override;
    int32_t LineHeight() const override { return vwcommon::LineHeight(); }
    char DecimalSeparator() const override { return system_.DecimalSeparator(); }

    std::string GetLine(int32_t line) const override;
    void CalcCaretPixels() override;
    void EnsureCaretVisible() override;
    int32_t Length() const override { return DocumentLength(); }
    void AppendBytes(const uint8_t* bytes, int32_t count) override;
    // Throws bytefileerror when the file cannot be read or written.
    void LoadFromFile(const std::string& path) override;
    void SaveToFile(const std::string& path) override;
    void ReparseAll() override;
    void ReadBlocks(const blockreader& callback) const override;
    textpos LinearToPosition(int32_t linear) const override;
    platform::rect DrawingBounds() const override;
    void Undo() override;
    void Redo() override;
    int32_t PositionToLinear(int32_t column, int32_t line) const override;

    // Replaces count bytes at offset by the new bytes, tells the tree, rebuilds the rows and
    // records one BytesReplaced step (or grows an open one). The caret ends at caretafter.
    // True when the layout may have changed.
    bool ReplaceBytes(int32_t offset, int32_t count, std::string_view newbytes, uint8_t caretstate,
                      int32_t caretafter);

    const std::vector<uint8_t>& Bytes() const { return bytes_; }
    cont& Root() const { return *root_; }
    const rowtable& Rows() const { return rows_; }
    const structmetrics& Metrics() const { return metrics_; }
    // The drawn height of an entry's block: its field's height, or for a gap its rows with the
    // margins above and below.
    int32_t BlockHeight(int32_t entry) const;
    // The digit of the code under the caret, and whether the caret is in the codes or in a
    // field's value text.
    int32_t CurDigit() const { return curdigit_; }
    void SetCurDigit(int32_t digit) { curdigit_ = digit; }
    bool InCodes() const { return incodes_; }

protected:
    vwstruct(platform::canvas& surface, platform::system& system, const rootmaker& makeroot);

    // After the tree changed: the displayed fields and the row table again.
    void RebuildRows();
    // The glyphs are measured once per font or base, not on every edit.
    void UpdateMetrics();

private:
    // Puts the new bytes in place of count bytes at offset and tells the tree: a recheck when
    // the count stays, else a rebuild from the offset. True when the layout may have changed.
    bool Splice(int32_t offset, int32_t count, std::string_view newbytes);
    // Applies a byte edit taken from one history list and puts its inverse on the other.
    void Reverse(undorec record, bool undoing);

    // Pixels from the top of the first block to the top of the entry's block.
    int64_t BlocksAbove(int32_t entry) const { return blocktops_[static_cast<size_t>(entry)]; }
    // The scroll y that brings a line's row just below the header.
    int64_t ScrollToLine(int32_t line) const;

    platform::system& system_;
    allseparators noword_;
    std::vector<uint8_t> bytes_;
    std::unique_ptr<cont> root_;
    rowtable rows_;
    structmetrics metrics_;
    std::vector<int64_t> blocktops_;
    int32_t curdigit_ = 0;
    bool incodes_ = true;
    int32_t textline_ = 0;
    std::string valuetext_;
};

}  // namespace quillmap
