#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace quillmap {

// Rounds to the nearest integer, halves to even, whatever the floating-point environment says.
inline int32_t RoundHalfEven(double value) {
    double whole = std::floor(value);
    const double fraction = value - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0)) whole += 1.0;
    if (!(whole >= std::numeric_limits<int32_t>::min())) return std::numeric_limits<int32_t>::min();
    if (whole > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(whole);
}

}  // namespace quillmap
