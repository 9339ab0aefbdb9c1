#include "dialogs/tform7.h"

#include <algorithm>

#include "dialogs/dialogfont.h"
#include "dialogs/dialogplacement.h"
#include "dialogs/showtext.h"

namespace quillmap {

namespace {

constexpr platform::colour Red = platform::Rgb(255, 0, 0);
constexpr platform::colour Navy = platform::Rgb(0, 0, 128);
constexpr std::string_view DescriptionCaption = "Описание";

const platform::fontspec AttentionFont{"Arial", -19, platform::DefaultCharset, platform::fsBold, Red};
constexpr platform::colour GridLineColour = platform::Rgb(192, 192, 192);
// Where a cell's text starts inside it.
constexpr platform::point CellTextOffset{2, 3};
// The page keys move the selection by a screenful less one row, as grids do.
constexpr int32_t PageRows = finesettingslayout::VisibleSettingRows - 1;
constexpr int32_t LastTopRow = SettingsGridRows - finesettingslayout::VisibleSettingRows;

// A cell's text, cut at the cell's edges.
void DrawCell(platform::canvas& surface, const platform::rect& cell, std::string_view text, platform::colour fill,
              platform::colour ink) {
    surface.SetBrush(fill);
    surface.FillRect(cell);
    surface.SetFont({DialogFont.face, DialogFont.height, DialogFont.charset, 0, ink});
    surface.SetClipRect(cell);
    surface.TextOut({cell.left + CellTextOffset.x, cell.top + CellTextOffset.y}, text, fill);
    surface.ClearClip();
}

// The top of the row shown in the given place under the grid's frame, the header being place 0.
int32_t PlaceTop(int32_t place) {
    return finesettingslayout::Grid.top + finesettingslayout::GridLine + place * finesettingslayout::GridRowHeight;
}

}  // namespace

TForm7::TForm7(platform::application& app, platform::system& system)
    : system_(system),
      grid_(app, system),
      // 10 points at the screen's 96 pixels per inch.
      descriptionfont_{"MS Sans serif", -13, platform::DefaultCharset, 0, platform::clBlack},
      form_(app.CreateDialogForm(FineSettingsTitle, *this)) {
    form_->AddButton("Готово");
    form_->AddButton("Отмена");
    form_->SetButtonBounds(DoneButton, finesettingslayout::Done);
    form_->SetButtonBounds(CancelButton, finesettingslayout::Cancel);
    form_->SetClientSize(FineSettingsClient);
    form_->AddEdit();
    form_->SetEditFont(CellEditor, DialogFont);
    scrollbar_ = form_->CreateScrollBar(platform::scrollaxis::vertical);
    scrollbar_->Place(finesettingslayout::ScrollBar);
    scrollbar_->SetRange(SettingsGridRows - 1, finesettingslayout::VisibleSettingRows);
    scrollbar_->SetSteps(1, finesettingslayout::VisibleSettingRows);
    scrollbar_->SetEnabled(true);
}

void TForm7::Show() {
    grid_.Load(Settings());
    toprow_ = 1;
    wheelrest_ = 0;
    shown_ = true;
    PlaceEditor();
    form_->Show();
    // The grid has the keyboard, on the selected value.
    form_->FocusEdit(CellEditor);
}

std::optional<platform::rect> TForm7::ValueCell(int32_t row) const {
    int32_t place = 0;
    if (row != 0) {
        if (row < toprow_ || row >= toprow_ + finesettingslayout::VisibleSettingRows) return std::nullopt;
        place = row - toprow_ + 1;
    }
    const int32_t top = PlaceTop(place);
    return platform::rect{finesettingslayout::ValueColumnLeft, top, finesettingslayout::CellsRight,
                          top + finesettingslayout::GridRowHeight - finesettingslayout::GridLine};
}

std::optional<int32_t> TForm7::RowAt(platform::point at) const {
    const platform::rect& grid = finesettingslayout::Grid;
    if (at.x < grid.left + finesettingslayout::GridLine || at.x >= finesettingslayout::CellsRight ||
        at.y < PlaceTop(0)) {
        return std::nullopt;
    }
    const int32_t place = (at.y - PlaceTop(0)) / finesettingslayout::GridRowHeight;
    if (place >= finesettingslayout::VisibleRows) return std::nullopt;
    if (place == 0) return 0;
    const int32_t row = toprow_ + place - 1;
    if (row >= SettingsGridRows) return std::nullopt;
    return row;
}

void TForm7::PlaceEditor() {
    const int32_t selected = grid_.Selected();
    if (selected < toprow_) toprow_ = selected;
    if (selected >= toprow_ + finesettingslayout::VisibleSettingRows)
        toprow_ = selected - finesettingslayout::VisibleSettingRows + 1;
    toprow_ = std::clamp(toprow_, 1, LastTopRow);
    scrollbar_->SetPosition(toprow_ - 1);
    form_->SetEditBounds(CellEditor, *ValueCell(selected));
    placing_ = true;
    form_->SetEditText(CellEditor, grid_.Cell(selected));
    placing_ = false;
    if (form_->Visible()) form_->FocusEdit(CellEditor);
    form_->Invalidate();
}

void TForm7::MoveSelection(int32_t rows) {
    const int32_t row = std::clamp(grid_.Selected() + rows, 1, SettingsGridRows - 1);
    if (row != grid_.Selected()) SelectCell(row);
}

bool TForm7::OnEditKey(size_t, char key) {
    if (key == '\r') {
        GridEnter();
        return true;
    }
    OnKeyPress(key);
    return key == platform::EscapeKey;
}

void TForm7::OnEditChange(size_t index) {
    if (!placing_ && index == CellEditor) EditCell(form_->EditText(CellEditor));
}

bool TForm7::OnEditKeyDown(size_t, platform::keycode key) {
    switch (key) {
    case platform::vkUp: MoveSelection(-1); return true;
    case platform::vkDown: MoveSelection(1); return true;
    case platform::vkPrior: MoveSelection(-PageRows); return true;
    case platform::vkNext: MoveSelection(PageRows); return true;
    default: return false;
    }
}

void TForm7::OnMouseDown(platform::point at) {
    const std::optional<int32_t> row = RowAt(at);
    if (row && *row > 0) SelectCell(*row);
}

void TForm7::OnDoubleClick(platform::point at) {
    const std::optional<int32_t> row = RowAt(at);
    if (!row || *row == 0 || !ValueCell(*row)->Contains(at)) return;
    if (*row != grid_.Selected()) SelectCell(*row);
    DoubleClickCell();
}

void TForm7::OnMouseWheel(platform::point, int32_t delta) {
    // As in grids, each notch moves the selection a row, away from the user being up.
    wheelrest_ += delta;
    const int32_t notches = wheelrest_ / platform::WheelNotch;
    wheelrest_ -= notches * platform::WheelNotch;
    if (notches != 0) MoveSelection(-notches);
}

void TForm7::OnShow(platform::canvas&) {
    form_->SetClientSize(FineSettingsClient);
    form_->MoveTo(PlaceAtMouse(system_.CursorPos(), form_->WindowSize(), system_.WorkArea()));
}

void TForm7::SelectCell(int32_t row) {
    grid_.Select(row);
    PlaceEditor();
}

void TForm7::GridEnter() {
    grid_.Validate();
    // A refused text is back to the setting's value, which the editor must show.
    PlaceEditor();
}

void TForm7::DoubleClickCell() {
    if (grid_.DoubleClick()) PlaceEditor();
}

void TForm7::Button1Click() {
    // Pressing the button takes the focus from the grid, which checks the cell it leaves.
    grid_.Validate();
    const bool changed = grid_.Apply(Settings(), hooks);
    FormDeactivate();
    if (changed && hooks.onapply) hooks.onapply();
}

void TForm7::Button2Click() {
    FormDeactivate();
    if (hooks.focusmain) hooks.focusmain();
}

void TForm7::OnButtonClick(size_t index) {
    if (index == DoneButton) Button1Click();
    else if (index == CancelButton) Button2Click();
}

void TForm7::OnKeyPress(char key) {
    if (key == platform::EscapeKey) Button2Click();
}

void TForm7::OnActivate(bool active) {
    // A picker open over the dialog takes the activation for a while; that is no leaving.
    if (!active && !grid_.Picking()) FormDeactivate();
}

void TForm7::FormDeactivate() {
    if (!shown_) return;
    shown_ = false;
    form_->Hide();
    if (hooks.ondeactivate) hooks.ondeactivate();
}

void TForm7::OnPaint(platform::canvas& surface) {
    surface.SetFont(AttentionFont);
    surface.TextOut(finesettingslayout::Attention, AttentionText, std::nullopt);
    surface.SetFont(DialogFont);
    int32_t y = finesettingslayout::Warning.y;
    std::string_view rest = WarningText;
    while (!rest.empty()) {
        const size_t end = rest.find("\n\r");
        const std::string_view line = rest.substr(0, end);
        surface.TextOut({finesettingslayout::Warning.x, y}, line, std::nullopt);
        y += surface.TextExtent("W").height;
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 2);
    }
    DrawGrid(surface);
    DrawDescription(surface);
}

