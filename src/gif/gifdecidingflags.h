#pragma once

#include <span>

#include "gif/giftitles.h"
#include "model/flagi.h"

namespace quillmap {

// A flags byte whose values decide which fields follow it (a colour map, the blocks):
// every overwrite of it parses again from it.
class gifdecidingflags : public flagi {
public:
    gifdecidingflags(fieldhost& view, cont* parent, std::span<const int32_t> groupwidths)
        : flagi(view, parent, groupwidths) {
        SetTitle(giftitle::Flags);
        SetStyle(fieldstyle::Flags);
    }

    int32_t Recheck(int32_t position, int32_t count) override {
        flagi::Recheck(position, count);
        return Start();
    }
};

}  // namespace quillmap
