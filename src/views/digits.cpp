#include "views/digits.h"

#include <algorithm>

#include "base/settings.h"

namespace quillmap {

namespace {

constexpr char DigitChars[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";

uint32_t ClampBase(int32_t base) { return static_cast<uint32_t>(std::clamp(base, 2, 36)); }

}  // namespace

int32_t DigitCount(uint32_t value, int32_t base) {
    const uint32_t b = ClampBase(base);
    int32_t count = 1;
    while (value >= b) {
        value /= b;
        ++count;
    }
    return count;
}

std::string DigitString(uint32_t value, int32_t base, int32_t width) {
    const uint32_t b = ClampBase(base);
    // 32 binary digits is the longest a uint32_t gets.
    char buffer[32];
    int32_t length = 0;
    do {
        buffer[length++] = DigitChars[value % b];
        value /= b;
    } while (value != 0);
    std::string text(static_cast<size_t>(std::max(width - length, 0)), '0');
    while (length > 0) text += buffer[--length];
    return text;
}

int32_t DigitValue(char character) {
    if (character >= '0' && character <= '9') return character - '0';
    if (character >= 'A' && character <= 'Z') return character - 'A' + 10;
    if (character >= 'a' && character <= 'z') return character - 'a' + 10;
    return -1;
}

int64_t ReadDigits(std::string_view digits, int32_t base) {
    const int64_t b = ClampBase(base);
    int64_t value = 0;
    for (const char character : digits) {
        const int32_t digit = DigitValue(character);
        if (digit < 0 || digit >= b) return -1;
        value = std::min<int64_t>(value * b + digit, int64_t(1) << 32);
    }
    return value;
}

std::string CodeText(uint8_t code) {
    const int32_t base = Settings().TextBaseSyst;
    return DigitString(code, base, Settings().FirstZeroes ? DigitCount(255, base) : 0);
}

}  // namespace quillmap
