#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "model/cont.h"

namespace quillmap {

// One entry of the displayed list: a field, or a gap of bytes no field covers (field null).
struct displayentry {
    pole* field = nullptr;
    int32_t start = 0;
};

// The displayed parts in document order, each with its start, and an empty part for each gap
// where bytes lie between them: before the first part, between a part's end and the next start,
// and after the last part. A run's fields lie end to end, so no gap falls inside one.
using displayedvisit = std::function<void(const shownpart& part, int32_t start)>;
void WalkDisplayed(std::span<const shownpart> parts, int32_t documentlength, const displayedvisit& visit);

// The displayed fields in document order with gap entries where bytes lie between them.
std::vector<displayentry> BuildDisplayedEntries(std::span<pole* const> visible, int32_t documentlength);

// A gap entry runs to the next entry's start, the last one to the end of the document;
// a field entry covers the field's length.
int32_t EntryLength(std::span<const displayentry> entries, size_t index, int32_t documentlength);

}  // namespace quillmap
