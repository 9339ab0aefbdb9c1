#include "gif/gifsubblock.h"

#include "gif/giftexts.h"
#include "gif/giftitles.h"

namespace quillmap {

gifebcount::gifebcount(fieldhost& view, cont* parent) : counter(view, parent) {
    SetTitle(giftitle::BlockSize);
    SetDescription(giftext::SubBlockSize);
    SetStyle(fieldstyle::Number);
}

}  // namespace quillmap
