#include "app/printfont.h"

#include "base/rounding.h"

namespace quillmap {

platform::fontspec FontAtResolution(const platform::fontspec& font, int32_t from, int32_t to) {
    if (from <= 0 || to <= 0) return font;
    platform::fontspec scaled = font;
    scaled.height = RoundHalfEven(static_cast<double>(font.height) * to / from);
    return scaled;
}

}  // namespace quillmap
