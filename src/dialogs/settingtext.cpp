#include "dialogs/settingtext.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace quillmap {

namespace {

constexpr std::array<colrec, 15> Colours = {{
    {0xFFFFFF, "Белый", "White"},
    {0x000000, "Чёрный", "Black"},
    {0x808080, "Серый", "Gray"},
    {0xC0C0C0, "Светло-серый", "Light gray"},
    {0x0000FF, "Красный", "Red"},
    {0x800080, "Фиолетовый", "Purple"},
    {0xFF00FF, "Светло-фиолетовый", "Light purple"},
    {0x000080, "Коричневый", "Maroon"},
    {0x008000, "Зелёный", "Green"},
    {0x00FF00, "Светло-зелёный", "Light green"},
    {0x00FFFF, "Жёлтый", "Yellow"},
    {0xF0FBFF, "Кремовый", "Cream"},
    {0xFF0000, "Синий", "Blue"},
    {0x800000, "Тёмно-синий", "Drak blue"},
    {0xFFFF00, "Светло-синий", "Light blue"},
}};

constexpr std::array<std::string_view, 4> Yes = {"Да", "Правда", "True", "Так"};
constexpr std::array<std::string_view, 5> No = {"Нет", "Ложь", "False", "Неправда", "Не"};

// The small letter of a Windows-1251 capital; other bytes stay.
unsigned char Lower(unsigned char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDF)) return static_cast<unsigned char>(c + 0x20);
    switch (c) {
    case 0x80: return 0x90;  // Ђ
    case 0x81: return 0x83;  // Ѓ
    case 0x8A: case 0x8C: case 0x8D: case 0x8E: case 0x8F: return static_cast<unsigned char>(c + 0x10);
    case 0xA1: return 0xA2;  // Ў
    case 0xA3: return 0xBC;  // Ј
    case 0xA5: return 0xB4;  // Ґ
    case 0xA8: return 0xB8;  // Ё
    case 0xAA: return 0xBA;  // Є
    case 0xAF: return 0xBF;  // Ї
    case 0xB2: return 0xB3;  // І
    case 0xBD: return 0xBE;  // Ѕ
    default: return c;
    }
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view TrimSpaces(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

}  // namespace

std::span<const colrec> ColorNames() { return Colours; }
std::span<const std::string_view> YesWords() { return Yes; }
std::span<const std::string_view> NoWords() { return No; }

bool SameTextIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (Lower(static_cast<unsigned char>(a[i])) != Lower(static_cast<unsigned char>(b[i]))) return false;
    return true;
}

bool InWordList(std::string_view text, std::span<const std::string_view> words) {
    for (std::string_view word : words)
        if (SameTextIgnoringCase(text, word)) return true;
    return false;
}

std::optional<int32_t> ReadInteger(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    bool hex = false;
    if (!text.empty() && text.front() == '$') {
        hex = true;
        text.remove_prefix(1);
    } else if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        hex = true;
        text.remove_prefix(2);
    }
    if (text.empty()) return std::nullopt;
    uint64_t value = 0;
    for (char c : text) {
        const int digit = hex ? HexDigit(c) : (IsDigit(c) ? c - '0' : -1);
        if (digit < 0) return std::nullopt;
        value = value * (hex ? 16 : 10) + static_cast<uint64_t>(digit);
        if (value > 0xFFFFFFFFull) return std::nullopt;
    }
    if (hex) {
        const auto bits = static_cast<int32_t>(static_cast<uint32_t>(value));
        return negative ? static_cast<int32_t>(0u - static_cast<uint32_t>(bits)) : bits;
    }
    if (negative) {
        if (value > 2147483648ull) return std::nullopt;
        return static_cast<int32_t>(-static_cast<int64_t>(value));
    }
    if (value > 2147483647ull) return std::nullopt;
    return static_cast<int32_t>(value);
}

std::optional<double> ReadReal(std::string_view text, char decimalseparator) {
    text = TrimSpaces(text);
    std::string plain;
    size_t i = 0;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        if (text[i] == '-') plain += '-';
        ++i;
    }
    size_t digits = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i, ++digits) plain += text[i];
    if (i < text.size() && text[i] == decimalseparator) {
        plain += '.';
        for (++i; i < text.size() && IsDigit(text[i]); ++i, ++digits) plain += text[i];
    }
    if (digits == 0) return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        plain += 'e';
        ++i;
        if (i < text.size() && (text[i] == '-' || text[i] == '+')) plain += text[i++];
        size_t exponentdigits = 0;
        for (; i < text.size() && IsDigit(text[i]); ++i, ++exponentdigits) plain += text[i];
        if (exponentdigits == 0) return std::nullopt;
    }
    if (i != text.size()) return std::nullopt;
    // The C library's reading would follow the process locale; this one does not.
    double value = 0;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (end != plain.data() + plain.size()) return std::nullopt;
    if (error == std::errc::result_out_of_range) return plain.find("e-") != std::string::npos ? 0.0 : HUGE_VAL;
    if (error != std::errc()) return std::nullopt;
    return value;
}

