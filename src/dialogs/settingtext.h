#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "base/settings.h"

namespace quillmap {

// A colour the fine settings know by name.
struct colrec {
    uint32_t value;  // 0x00BBGGRR
    std::string_view russian;
    std::string_view english;
};

std::span<const colrec> ColorNames();
// The first word of each list is the one a cell shows.
std::span<const std::string_view> YesWords();
std::span<const std::string_view> NoWords();

// Letter case is ignored, Cyrillic included.
bool SameTextIgnoringCase(std::string_view a, std::string_view b);
bool InWordList(std::string_view text, std::span<const std::string_view> words);

// The platform's integer reading: decimal with an optional sign, or hexadecimal after "$" or
// "0x"; hexadecimal may fill all 32 bits, which then read as a negative number.
std::optional<int32_t> ReadInteger(std::string_view text);
// A real number as the user's locale writes it, with its decimal separator and an optional
// exponent; spaces around it are allowed.
std::optional<double> ReadReal(std::string_view text, char decimalseparator);

// The Russian name, or "$" and at least six upper-case hexadecimal digits.
std::string ColorToText(uint32_t colour);
// A number is the colour itself; otherwise either name of a named colour, in table order.
std::optional<uint32_t> TextToColor(std::string_view text);
// A number that is not zero is yes, zero is no; otherwise a word of YesWords or NoWords.
std::optional<bool> TextToBool(std::string_view text, char decimalseparator);

// A real number in the general format: up to 15 significant digits, the locale's separator.
std::string FormatReal(double value, char decimalseparator);

// What a setting's value cell shows; a section row shows its bar.
inline constexpr std::string_view SectionBar = "===============";
std::string SettingCellText(const settingvalues& values, const settingrow& row, char decimalseparator);

// The value a cell's text gives its setting, when the text converts by the setting's kind and
// the value is one the setting accepts: the number for the numeric kinds (yes/no and style bits
// as 0 or 1). A text setting takes any text, and reads here as 0.
std::optional<double> SettingCellValue(const settingrow& row, std::string_view text, char decimalseparator);
bool SettingCellAccepts(const settingrow& row, std::string_view text, char decimalseparator);

}  // namespace quillmap
