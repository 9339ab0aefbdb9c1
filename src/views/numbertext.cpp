#include "views/numbertext.h"

#include <algorithm>
#include <limits>

namespace quillmap {

int32_t MaxNumberLength(int32_t bytes) {
    static constexpr int32_t lengths[] = {3, 5, 8, 10, 13, 15, 17, 20};
    return bytes >= 1 && bytes <= 8 ? lengths[bytes - 1] : 0;
}

int32_t MaxGroupLength(int32_t bits) {
    if (bits >= 1 && bits <= 3) return 1;
    if (bits >= 4 && bits <= 6) return 2;
    if (bits >= 7 && bits <= 8) return 3;
    return 0;
}

std::string NumberText(const pole& field) {
    if (field.Start() >= field.DocumentLength()) return {};
    // Longer fields than eight bytes keep their low eight, as a 64-bit sum would.
    const int32_t count = std::clamp(field.Length(), 0, 8);
    uint8_t bytes[8] = {};
    field.ReadBytes(field.Start(), count, bytes);
    uint64_t value = 0;
    for (int32_t i = count; i-- > 0;) value = (value << 8) | bytes[i];
    return std::to_string(value);
}

std::optional<uint64_t> ReadDecimal(std::string_view text, int32_t bits) {
    if (text.empty()) return std::nullopt;
    uint64_t value = 0;
    constexpr uint64_t most = std::numeric_limits<uint64_t>::max();
    for (const char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        const auto digit = static_cast<uint64_t>(c - '0');
        if (value > (most - digit) / 10) return std::nullopt;
        value = value * 10 + digit;
    }
    if (bits < 0 || (bits < 64 && value >> bits != 0)) return std::nullopt;
    return value;
}

std::string LittleEndian(uint64_t value, int32_t bytes) {
    std::string out(static_cast<size_t>(std::max(bytes, 0)), '\0');
    for (size_t i = 0; i < out.size() && i < 8; ++i) out[i] = static_cast<char>(value >> (8 * i));
    return out;
}

}  // namespace quillmap
