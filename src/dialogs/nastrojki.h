#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "base/settings.h"
#include "platform/application.h"
#include "platform/system.h"

namespace quillmap {

// The fine settings grid: a header row, then one row per row of the settings table, under the
// same numbers.
inline constexpr int32_t SettingsGridRows = 54;
inline constexpr int32_t FirstSettingRow = 2;
inline constexpr std::string_view EmptyDescription = "Пусто.";

// The help text of a grid row, with the yes/no or colour-dialog remark its kind carries;
// "Пусто." for the header and the section rows.
std::string SettingDescription(int32_t row);

// What applying the values does besides writing the settings: the main window's and the view's
// part, each left out when not set.
struct settingshooks {
    // Before a new MaxRecentListLen is stored: entries past it go, new ones are empty.
    std::function<void(int32_t length)> resizerecentlist;
    // SaveOnF2 as applied: both "Всё лишнее убрано" items take F12 when it is yes, F2 when no.
    std::function<void(bool saveonf2)> saveonf2;
    // LineWidth or MarginWidth was applied: a structure view recomputes its separator widths.
    std::function<void()> separatorwidths;
    // NavigatorOtstupX or NavigatorOtstupY was applied: a structure view refreshes its navigator.
    std::function<void()> navigator;
    // After the dialog is hidden, when a setting that changes the drawing did change: a structure
    // view rebuilds its displayed fields, the main window runs its resize handling, erases a
    // drawn caret with one blink step, and the view places the caret again.
    std::function<void()> onapply;
    // The dialog went away without applying or after it: the main window goes back to the
    // topmost band when "Поверх других окон" is on.
    std::function<void()> ondeactivate;
    // "Отмена": the keyboard goes back to the main window.
    std::function<void()> focusmain;
};

// The values being edited in the fine settings dialog, apart from the control that shows them:
// the cell texts of column 1, the selected row, and the description of that row. Nothing here
// touches the settings until Apply.
class nastrojki {
public:
    nastrojki(platform::application& app, platform::system& system);
    nastrojki(const nastrojki&) = delete;
    nastrojki& operator=(const nastrojki&) = delete;

    // Every value cell written afresh from the settings; row 2 selected.
    void Load(const settingvalues& values);

    // Column 0: "Параметр." on the header, the key, or the section's title.
    static std::string_view KeyCell(int32_t row);
    const std::string& Cell(int32_t row) const { return cells_.at(static_cast<size_t>(row)); }
    int32_t Selected() const { return selected_; }
    const std::string& Description() const { return description_; }

    // What the in-place editor holds for the selected row, as the user types it.
    void Edit(std::string text);
    // The cell being left is validated, then the row becomes the selected one; the header is
    // never selected.
    void Select(int32_t row);
    // The selected row's text is kept when it converts by the row's kind into an accepted value,
    // and otherwise silently becomes the setting's current value again; a section row gets its
    // bar back. "системный" or "system" in TextFont takes the system's message font.
    void Validate();
    // Toggles a yes/no row, or opens the colour or font picker for a colour or the font row;
    // true when a cell changed.
    bool DoubleClick();
    // Writes every accepted value into the settings; rows that do not convert keep their setting.
    // True when a setting that changes the drawing changed.
    bool Apply(settingvalues& values, const settingshooks& hooks) const;

    // While a picker is open over the dialog.
    bool Picking() const { return picking_; }

private:
    const settingrow& Setting(int32_t row) const;
    void TakeSystemFont();
    bool ToggleYesNo();
    bool PickColour();
    bool PickFont();
    void Describe();

    platform::application& app_;
    platform::system& system_;
    // The settings as they were when the cells were loaded: a refused cell reverts to these.
    settingvalues loaded_;
    std::array<std::string, SettingsGridRows> cells_;
    int32_t selected_ = FirstSettingRow;
    std::string description_{EmptyDescription};
    bool picking_ = false;
};

}  // namespace quillmap
