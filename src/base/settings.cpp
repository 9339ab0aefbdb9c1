#include "base/settings.h"

#include <array>
#include <cmath>
#include <limits>

namespace quillmap {

namespace {

using sv = settingvalues;

constexpr double IntMin = std::numeric_limits<int32_t>::min();
constexpr double IntMax = std::numeric_limits<int32_t>::max();
constexpr double Infinity = std::numeric_limits<double>::infinity();

constexpr settingrow Section(int32_t row, std::string_view title) {
    return {row, title, settingkind::section, false, {}, 0, {}, 0, 0, tsBold};
}

constexpr settingrow Integer(int32_t row, std::string_view key, bool redraws, int32_t sv::*member,
                             double defaultvalue, double minimum, double maximum) {
    return {row, key, settingkind::integer, redraws, member, defaultvalue, {}, minimum, maximum, tsBold};
}

constexpr settingrow Small(int32_t row, std::string_view key, uint8_t sv::*member, double defaultvalue,
                           double minimum, double maximum) {
    return {row, key, settingkind::smallinteger, true, member, defaultvalue, {}, minimum, maximum, tsBold};
}

constexpr settingrow Real(int32_t row, std::string_view key, bool redraws, double sv::*member,
                          double defaultvalue, double minimum) {
    return {row, key, settingkind::real, redraws, member, defaultvalue, {}, minimum, Infinity, tsBold};
}

constexpr settingrow YesNo(int32_t row, std::string_view key, bool redraws, bool sv::*member,
                           bool defaultvalue) {
    return {row, key, settingkind::yesno, redraws, member, defaultvalue ? 1.0 : 0.0, {}, 0, 1, tsBold};
}

constexpr settingrow StyleBit(int32_t row, std::string_view key, textstylebit bit) {
    return {row, key, settingkind::stylebit, false, &sv::TextStyle, 0, {}, 0, 1, bit};
}

constexpr settingrow Colour(int32_t row, std::string_view key, bool redraws, uint32_t sv::*member,
                            uint32_t defaultvalue) {
    return {row, key, settingkind::colour, redraws, member, double(defaultvalue), {}, 0,
            double(std::numeric_limits<uint32_t>::max()), tsBold};
}

constexpr settingrow Text(int32_t row, std::string_view key, std::string sv::*member,
                          std::string_view defaultvalue) {
    return {row, key, settingkind::text, false, member, 0, defaultvalue, 0, 0, tsBold};
}

// The rows in the order and with the numbers of the fine settings dialog.
constexpr std::array Rows = {
    Section(1, "ОБЩИЕ"),
    Integer(2, "MaxUndoLen", false, &sv::MaxUndoLen, 1000000, 1, 2147483646),
    Integer(3, "OtstupX", true, &sv::OtstupX, 2, IntMin, 2147483646),
    Integer(4, "OtstupY", true, &sv::OtstupY, 2, IntMin, 2147483646),
    Integer(5, "MaxRecentListLen", false, &sv::MaxRecentListLen, 5, 1, 99),
    YesNo(6, "RecListinSubMenu", false, &sv::RecListinSubMenu, false),
    YesNo(7, "RememberCurPos", false, &sv::RememberCurPos, true),
    YesNo(8, "ExitOnEsc", false, &sv::ExitOnEsc, false),
    YesNo(9, "SaveOnF2", false, &sv::SaveOnF2, false),
    YesNo(10, "CutOnCtrl+Del", false, &sv::CutOnCtrlDel, false),
    YesNo(11, "TrySaveReadOnly", false, &sv::TrySaveReadOnly, false),
    Section(12, "ПЕЧАТЬ"),
    Real(13, "LeftMargin", false, &sv::LeftMargin, 1.0, -Infinity),
    Real(14, "RightMargin", false, &sv::RightMargin, 1.0, -Infinity),
    Real(15, "TopMargin", false, &sv::TopMargin, 1.0, -Infinity),
    Real(16, "BottomMargin", false, &sv::BottomMargin, 0.0, -Infinity),
    YesNo(17, "NumPages", false, &sv::NumPages, true),
    Section(18, "ДИАЛОГОВЫЕ ОКНА"),
    Integer(19, "HButtonMargin", false, &sv::HButtonMargin, 20, 1, IntMax),
    Integer(20, "VButtonMargin", false, &sv::VButtonMargin, 5, 1, IntMax),
    Integer(21, "MaxButtonsinRow", false, &sv::MaxButtonsinRow, 4, 1, 99),
    Integer(22, "HSpaceBetween", false, &sv::HSpaceBetween, 30, 1, IntMax),
    Integer(23, "MarginforButton", false, &sv::MarginforButton, 40, 1, IntMax),
    Integer(24, "VSpaceBetween", false, &sv::VSpaceBetween, 10, 1, IntMax),
    Integer(25, "MarginforText", false, &sv::MarginforText, 10, 1, IntMax),
    Colour(26, "TextColor", false, &sv::TextColor, 0x000000),
    Text(27, "TextFont", &sv::TextFont, "MS sans Serif"),
    Integer(28, "TextSize", false, &sv::TextSize, 10, -299, 299),
    StyleBit(29, "Italic", tsItalic),
    StyleBit(30, "Bold", tsBold),
    StyleBit(31, "Underlined", tsUnderlined),
    StyleBit(32, "Strikeout", tsStrikeout),
    Section(33, "ОБЛАСТЬ ПРОСМОТРА"),
    Integer(34, "Shag", false, &sv::NextShag, 10000, 1, 2147483646),
    Integer(35, "HScrollStep", false, &sv::HScrollStep, 4, 1, 2147483646),
    Integer(36, "VScrollStep", false, &sv::VScrollStep, 1, 1, 2147483646),
    Real(37, "Distance", true, &sv::Distance, 0.0, -0.5),
    Colour(38, "ChosenTextClr", true, &sv::ChosenTextClr, 0xF0FBFF),
    Colour(39, "ChosenFonClr", true, &sv::ChosenFonClr, 0x008000),
    Section(40, "GIF-РЕДАКТОР"),
    Real(41, "FieldDist", true, &sv::FieldDist, 0.3, -Infinity),
    Colour(42, "FieldLineClr", true, &sv::FieldLineClr, 0xFFAAAA),
    Real(43, "HDistance", true, &sv::HDistance, 0.6, -Infinity),
    Small(44, "TextBaseSyst", &sv::TextBaseSyst, 16, 2, 36),
    Small(45, "CoordBaseSyst", &sv::CoordBaseSyst, 16, 2, 36),
    YesNo(46, "FirstZeroes", true, &sv::FirstZeroes, true),
    Colour(47, "LineColor", true, &sv::LineColor, 0x000000),
    Real(48, "LineWidth", true, &sv::LineWidth, 0.3, -Infinity),
    Colour(49, "MarginColor", true, &sv::MarginColor, 0xC0C0C0),
    Real(50, "MarginWidth", true, &sv::MarginWidth, 0.3, -Infinity),
    Colour(51, "CoordColor", true, &sv::CoordColor, 0x800000),
    Integer(52, "NavigatorOtstupX", true, &sv::NavigatorOtstupX, 5, IntMin, IntMax),
    Integer(53, "NavigatorOtstupY", true, &sv::NavigatorOtstupY, 3, IntMin, IntMax),
};

bool IsWholeKind(settingkind kind) {
    return kind == settingkind::integer || kind == settingkind::smallinteger ||
           kind == settingkind::yesno || kind == settingkind::stylebit || kind == settingkind::colour;
}

}  // namespace

std::span<const settingrow> SettingRows() { return Rows; }

const settingrow* FindSetting(std::string_view key) {
    for (const settingrow& row : Rows)
        if (row.kind != settingkind::section && row.key == key) return &row;
    return nullptr;
}

double NumberOf(const settingvalues& values, const settingrow& row) {
    if (row.kind == settingkind::stylebit) return values.StyleBit(row.stylebit) ? 1 : 0;
    return std::visit(
        [&](auto member) -> double {
            using member_t = decltype(member);
            if constexpr (std::is_same_v<member_t, std::monostate> ||
                          std::is_same_v<member_t, std::string settingvalues::*>) {
                return 0;
            } else {
                return static_cast<double>(values.*member);
            }
        },
        row.storage);
}

void SetNumber(settingvalues& values, const settingrow& row, double number) {
    if (row.kind == settingkind::stylebit) {
        const auto mask = static_cast<uint8_t>(1u << row.stylebit);
        values.TextStyle = number != 0 ? (values.TextStyle | mask) : (values.TextStyle & ~mask);
        return;
    }
    std::visit(
        [&](auto member) {
            using member_t = decltype(member);
            if constexpr (std::is_same_v<member_t, bool settingvalues::*>) {
                values.*member = number != 0;
            } else if constexpr (!std::is_same_v<member_t, std::monostate> &&
                                 !std::is_same_v<member_t, std::string settingvalues::*>) {
                using value_t = std::remove_reference_t<decltype(values.*member)>;
                values.*member = static_cast<value_t>(number);
            }
        },
        row.storage);
}

const std::string& TextOf(const settingvalues& values, const settingrow& row) {
    static const std::string none;
    const auto* member = std::get_if<std::string settingvalues::*>(&row.storage);
    return member ? values.**member : none;
}

void SetText(settingvalues& values, const settingrow& row, std::string text) {
    if (const auto* member = std::get_if<std::string settingvalues::*>(&row.storage))
        values.**member = std::move(text);
}

bool Accepts(const settingrow& row, double number) {
    if (row.kind == settingkind::section || row.kind == settingkind::text) return false;
    if (!std::isfinite(number)) return false;
    if (IsWholeKind(row.kind) && number != std::trunc(number)) return false;
    return number >= row.minimum && number <= row.maximum;
}

settingvalues DefaultSettings() {
    settingvalues values{};
    for (const settingrow& row : Rows) {
        if (row.kind == settingkind::text)
            SetText(values, row, std::string(row.defaulttext));
        else if (row.kind != settingkind::section)
            SetNumber(values, row, row.defaultnumber);
    }
    values.Shag = values.NextShag;
    return values;
}

settingvalues& Settings() {
    static settingvalues values = DefaultSettings();
    return values;
}

}  // namespace quillmap
