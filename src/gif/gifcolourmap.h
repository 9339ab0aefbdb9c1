#pragma once

#include "model/cikl.h"

namespace quillmap {

// A global or local colour map: three bytes per entry, red, green, blue.
class gifgcmcikl final : public cikl {
public:
    gifgcmcikl(fieldhost& view, cont* parent, int32_t count);
    // Every entry has its place from the map's start.
    void SetStart(int32_t position) override;
    void RebuildFrom(int32_t position) override;
};

}  // namespace quillmap
