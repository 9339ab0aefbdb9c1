#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "model/pole.h"

namespace quillmap {

// One entry of the displayed list: a field, or a gap of bytes no field covers (field null).
struct displayentry {
    pole* field = nullptr;
    int32_t start = 0;
};

// The displayed fields in document order with gap entries where bytes lie between them: before
// the first field, between a field's end and the next start, and after the last field.
std::vector<displayentry> BuildDisplayedEntries(std::span<pole* const> visible, int32_t documentlength);

// A gap entry runs to the next entry's start, the last one to the end of the document;
// a field entry covers the field's length.
int32_t EntryLength(std::span<const displayentry> entries, size_t index, int32_t documentlength);

}  // namespace quillmap
