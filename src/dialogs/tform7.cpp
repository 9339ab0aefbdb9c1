#include "dialogs/tform7.h"

#include "dialogs/showtext.h"

namespace quillmap {

namespace {

constexpr platform::colour Red = platform::Rgb(255, 0, 0);
constexpr platform::colour Navy = platform::Rgb(0, 0, 128);
constexpr std::string_view DescriptionCaption = "Описание";

const platform::fontspec AttentionFont{"Arial", -19, platform::DefaultCharset, platform::fsBold, Red};
const platform::fontspec LabelFont{"MS Sans Serif", -11, platform::DefaultCharset, 0, platform::clBlack};

}  // namespace

platform::point PlaceFineSettings(platform::point mouse, platform::extent window, const platform::rect& workarea) {
    platform::point at{mouse.x - window.width / 2, mouse.y};
    if (at.x < 0) at.x = 0;
    if (at.x + window.width > workarea.Width()) at.x = workarea.Width() - window.width;
    if (at.y + window.height > workarea.Height()) at.y = mouse.y - window.height;
    return at;
}

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
}

void TForm7::Show() {
    grid_.Load(Settings());
    shown_ = true;
    form_->Show();
}

void TForm7::OnShow(platform::canvas&) {
    form_->SetClientSize(FineSettingsClient);
    form_->MoveTo(PlaceFineSettings(system_.CursorPos(), form_->WindowSize(), system_.WorkArea()));
}

void TForm7::SelectCell(int32_t row) {
    grid_.Select(row);
    form_->Invalidate();
}

void TForm7::DoubleClickCell() {
    if (grid_.DoubleClick()) form_->Invalidate();
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
    surface.SetFont(LabelFont);
    int32_t y = finesettingslayout::Warning.y;
    std::string_view rest = WarningText;
    while (!rest.empty()) {
        const size_t end = rest.find("\n\r");
        const std::string_view line = rest.substr(0, end);
        surface.TextOut({finesettingslayout::Warning.x, y}, line, std::nullopt);
        y += surface.TextExtent("W").height;
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 2);
    }
    DrawDescription(surface);
}

void TForm7::DrawDescription(platform::canvas& surface) {
    const platform::rect& box = finesettingslayout::Description;
    // The group box: an etched-looking frame with its navy caption over the top edge.
    surface.SetPen({platform::clBtnShadow, 1, platform::penmode::copy});
    surface.SetBrush(platform::clBtnFace);
    surface.SetFont({LabelFont.face, LabelFont.height, LabelFont.charset, 0, Navy});
    const int32_t captionheight = surface.TextExtent(DescriptionCaption).height;
    surface.Rectangle({box.left, box.top + captionheight / 2, box.right, box.bottom});
    surface.TextOut({box.left + 8, box.top}, DescriptionCaption, platform::clBtnFace);

    const platform::rect panel{box.left + 5, box.top + 14, box.right - 5, box.bottom - 5};
    surface.FillRect(panel);
    surface.SetFont(descriptionfont_);
    DrawTextInRect(panel, surface, grid_.Description());
}

}  // namespace quillmap
