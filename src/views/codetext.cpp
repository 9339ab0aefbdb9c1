#include "views/codetext.h"

#include <algorithm>

#include "views/digits.h"

namespace quillmap {

namespace {

bool IsSeparator(char character) {
    return character == '\t' || character == '\n' || character == '\r' || character == ' ';
}

}  // namespace

std::string CodesAsText(std::span<const uint8_t> bytes, int32_t columns) {
    std::string text;
    for (size_t i = 0; i < bytes.size(); ++i) {
        text += CodeText(bytes[i]);
        text += (i + 1) % static_cast<size_t>(std::max(columns, 1)) == 0 ? '\r' : ' ';
    }
    return text;
}

std::string CodesToBytes(std::string_view text, int32_t base) {
    const auto width = static_cast<size_t>(DigitCount(255, base));
    std::string bytes;
    size_t i = 0;
    while (true) {
        while (i < text.size() && IsSeparator(text[i])) ++i;
        if (i == text.size()) return bytes;
        size_t end = i;
        while (end < text.size() && end - i < width && !IsSeparator(text[end])) ++end;
        const int64_t value = ReadDigits(text.substr(i, end - i), base);
        if (value < 0 || value > 255) return {};
        bytes += static_cast<char>(value);
        i = end;
    }
}

}  // namespace quillmap
