#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace quillmap {

// Bits of TextStyle, the message font's style byte.
enum textstylebit : uint8_t {
    tsBold = 0,
    tsItalic = 1,
    tsUnderlined = 2,
    tsStrikeout = 3,
};

// The application-wide values every part of the program reads.
struct settingvalues {
    // ОБЩИЕ
    int32_t MaxUndoLen;
    int32_t OtstupX;
    int32_t OtstupY;
    int32_t MaxRecentListLen;
    bool RecListinSubMenu;
    bool RememberCurPos;
    bool ExitOnEsc;
    bool SaveOnF2;
    bool CutOnCtrlDel;  // key "CutOnCtrl+Del"
    bool TrySaveReadOnly;
    // ПЕЧАТЬ
    double LeftMargin;
    double RightMargin;
    double TopMargin;
    double BottomMargin;
    bool NumPages;
    // ДИАЛОГОВЫЕ ОКНА
    int32_t HButtonMargin;
    int32_t VButtonMargin;
    int32_t MaxButtonsinRow;
    int32_t HSpaceBetween;
    int32_t MarginforButton;
    int32_t VSpaceBetween;
    int32_t MarginforText;
    uint32_t TextColor;
    std::string TextFont;
    int32_t TextSize;
    uint8_t TextStyle;  // Italic, Bold, Underlined, Strikeout as textstylebit
    // ОБЛАСТЬ ПРОСМОТРА
    int32_t NextShag;  // key "Shag": what the dialog edits and the state file stores
    int32_t HScrollStep;
    int32_t VScrollStep;
    double Distance;
    uint32_t ChosenTextClr;
    uint32_t ChosenFonClr;
    // GIF-РЕДАКТОР
    double FieldDist;
    uint32_t FieldLineClr;
    double HDistance;
    uint8_t TextBaseSyst;
    uint8_t CoordBaseSyst;
    bool FirstZeroes;
    uint32_t LineColor;
    double LineWidth;
    uint32_t MarginColor;
    double MarginWidth;
    uint32_t CoordColor;
    int32_t NavigatorOtstupX;
    int32_t NavigatorOtstupY;

    // The block size the running program started with; changes only at the next start.
    int32_t Shag;

    // Stored values without a key.
    int32_t ColumnCount = 8;
    double PageScrollFraction = 0.8;
    int32_t ReservedValue = 100000;
    int32_t MinRestoredWidth = 50;
    int32_t MinRestoredHeight = 30;
    int32_t NavigatorLeft = 100;
    int32_t NavigatorTop = 100;
    int32_t NavigatorWidth = 200;
    int32_t NavigatorHeight = 400;
    double FieldLineWidth = 0.2;  // millimetres
    std::string LineEndText = "\r";
    bool NoExtrasWarningShown = true;

    bool StyleBit(textstylebit bit) const { return (TextStyle >> bit) & 1; }
    // The stored value becomes both the running and the next-start block size.
    void StartWithShag(int32_t shag) { Shag = NextShag = shag; }
};

enum class settingkind : uint8_t { section, integer, smallinteger, real, yesno, stylebit, colour, text };

using settingstorage = std::variant<std::monostate, int32_t settingvalues::*, uint8_t settingvalues::*,
                                    double settingvalues::*, bool settingvalues::*,
                                    uint32_t settingvalues::*, std::string settingvalues::*>;

// One row of the fine settings table; section rows carry their title in key.
struct settingrow {
    int32_t row;
    std::string_view key;
    settingkind kind;
    bool redraws;  // a change is drawn again in the code view at once
    settingstorage storage;
    double defaultnumber;          // numbers, yes/no (0 or 1), style bits, colours
    std::string_view defaulttext;  // text kind
    double minimum;                // accepted values, inclusive
    double maximum;
    textstylebit stylebit;
};

std::span<const settingrow> SettingRows();
const settingrow* FindSetting(std::string_view key);

// Numeric view of every kind but text and section: yes/no and style bits as 0 or 1.
double NumberOf(const settingvalues& values, const settingrow& row);
void SetNumber(settingvalues& values, const settingrow& row, double number);
const std::string& TextOf(const settingvalues& values, const settingrow& row);
void SetText(settingvalues& values, const settingrow& row, std::string text);

// Whether a number is an accepted value of the row: within its bounds, whole for whole kinds.
bool Accepts(const settingrow& row, double number);

settingvalues DefaultSettings();

// The program's one set of settings.
settingvalues& Settings();

}  // namespace quillmap
