// The structure view when memory runs out in the middle of an edit: the bytes go back to what
// they were, the tree is parsed from them again, and the failure goes on to the caller, which
// tells the user. The document is never left half changed.
#include <algorithm>

#include "views/vwstruct.h"

namespace quillmap {

void vwstruct::PutBytes(int32_t offset, int32_t count, std::string_view newbytes) {
    const auto at = bytes_.begin() + offset;
    if (static_cast<size_t>(count) == newbytes.size()) {
        std::copy(newbytes.begin(), newbytes.end(), at);
        return;
    }
    // The only allocation comes first, while nothing has changed: the erase and the insert then
    // stay within the capacity. Putting old bytes back never allocates, as the capacity they had
    // is still there.
    // Grown by doubling, as insert itself would grow it: typing must not copy the document.
    const size_t needed = bytes_.size() - static_cast<size_t>(count) + newbytes.size();
    if (needed > bytes_.capacity()) bytes_.reserve(std::max(needed, 2 * bytes_.capacity()));
    bytes_.erase(bytes_.begin() + offset, bytes_.begin() + offset + count);
    bytes_.insert(bytes_.begin() + offset, newbytes.begin(), newbytes.end());
}

void vwstruct::TakeBack(int32_t offset, size_t newsize, std::string_view oldbytes, int32_t caret) {
    PutBytes(offset, static_cast<int32_t>(newsize), oldbytes);
    ReparseFrom(caret);
}

void vwstruct::ReparseFrom(int32_t caret) {
    // Whatever the tree and the rows were left as, a whole parse makes them right again; the
    // partial work is gone, so its memory is free again for it.
    ReparseAll();
    if (navigator_) navigator_->Rebuild();
    PlaceCaretAt(std::min(caret, DocumentLength()));
    curdigit_ = anchordigit_ = 0;
    incodes_ = true;
    CalcCaretPixels();
}

}  // namespace quillmap
