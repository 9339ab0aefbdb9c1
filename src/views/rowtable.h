#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "model/cont.h"

namespace quillmap {

// Where a line of the structure view lies: its row-table entry and the row inside it.
struct lineplace {
    int32_t entry = 0;
    int32_t row = 0;
};

// The structure view's rows: one entry per displayed field or gap, in document order, every
// entry starting on a new row of ColumnCount codes, and every entry a block of pixels under the
// one before. An opened run of millions of fields costs a few numbers for every Spacing-th of
// its entries: the others are worked out from the nearest one before them.
class rowtable {
public:
    // The heights the blocks are drawn with; without them every block is 0 pixels high.
    void SetHeights(int32_t lineheight, int32_t fieldline);
    // The displayed fields of the tree, with gap entries where no field covers the bytes.
    void Build(cont& root, int32_t documentlength, int32_t columncount);

    // After an edit that left every field where it was: the field objects measured again, and the
    // blocks below one whose height changed moved by the difference.
    void Remeasure();

    int32_t EntryCount() const { return entrycount_; }
    // The entry's field, or null for a gap; a run's field is made when asked for.
    pole* Field(int32_t entry) const;
    int32_t Start(int32_t entry) const { return Locate(entry).at.start; }
    // A field's length, a gap's distance to the next entry; the last entry runs one position past
    // the end of the document, so that the caret can stand after the last byte.
    int32_t Extent(int32_t entry) const;
    int32_t Rows(int32_t entry) const;
    // The first line of an entry.
    int32_t FirstLine(int32_t entry) const { return Locate(entry).at.firstline; }
    int32_t LastLine() const { return lastline_; }
    lineplace PlaceOfLine(int32_t line) const;
    // The entry a document position falls in: the last one starting at or before it.
    int32_t EntryAt(int32_t position) const;
    // One character per byte of the line, up to the entry's end and the document's end.
    std::string GetLine(int32_t line, std::span<const uint8_t> bytes) const;

    // The containers whose runs have entries here.
    std::vector<const cont*> Runs() const;

    // The drawn height of an entry's block: its field's height, or for a gap its rows with the
    // margins above and below.
    int32_t BlockHeight(int32_t entry) const;
    // Pixels from the top of the first block to the top of the entry's block, each block followed
    // by the field line; EntryCount() gives the end of the last block's band.
    int64_t BlockTop(int32_t entry) const;
    // The entry whose block (or the band after it) holds a height below the first block's top.
    int32_t EntryAtHeight(int64_t height) const;

private:
    static constexpr int32_t Spacing = 64;

    // An entry's start, first line and block top.
    struct entryplace {
        int32_t start = 0;
        int32_t firstline = 0;
        int64_t top = 0;
    };
    // One entry of a field object or a gap, or an entry for each field of a container's run.
    struct segment {
        pole* field = nullptr;
        const cont* run = nullptr;
        int32_t firstentry = 0;
        int32_t count = 1;
        int32_t firstmark = 0;  // a run's first entry's place in marks_
        entryplace at;
    };
    struct located {
        const segment* in = nullptr;
        int32_t index = 0;  // within the segment
        entryplace at;
    };

    located Locate(int32_t entry) const;
    // The length of a field's entry; a run's field is read from its run, not made.
    int32_t FieldLength(const located& place) const;
    // Extent, for an entry already located.
    int32_t ExtentAt(const located& place, int32_t entry) const;
    // The place of the entry after one at `at` of extent and drawn height, starting next.
    entryplace After(const entryplace& at, int32_t next, int64_t extent, int32_t height) const;
    // The place of the entry after a run's entry index.
    entryplace NextInRun(const segment& run, int32_t index, const entryplace& at) const;
    // The last entry whose key is at or before value; keys never decrease from entry to entry.
    template <class Key>
    int32_t LastEntryAtOrBefore(int64_t value, Key key) const;
    // Lays out a run's entries but the last, from at on, marking every Spacing-th.
    void MeasureRun(const segment& run, entryplace& at);
    int32_t RowsOfExtent(int64_t extent) const;
    int32_t GapHeight(int32_t rows) const;
    int32_t RunLength(const segment& run, int32_t index) const;
    // FieldHeight and the rows, looked up for the lengths of sub-blocks.
    int32_t HeightOfLength(int32_t length) const;
    int32_t RowsOfLength(int32_t length) const;

    std::vector<segment> segments_;
    std::vector<entryplace> marks_;
    std::vector<int32_t> heights_;
    std::vector<int32_t> rowcounts_;
    int32_t entrycount_ = 0;
    int32_t documentlength_ = 0;
    int32_t columncount_ = 8;
    int32_t lastline_ = 0;
    int64_t endtop_ = 0;
    int32_t lineheight_ = 0;
    int32_t fieldline_ = 0;
};

}  // namespace quillmap
