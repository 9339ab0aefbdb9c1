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
// entry starting on a new row of ColumnCount codes.
class rowtable {
public:
    // The displayed fields of the tree, with gap entries where no field covers the bytes.
    void Build(cont& root, int32_t documentlength, int32_t columncount);

    int32_t EntryCount() const { return static_cast<int32_t>(starts_.size()); }
    // The entry's field, or null for a gap.
    pole* Field(int32_t entry) const { return fields_[entry]; }
    int32_t Start(int32_t entry) const { return starts_[entry]; }
    // A field's length, a gap's distance to the next entry; the last entry runs one position past
    // the end of the document, so that the caret can stand after the last byte.
    int32_t Extent(int32_t entry) const;
    int32_t Rows(int32_t entry) const;
    // The first line of an entry.
    int32_t FirstLine(int32_t entry) const { return firstlines_[entry]; }
    int32_t LastLine() const { return lastline_; }
    lineplace PlaceOfLine(int32_t line) const;
    // The entry a document position falls in: the last one starting at or before it.
    int32_t EntryAt(int32_t position) const;
    // One character per byte of the line, up to the entry's end and the document's end.
    std::string GetLine(int32_t line, std::span<const uint8_t> bytes) const;

private:
    std::vector<pole*> fields_;
    std::vector<int32_t> starts_;
    std::vector<int32_t> firstlines_;
    int32_t documentlength_ = 0;
    int32_t columncount_ = 8;
    int32_t lastline_ = 0;
};

}  // namespace quillmap
