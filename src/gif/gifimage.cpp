#include "gif/gifimage.h"

#include <array>
#include <string>

#include "gif/gifblock.h"
#include "gif/gifcolourmap.h"
#include "gif/giftexts.h"
#include "gif/giftitles.h"
#include "model/danye.h"

namespace quillmap {

namespace {

constexpr std::array<int32_t, 5> Widths89a = {1, 1, 1, 2, 3};
constexpr std::array<int32_t, 4> Widths87a = {1, 1, 3, 3};
enum imagegroup { igM, igI, igS, igReserved, igPixel };

// The groups of an "87a" image flags byte lack S.
imagegroup Meaning(int32_t group, bool version89a) {
    if (version89a || group < igS) return static_cast<imagegroup>(group);
    return static_cast<imagegroup>(group + 1);
}

// Index of the first child after the flags byte: separator, four numbers, flags.
constexpr int32_t AfterFlags = 6;

}  // namespace

gifidflag::gifidflag(fieldhost& view, cont* parent, bool version89a)
    : gifdecidingflags(view, parent,
                       version89a ? std::span<const int32_t>(Widths89a) : std::span<const int32_t>(Widths87a)),
      version89a_(version89a) {}

void gifidflag::OnFlag(int32_t group, uint32_t value) {
    std::string text;
    switch (Meaning(group, version89a_)) {
        case igM:
            mappresent_ = value == 1;
            text = giftext::ImageFlagM;
            if (mappresent_) text += giftext::ImageFlagMSet;
            break;
        case igI:
            interlaced_ = value == 1;
            text = giftext::ImageFlagI;
            break;
        case igS:
            text = giftext::ImageFlagS;
            text += !mappresent_ ? giftext::ImageFlagSNoMap
                    : value == 1 ? giftext::SortedRemark
                                 : giftext::UnsortedRemark;
            break;
        case igReserved:
            text = giftext::ReservedBits;
            if (value != 0) text += giftext::ReservedBitsSet;
            text += version89a_ ? giftext::ImageReserved89a : giftext::ImageReserved87a;
            break;
        case igPixel: {
            text = giftext::ImageFlagPixel;
            if (mappresent_)
                text = text + giftext::ImageFlagPixelMap + giftext::PixelBits;
            else
                text += giftext::ImageFlagPixelNoMap;
            // The local map, if any, then the code size and the first sub-block follow the flags.
            auto& block = static_cast<gifimdesc&>(*Parent());
            block.TruncateChildren(AfterFlags);
            colourcount_ = mappresent_ ? 2 << value : 0;
            if (mappresent_) block.Append<gifgcmcikl>(colourcount_);
            block.SetCodeSizeIndex(block.ChildCount());
            auto& codesize = block.Append<danye>(1);
            codesize.SetTitle(giftitle::CodeSize);
            codesize.SetDescription(giftext::CodeSize);
            codesize.SetStyle(fieldstyle::Number);
            block.AppendSubBlockSize();
            break;
        }
    }
    SetGroupText(group, std::move(text));
}

}  // namespace quillmap
