#pragma once

#include "model/cont.h"
#include "gif/gifdecidingflags.h"
#include "model/signatura.h"

namespace quillmap {

// "GIF" at the start of the file.
class gifname final : public signatura {
public:
    gifname(fieldhost& view, cont* parent);
    void OnMatch(int32_t index) override;
};

// "87a" or "89a".
class gifver final : public signatura {
public:
    gifver(fieldhost& view, cont* parent);
    void OnMatch(int32_t index) override;
};

// The logical screen descriptor: version, screen size, flags, background colour, aspect.
class gifscrdesc final : public cont {
public:
    gifscrdesc(fieldhost& view, cont* parent);
    int32_t Recheck(int32_t position, int32_t count) override;
    void Parse() override;
    void RelayoutFrom(int32_t k) override;
    void RebuildFrom(int32_t position) override;

private:
    void RefreshTexts();
};

// The screen descriptor's flags byte: M, CR, S, PIXEL.
class gifsdflag final : public gifdecidingflags {
public:
    gifsdflag(fieldhost& view, cont* parent);
    void OnFlag(int32_t group, uint32_t value) override;

    bool MapPresent() const { return mappresent_; }
    int32_t ColourCount() const { return colourcount_; }

private:
    bool mappresent_ = false;
    int32_t colourcount_ = 0;
};

}  // namespace quillmap