void TForm7::DrawGrid(platform::canvas& surface) {
    const platform::rect& grid = finesettingslayout::Grid;
    // The frame, with the lines' colour inside: the cells leave it showing between them.
    surface.SetPen({platform::clBtnShadow, 1, platform::penmode::copy});
    surface.SetBrush(GridLineColour);
    surface.Rectangle(grid);
    const int32_t keyleft = grid.left + finesettingslayout::GridLine;
    const int32_t keyright = keyleft + finesettingslayout::KeyColumnWidth;
    const int32_t inside = grid.bottom - finesettingslayout::GridLine;
    const int32_t selected = grid_.Selected();
    // The whole rows in view, and the top of the next one as far as the frame shows it.
    for (int32_t place = 0; place <= finesettingslayout::VisibleRows; ++place) {
        const int32_t row = place == 0 ? 0 : toprow_ + place - 1;
        if (row >= SettingsGridRows) break;
        const int32_t top = PlaceTop(place);
        const int32_t bottom = std::min(top + finesettingslayout::GridRowHeight - finesettingslayout::GridLine, inside);
        if (top >= bottom) break;
        // The header and the key column are fixed cells; the selected row's key is highlighted,
        // its value lies under the editor.
        const platform::colour keyfill = row == selected ? platform::clHighlight : platform::clBtnFace;
        const platform::colour keytext = row == selected ? platform::clHighlightText : platform::clWindowText;
        const platform::colour valuefill = row == 0 ? platform::clBtnFace : platform::clWindow;
        DrawCell(surface, {keyleft, top, keyright, bottom}, nastrojki::KeyCell(row), keyfill, keytext);
        DrawCell(surface, {finesettingslayout::ValueColumnLeft, top, finesettingslayout::CellsRight, bottom},
                 grid_.Cell(row), valuefill, platform::clWindowText);
    }
}

