#pragma once

#include <cstdint>

#include "gif/gifblock.h"
#include "views/vwstruct.h"

namespace quillmap::testing {

// The image block with the most bytes, or null.
inline gifimdesc* LargestImage(cont& root) {
    gifimdesc* largest = nullptr;
    for (int32_t k = 0; k < root.ObjectCount(); ++k) {
        auto* block = dynamic_cast<gifimdesc*>(&root.Child(k));
        if (block && block->Kind() == gbImage && (!largest || block->Length() > largest->Length())) largest = block;
    }
    return largest;
}

// A byte of data in the middle of an image block the view shows opened: in a chain of one-byte
// sub-blocks every other byte is a size.
inline int32_t MiddleOfData(const vwstruct& view, const cont& image) {
    const int32_t middle = image.Start() + image.Length() / 2;
    return view.Rows().Field(view.Rows().EntryAt(middle))->Kind() == fieldkind::counter ? middle + 1 : middle;
}

}  // namespace quillmap::testing
