#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "dialogs/nastrojki.h"
#include "platform/application.h"
#include "platform/system.h"

namespace quillmap {

inline constexpr std::string_view FineSettingsTitle = "Тонкая настройка";
inline constexpr platform::extent FineSettingsClient{651, 394};

// Where the parts of the fine settings dialog go, in client coordinates.
namespace finesettingslayout {
inline constexpr platform::point Attention{8, 8};
inline constexpr platform::point Warning{136, 8};
inline constexpr platform::rect Grid{8, 72, 8 + 289, 72 + 276};
inline constexpr int32_t GridRowHeight = 20;
inline constexpr int32_t KeyColumnWidth = 160;
// Inside the grid's one-pixel frame: the header row, then the rows scrolled into view, each row
// and each column followed by a one-pixel line.
inline constexpr int32_t GridLine = 1;
inline constexpr int32_t VisibleRows = (Grid.bottom - Grid.top - 2 * GridLine) / GridRowHeight;
inline constexpr int32_t VisibleSettingRows = VisibleRows - 1;
inline constexpr int32_t ValueColumnLeft = Grid.left + GridLine + KeyColumnWidth + GridLine;
// The grid's vertical scroll bar along its right edge, inside the frame; the cells end at it.
inline constexpr int32_t ScrollBarWidth = 17;
inline constexpr int32_t CellsRight = Grid.right - GridLine - ScrollBarWidth;
inline constexpr platform::rect ScrollBar{CellsRight, Grid.top + GridLine, Grid.right - GridLine, Grid.bottom - GridLine};
inline constexpr platform::rect Description{312, 72, 312 + 329, 72 + 273};
inline constexpr platform::rect Done{176, 360, 176 + 121, 360 + 25};
inline constexpr platform::rect Cancel{360, 360, 360 + 113, 360 + 25};
}  // namespace finesettingslayout

inline constexpr std::string_view AttentionText = "ВНИМАНИЕ!";
inline constexpr std::string_view WarningText =
    "Ответственность за все последствия, вызванные изменениями ниже-\n\r"
    "указанных параметров ложится на Вас. При некоторых значениях пара-\n\r"
    "метров программа может начать работать нестабильно.";

// The fine settings dialog: every setting as a row of key and value text, with a panel that
// explains the selected one. Modeless; made hidden at start-up and kept to the end. "Готово"
// applies every accepted value; "Отмена", Esc and losing activation drop the edits.
//
// The grid is drawn on the dialog itself; an edit box over the selected value cell is its
// in-place editor. Clicks, the wheel and the editor's keys reach the grid's events: SelectCell,
// EditCell, GridEnter and DoubleClickCell.
class TForm7 final : private platform::dialogevents {
public:
    static constexpr size_t DoneButton = 0;
    static constexpr size_t CancelButton = 1;
    // The in-place editor, the dialog's only edit box.
    static constexpr size_t CellEditor = 0;

    TForm7(platform::application& app, platform::system& system);
    TForm7(const TForm7&) = delete;
    TForm7& operator=(const TForm7&) = delete;

    // What the main window does when values are applied or the dialog goes; set once by it.
    settingshooks hooks;

    // "Тонкая настройка...": every cell from the settings, row 2 selected, at the mouse.
    void Show();
    bool Visible() const { return form_->Visible(); }

    // The grid's events.
    void SelectCell(int32_t row);
    void EditCell(std::string text) { grid_.Edit(std::move(text)); }
    // Enter in the grid.
    void GridEnter();
    void DoubleClickCell();

    void Button1Click();
    void Button2Click();

    const nastrojki& Grid() const { return grid_; }
    // The first setting row in view under the header.
    int32_t TopRow() const { return toprow_; }
    // Where a row's value cell is on the dialog's client area; empty while it is scrolled out
    // of view.
    std::optional<platform::rect> ValueCell(int32_t row) const;
    // The grid row shown at a point of the client area, the header included.
    std::optional<int32_t> RowAt(platform::point at) const;
    platform::dialogform& Form() { return *form_; }

private:
    void OnShow(platform::canvas& measuring) override;
    void OnPaint(platform::canvas& surface) override;
    void OnButtonClick(size_t index) override;
    void OnKeyPress(char key) override;
    void OnClose() override { FormDeactivate(); }
    void OnScroll(platform::scrollaxis axis, int32_t position) override;
    void OnActivate(bool active) override;
    bool OnEditKey(size_t index, char key) override;
    void OnEditChange(size_t index) override;
    bool OnEditKeyDown(size_t index, platform::keycode key) override;
    void OnMouseDown(platform::point at) override;
    void OnDoubleClick(platform::point at) override;
    void OnMouseWheel(platform::point at, int32_t delta) override;
    // The selection moved by rows, kept to the grid.
    void MoveSelection(int32_t rows);
    // The selected row scrolled into view, the editor over its value cell holding its text, all
    // of it selected.
    void PlaceEditor();
    void DrawGrid(platform::canvas& surface);
    // Hides the dialog without applying anything.
    void FormDeactivate();
    void DrawDescription(platform::canvas& surface);

    platform::system& system_;
    nastrojki grid_;
    platform::fontspec descriptionfont_;
    std::unique_ptr<platform::dialogform> form_;
    // Between Show and the hiding: hiding makes the window lose activation, which must not
    // cancel a second time.
    bool shown_ = false;
    int32_t toprow_ = 1;
    std::unique_ptr<platform::scrollbar> scrollbar_;
    // While the editor's text is being set from the grid: that is no typing.
    bool placing_ = false;
    // Wheel turns short of a notch, kept for the next.
    int32_t wheelrest_ = 0;
};

}  // namespace quillmap