void TForm7::DrawDescription(platform::canvas& surface) {
    const platform::rect& box = finesettingslayout::Description;
    // The group box: an etched-looking frame with its navy caption over the top edge.
    surface.SetPen({platform::clBtnShadow, 1, platform::penmode::copy});
    surface.SetBrush(platform::clBtnFace);
    surface.SetFont({DialogFont.face, DialogFont.height, DialogFont.charset, 0, Navy});
    const int32_t captionheight = surface.TextExtent(DescriptionCaption).height;
    surface.Rectangle({box.left, box.top + captionheight / 2, box.right, box.bottom});
    surface.TextOut({box.left + 8, box.top}, DescriptionCaption, platform::clBtnFace);

    const platform::rect panel{box.left + 5, box.top + 14, box.right - 5, box.bottom - 5};
    surface.FillRect(panel);
    surface.SetFont(descriptionfont_);
    DrawTextInRect(panel, surface, grid_.Description());
}

void TForm7::OnScroll(platform::scrollaxis, int32_t position) {
    toprow_ = std::clamp(position + 1, 1, LastTopRow);
    // The selection stays in view with the editor on it: a row scrolled away gives way to the
    // nearest one in view.
    const int32_t lastinview = toprow_ + finesettingslayout::VisibleSettingRows - 1;
    const int32_t selected = grid_.Selected();
    if (selected < toprow_ || selected > lastinview)
        SelectCell(std::clamp(selected, toprow_, lastinview));
    else
        PlaceEditor();
}

}  // namespace quillmap
