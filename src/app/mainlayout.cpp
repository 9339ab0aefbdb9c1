#include "app/mainlayout.h"

namespace quillmap {

int32_t EffectiveMargin(int32_t available, int32_t setting) {
    if (int64_t{available} - 2 * int64_t{setting} >= 0) return setting;
    return available / 2 - (available < 0 ? 1 : 0);
}

}  // namespace quillmap
