#include "gif/gifimagedecode.h"

#include "gif/gifblock.h"
#include "gif/gifcolourmap.h"
#include "gif/gifcont.h"
#include "gif/gifextension.h"
#include "gif/gifheader.h"
#include "gif/gifimage.h"
#include "gif/subblockchain.h"

namespace quillmap {

namespace {

constexpr rgb TransparentColour{0xFF, 0xFB, 0xF0};
constexpr rgb MissingColour{0x00, 0xFE, 0xFF};
constexpr int32_t FlagsIndex = 5;
constexpr int32_t TransparentIndex = 5;

// The transparent colour index a graphic control block right before this block asks for, or -1.
int32_t TransparentIndexBefore(const gifimdesc& block) {
    const cont& root = *block.Parent();
    const int32_t index = root.IndexOf(block);
    const auto* previous = index > 0 ? dynamic_cast<const gifimdesc*>(&root.Child(index - 1)) : nullptr;
    if (!previous || previous->Label() != glGraphicControl || previous->ChildCount() <= TransparentIndex) return -1;
    if (!static_cast<const gifgceflag&>(previous->Child(3)).Transparency()) return -1;
    const pole& transparent = previous->Child(TransparentIndex);
    return transparent.ByteAt(transparent.Start());
}

}  // namespace

lzwinput ImageInputOf(const gifimdesc& block) {
    lzwinput input;
    const auto& root = static_cast<const gifcont&>(*block.Parent());
    const auto& flags = static_cast<const gifidflag&>(block.Child(FlagsIndex));
    const bool local = block.ChildCount() > FlagsIndex + 1 && flags.MapPresent();
    const gifsdflag* screen = root.ScreenFlags();
    input.colourcount = local ? flags.ColourCount() : screen ? screen->ColourCount() : 0;
    input.codesizebyte = block.ByteAt(block.Child(block.CodeSizeIndex()).Start());
    input.width = static_cast<int32_t>(block.ReadNumber(block.Child(3).Start(), 2));
    input.height = static_cast<int32_t>(block.ReadNumber(block.Child(4).Start(), 2));
    input.interlaced = flags.Interlaced();

    const cont* map = local ? static_cast<const cont*>(&block.Child(FlagsIndex + 1))
                            : (screen && screen->MapPresent() ? root.GlobalMap() : nullptr);
    const int32_t length = block.DocumentLength();
    for (int32_t k = 0; k < 256; ++k) {
        input.colours[k] = MissingColour;
        if (!map || k >= map->ChildCount()) continue;
        const pole& entry = map->Child(k);
        if (entry.Start() + 3 > length) continue;
        uint8_t bytes[3];
        entry.ReadBytes(entry.Start(), 3, bytes);
        input.colours[k] = {bytes[0], bytes[1], bytes[2]};
    }
    if (const int32_t transparent = TransparentIndexBefore(block); transparent >= 0)
        input.colours[transparent] = TransparentColour;
    return input;
}

lzwresult DecodeImageBlock(gifimdesc& block, platform::system& system) {
    lzwinput input = ImageInputOf(block);
    // Every byte of every data sub-block, in order.
    std::vector<uint8_t> data;
    if (const subblockchain* chain = block.SubBlocks()) {
        size_t total = 0;
        chain->ForEachData([&](int32_t, int32_t length) { total += static_cast<size_t>(length); });
        data.resize(total);
        size_t at = 0;
        chain->ForEachData([&](int32_t start, int32_t length) {
            block.ReadBytes(start, length, data.data() + at);
            at += static_cast<size_t>(length);
        });
    }
    input.data = data;
    lzwresult result = DecodeLzw(input);
    block.SetDecodeStatus(result.status);
    if (result.status == dsBadCodeSize) system.Beep();
    return result;
}

}  // namespace quillmap