std::string ColorToText(uint32_t colour) {
    for (const colrec& named : Colours)
        if (named.value == colour) return std::string(named.russian);
    char text[16];
    std::snprintf(text, sizeof text, "$%06X", static_cast<unsigned>(colour));
    return text;
}

std::optional<uint32_t> TextToColor(std::string_view text) {
    if (const auto number = ReadInteger(text)) return static_cast<uint32_t>(*number);
    for (const colrec& named : Colours)
        if (SameTextIgnoringCase(text, named.russian) || SameTextIgnoringCase(text, named.english))
            return named.value;
    return std::nullopt;
}

std::optional<bool> TextToBool(std::string_view text, char decimalseparator) {
    if (const auto number = ReadReal(text, decimalseparator)) return *number != 0;
    if (InWordList(text, Yes)) return true;
    if (InWordList(text, No)) return false;
    return std::nullopt;
}

std::string FormatReal(double value, char decimalseparator) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    if (value == 0) return "0";
    // Fifteen significant digits as d.dddddddddddddde±x, then written out as the general
    // format does: plainly for exponents from -5 to 14, with an exponent otherwise.
    char scientific[40];
    std::snprintf(scientific, sizeof scientific, "%.14e", std::fabs(value));
    const std::string_view all(scientific);
    const size_t e = all.find('e');
    std::string digits;
    for (char c : all.substr(0, e))
        if (IsDigit(c)) digits += c;
    const int exponent = std::atoi(scientific + e + 1);
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

    std::string text = value < 0 ? "-" : "";
    if (exponent < -5 || exponent >= 15) {
        text += digits[0];
        if (digits.size() > 1) text += decimalseparator + digits.substr(1);
        text += 'E' + std::to_string(exponent);
    } else if (exponent < 0) {
        text += '0';
        text += decimalseparator;
        text += std::string(static_cast<size_t>(-exponent - 1), '0') + digits;
    } else {
        const auto whole = static_cast<size_t>(exponent) + 1;
        if (digits.size() <= whole) {
            text += digits + std::string(whole - digits.size(), '0');
        } else {
            text += digits.substr(0, whole);
            text += decimalseparator;
            text += digits.substr(whole);
        }
    }
    return text;
}

std::string SettingCellText(const settingvalues& values, const settingrow& row, char decimalseparator) {
    switch (row.kind) {
    case settingkind::section: return std::string(SectionBar);
    case settingkind::integer:
    case settingkind::smallinteger: return std::to_string(static_cast<int64_t>(NumberOf(values, row)));
    case settingkind::real: return FormatReal(NumberOf(values, row), decimalseparator);
    case settingkind::yesno:
    case settingkind::stylebit: return std::string(NumberOf(values, row) != 0 ? Yes[0] : No[0]);
    case settingkind::colour: return ColorToText(static_cast<uint32_t>(NumberOf(values, row)));
    case settingkind::text: return TextOf(values, row);
    }
    return {};
}

std::optional<double> SettingCellValue(const settingrow& row, std::string_view text, char decimalseparator) {
    std::optional<double> number;
    switch (row.kind) {
    case settingkind::section: return std::nullopt;
    case settingkind::text: return 0.0;
    case settingkind::integer:
    case settingkind::smallinteger:
        if (const auto whole = ReadInteger(text)) number = *whole;
        break;
    case settingkind::real: number = ReadReal(text, decimalseparator); break;
    case settingkind::yesno:
    case settingkind::stylebit:
        if (const auto yes = TextToBool(text, decimalseparator)) number = *yes ? 1.0 : 0.0;
        break;
    case settingkind::colour:
        if (const auto colour = TextToColor(text)) number = *colour;
        break;
    }
    if (!number || !Accepts(row, *number)) return std::nullopt;
    return number;
}

bool SettingCellAccepts(const settingrow& row, std::string_view text, char decimalseparator) {
    return SettingCellValue(row, text, decimalseparator).has_value();
}

}  // namespace quillmap
