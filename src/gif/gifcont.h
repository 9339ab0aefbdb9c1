#pragma once

#include <cstdint>
#include <string>

#include "model/cont.h"

namespace quillmap {

class gifsdflag;
class gifgcmcikl;

// The root of a GIF file's tree: signature, screen descriptor, global colour map and the blocks.
class gifcont final : public cont {
public:
    explicit gifcont(fieldhost& view);

    // Back to the tree of a new document: the signature alone, at 0.
    void Reset() override;

    int32_t Recheck(int32_t position, int32_t count) override;
    void RebuildFrom(int32_t position) override;
    void GapText(int32_t position, std::string& text) const override;

    // 0 for "87a", 1 for "89a".
    uint8_t Version() const { return version_; }
    void SetVersion(uint8_t version) { version_ = version; }
    bool Is89a() const { return version_ == 1; }

    // The screen descriptor's flags, when the descriptor is complete.
    const gifsdflag* ScreenFlags() const;
    const gifgcmcikl* GlobalMap() const;
    // The colour the byte at position selects in the global map, as 0x00BBGGRR, or -1 for none.
    int32_t ColourOf(int32_t position) const;
    uint32_t ScreenWidth() const;
    uint32_t ScreenHeight() const;

private:
    void Build();
    // The blocks' remarks judge images and text grids against the screen size.
    void RefreshBlockTexts();

    uint8_t version_ = 0;
};

}  // namespace quillmap
