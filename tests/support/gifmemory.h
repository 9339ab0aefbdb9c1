#pragma once

// giflib reading from bytes in memory, for the tests and benchmarks that use it as an oracle.
#include <gif_lib.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace quillmap::testing {

// What is left to read; giflib gets it through its user data.
struct memsource {
    const uint8_t* at;
    size_t left;
};

inline int ReadMemory(GifFileType* gif, GifByteType* buffer, int n) {
    auto* source = static_cast<memsource*>(gif->UserData);
    const size_t k = std::min(source->left, static_cast<size_t>(std::max(n, 0)));
    std::memcpy(buffer, source->at, k);
    source->at += k;
    source->left -= k;
    return static_cast<int>(k);
}

}  // namespace quillmap::testing
