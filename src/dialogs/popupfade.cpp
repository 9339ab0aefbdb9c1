#include "dialogs/popupfade.h"

#include <array>

#include "dialogs/popupstyle.h"

namespace quillmap {

namespace {

uint32_t FadeChannel(uint32_t from, uint32_t to, int32_t tick) {
    const auto t = static_cast<uint32_t>(tick);
    return ((FadeSteps - t) * from + t * to + FadeSteps / 2) / FadeSteps;
}

}  // namespace

uint32_t FadeColour(uint32_t from, uint32_t to, int32_t tick) {
    uint32_t faded = 0;
    for (int shift = 0; shift < 24; shift += 8)
        faded |= FadeChannel((from >> shift) & 0xFF, (to >> shift) & 0xFF, tick) << shift;
    return faded;
}

void FadePixels(const platform::pixelsurface& source, platform::pixelsurface& output, uint32_t background,
                int32_t tick) {
    // One table per channel: a lookup a pixel instead of three multiplications and divisions.
    std::array<std::array<uint32_t, 256>, 3> tables{};
    for (int channel = 0; channel < 3; ++channel) {
        const int shift = 8 * channel;
        for (uint32_t value = 0; value < 256; ++value)
            tables[channel][value] = FadeChannel((background >> shift) & 0xFF, value, tick) << shift;
    }
    const platform::extent size = source.Size();
    const uint64_t count = uint64_t(size.width) * uint64_t(size.height);
    const uint32_t* from = source.Pixels();
    uint32_t* to = output.Pixels();
    for (uint64_t i = 0; i < count; ++i) {
        const uint32_t pixel = from[i];
        to[i] = tables[0][pixel & 0xFF] | tables[1][(pixel >> 8) & 0xFF] | tables[2][(pixel >> 16) & 0xFF];
    }
}

}  // namespace quillmap
