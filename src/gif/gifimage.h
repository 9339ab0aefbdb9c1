#pragma once

#include "gif/gifdecidingflags.h"

namespace quillmap {

// The image descriptor's flags byte: M, I, S, reserved, PIXEL ("89a"); M, I, reserved, PIXEL ("87a").
class gifidflag final : public gifdecidingflags {
public:
    gifidflag(fieldhost& view, cont* parent, bool version89a);
    void OnFlag(int32_t group, uint32_t value) override;

    bool MapPresent() const { return mappresent_; }
    bool Interlaced() const { return interlaced_; }
    int32_t ColourCount() const { return colourcount_; }

private:
    bool version89a_;
    bool mappresent_ = false;
    bool interlaced_ = false;
    int32_t colourcount_ = 0;
};

}  // namespace quillmap
