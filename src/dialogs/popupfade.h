#pragma once

#include <cstdint>

#include "platform/pixelsurface.h"

namespace quillmap {

// The colour tick steps of FadeSteps from `from` towards `to`, each of the three low bytes on its
// own and rounded half up, so that it serves colours and pixels alike: `from` at tick 0, `to` at
// FadeSteps.
uint32_t FadeColour(uint32_t from, uint32_t to, int32_t tick);

// Every pixel of output becomes FadeColour(background, source pixel, tick); both surfaces have
// the same size.
void FadePixels(const platform::pixelsurface& source, platform::pixelsurface& output, uint32_t background,
                int32_t tick);

}  // namespace quillmap
