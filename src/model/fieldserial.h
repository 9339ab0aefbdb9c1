#pragma once

#include <cstdint>

namespace quillmap {

// Every field takes the counter's current value when created; the counter then moves on by one.
// The navigator compares serials to tell a replaced field from the one it knew.
uint32_t TakeFieldSerial();
// The first of count serials in a row, for fields a run makes only when asked for.
uint32_t TakeFieldSerials(uint32_t count);

}  // namespace quillmap
