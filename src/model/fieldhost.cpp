#include "model/fieldhost.h"

#include <algorithm>
#include <cstring>

namespace quillmap {

void fieldhost::ReadBytes(int32_t position, int32_t n, uint8_t* destination) const {
    if (n <= 0) return;
    std::memset(destination, 0, static_cast<size_t>(n));
    const std::span<const uint8_t> bytes = Contents();
    const int64_t from = std::max<int64_t>(position, 0);
    const int64_t to = std::min<int64_t>(int64_t(position) + n, int64_t(bytes.size()));
    if (from < to) std::memcpy(destination + (from - position), bytes.data() + from, static_cast<size_t>(to - from));
}

}  // namespace quillmap
