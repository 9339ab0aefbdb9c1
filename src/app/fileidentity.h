#pragma once

#include <cstdint>
#include <string_view>

namespace quillmap {

// The number a main window shows other running copies as its window user data, so that a copy
// asked to open a file already open elsewhere can recognise that window. Computed from the
// path's CP1251 bytes in chunks of eight, each chunk's bytes rotated into 32 bits; copies of the
// program must agree on it bit for bit.
uint32_t FileIdentity(std::string_view path);

}  // namespace quillmap
