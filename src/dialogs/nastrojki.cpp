#include "dialogs/nastrojki.h"

#include <array>
#include <cmath>

#include "dialogs/settingtext.h"

namespace quillmap {

namespace {

// The rows a double click toggles, and those it opens the colour picker for.
constexpr std::array<int32_t, 11> ToggledRows = {6, 7, 8, 9, 10, 11, 17, 29, 30, 31, 32};
constexpr std::array<int32_t, 7> PickedColourRows = {26, 38, 39, 42, 47, 49, 51};

constexpr int32_t TextColorRow = 26;
constexpr int32_t TextFontRow = 27;
constexpr int32_t TextSizeRow = 28;
constexpr int32_t ItalicRow = 29;
constexpr int32_t BoldRow = 30;
constexpr int32_t UnderlinedRow = 31;
constexpr int32_t StrikeoutRow = 32;

// Differences of reals this small are no change.
constexpr double RealTolerance = 0.0001;

template <size_t N>
bool OneOf(const std::array<int32_t, N>& rows, int32_t row) {
    for (int32_t r : rows)
        if (r == row) return true;
    return false;
}

std::string YesNoWord(bool yes) { return std::string(yes ? YesWords()[0] : NoWords()[0]); }

}  // namespace

nastrojki::nastrojki(platform::application& app, platform::system& system)
    : app_(app), system_(system), loaded_(DefaultSettings()) {
    Load(loaded_);
}

std::string_view nastrojki::KeyCell(int32_t row) {
    if (row == 0) return "Параметр.";
    return SettingRows()[static_cast<size_t>(row - 1)].key;
}

const settingrow& nastrojki::Setting(int32_t row) const { return SettingRows()[static_cast<size_t>(row - 1)]; }

void nastrojki::Load(const settingvalues& values) {
    loaded_ = values;
    cells_[0] = "Значение.";
    const char separator = system_.DecimalSeparator();
    for (int32_t row = 1; row < SettingsGridRows; ++row)
        cells_[static_cast<size_t>(row)] = SettingCellText(values, Setting(row), separator);
    selected_ = FirstSettingRow;
    Describe();
}

void nastrojki::Edit(std::string text) { cells_[static_cast<size_t>(selected_)] = std::move(text); }

void nastrojki::Select(int32_t row) {
    Validate();
    if (row >= 1 && row < SettingsGridRows) selected_ = row;
    Describe();
}

void nastrojki::Describe() { description_ = SettingDescription(selected_); }

void nastrojki::Validate() {
    const settingrow& setting = Setting(selected_);
    std::string& cell = cells_[static_cast<size_t>(selected_)];
    if (setting.kind == settingkind::section) {
        cell = SectionBar;
        return;
    }
    if (selected_ == TextFontRow && (SameTextIgnoringCase(cell, "системный") || SameTextIgnoringCase(cell, "system"))) {
        TakeSystemFont();
        return;
    }
    const char separator = system_.DecimalSeparator();
    if (!SettingCellAccepts(setting, cell, separator)) cell = SettingCellText(loaded_, setting, separator);
}

void nastrojki::TakeSystemFont() {
    const platform::fontspec font = system_.MessageBoxFont();
    cells_[TextFontRow] = font.face.substr(0, 32);
    cells_[TextSizeRow] = std::to_string(font.height);
    cells_[ItalicRow] = YesNoWord(font.style & platform::fsItalic);
    cells_[BoldRow] = YesNoWord(font.style & platform::fsBold);
    cells_[UnderlinedRow] = YesNoWord(font.style & platform::fsUnderline);
    cells_[StrikeoutRow] = YesNoWord(font.style & platform::fsStrikeout);
}

bool nastrojki::DoubleClick() {
    if (OneOf(ToggledRows, selected_)) return ToggleYesNo();
    if (OneOf(PickedColourRows, selected_)) return PickColour();
    if (selected_ == TextFontRow) return PickFont();
    return false;
}

bool nastrojki::ToggleYesNo() {
    std::string& cell = cells_[static_cast<size_t>(selected_)];
    const auto yes = TextToBool(cell, system_.DecimalSeparator());
    if (!yes) return false;
    cell = YesNoWord(!*yes);
    return true;
}

bool nastrojki::PickColour() {
    std::string& cell = cells_[static_cast<size_t>(selected_)];
    const auto colour = TextToColor(cell);
    if (!colour) return false;
    platform::colour chosen = *colour;
    picking_ = true;
    // The colour it starts with is also the first one offered, to come back to.
    const bool confirmed = app_.ChooseColour(chosen, std::array{chosen});
    picking_ = false;
    if (!confirmed) return false;
    cell = ColorToText(chosen);
    return true;
}

bool nastrojki::PickFont() {
    const char separator = system_.DecimalSeparator();
    platform::fontspec font;
    font.face = cells_[TextFontRow];
    const auto size = ReadInteger(cells_[TextSizeRow]);
    font.height = size && *size >= -299 && *size <= 299 ? *size : loaded_.TextSize;
    font.textcolour = TextToColor(cells_[TextColorRow]).value_or(loaded_.TextColor);
    const auto styled = [&](int32_t row, textstylebit bit, platform::fontstylebit flag) {
        const bool on = TextToBool(cells_[static_cast<size_t>(row)], separator).value_or(loaded_.StyleBit(bit));
        return on ? flag : 0;
    };
    font.style = static_cast<uint8_t>(styled(ItalicRow, tsItalic, platform::fsItalic) |
                                      styled(BoldRow, tsBold, platform::fsBold) |
                                      styled(UnderlinedRow, tsUnderlined, platform::fsUnderline) |
                                      styled(StrikeoutRow, tsStrikeout, platform::fsStrikeout));
    picking_ = true;
    const bool confirmed = app_.ChooseFont(font);
    picking_ = false;
    if (!confirmed) return false;
    cells_[TextColorRow] = ColorToText(font.textcolour);
    cells_[TextFontRow] = font.face;
    cells_[TextSizeRow] = std::to_string(font.height);
    cells_[ItalicRow] = YesNoWord(font.style & platform::fsItalic);
    cells_[BoldRow] = YesNoWord(font.style & platform::fsBold);
    cells_[UnderlinedRow] = YesNoWord(font.style & platform::fsUnderline);
    cells_[StrikeoutRow] = YesNoWord(font.style & platform::fsStrikeout);
    return true;
}

bool nastrojki::Apply(settingvalues& values, const settingshooks& hooks) const {
    bool changed = false;
    const char separator = system_.DecimalSeparator();
    for (int32_t row = FirstSettingRow; row < SettingsGridRows; ++row) {
        const settingrow& setting = Setting(row);
        const std::string& cell = cells_[static_cast<size_t>(row)];
        if (setting.kind == settingkind::section) continue;
        if (setting.kind == settingkind::text) {
            SetText(values, setting, cell);
            continue;
        }
        const auto value = SettingCellValue(setting, cell, separator);
        if (!value) continue;
        const std::string_view key = setting.key;
        if (key == "MaxRecentListLen" && hooks.resizerecentlist) hooks.resizerecentlist(static_cast<int32_t>(*value));
        if (key == "SaveOnF2" && hooks.saveonf2) hooks.saveonf2(*value != 0);
        bool store = true;
        if (setting.redraws) {
            const double old = NumberOf(values, setting);
            const bool differs =
                setting.kind == settingkind::real ? std::fabs(*value - old) > RealTolerance : *value != old;
            if (differs) changed = true;
            // A field distance that hardly moved keeps its old value exactly.
            if (!differs && key == "FieldDist") store = false;
        }
        if (store) SetNumber(values, setting, *value);
        if ((key == "LineWidth" || key == "MarginWidth") && hooks.separatorwidths) hooks.separatorwidths();
        if ((key == "NavigatorOtstupX" || key == "NavigatorOtstupY") && hooks.navigator) hooks.navigator();
    }
    return changed;
}

}  // namespace quillmap
