#include "dialogs/inputbox.h"

#include <algorithm>

#include "dialogs/dialogfont.h"
#include "dialogs/dialogplacement.h"

namespace quillmap {

namespace {

constexpr int32_t Confirmed = inputbox::OkButton + 1;
constexpr int32_t Cancelled = inputbox::CancelButton + 1;
constexpr int32_t Margin = 8;
constexpr int32_t PromptHeight = 16;
constexpr int32_t EditHeight = 21;
constexpr platform::extent Button{75, 25};
// Narrower than this the two buttons and the edit box would crowd each other.
constexpr int32_t MinimumWidth = 260;

}  // namespace

inputbox::inputbox(platform::application& app, platform::system& system, std::string_view caption,
                   std::string_view prompt, std::string_view initial)
    : system_(system), prompt_(prompt), form_(app.CreateDialogForm(caption, *this)) {
    form_->AddButton("ОК");
    form_->AddButton("Отмена");
    form_->SetButtonFont(DialogFont);
    form_->AddEdit();
    form_->SetEditFont(Answer, DialogFont);
    form_->SetEditText(Answer, initial);
}

std::optional<std::string> inputbox::Execute() {
    if (form_->ShowModal() != Confirmed) return std::nullopt;
    return form_->EditText(Answer);
}

void inputbox::OnShow(platform::canvas& measuring) {
    measuring.SetFont(DialogFont);
    const int32_t width = std::max(MinimumWidth, measuring.TextExtent(prompt_).width + 2 * Margin);
    const int32_t edittop = Margin + PromptHeight + 4;
    const int32_t buttontop = edittop + EditHeight + 12;
    form_->SetEditBounds(Answer, {Margin, edittop, width - Margin, edittop + EditHeight});
    const int32_t cancelleft = width - Margin - Button.width;
    const int32_t okleft = cancelleft - 8 - Button.width;
    form_->SetButtonBounds(OkButton, {okleft, buttontop, okleft + Button.width, buttontop + Button.height});
    form_->SetButtonBounds(CancelButton,
                           {cancelleft, buttontop, cancelleft + Button.width, buttontop + Button.height});
    form_->SetClientSize({width, buttontop + Button.height + Margin});
    const platform::extent screen = system_.ScreenSize();
    form_->MoveTo(CentreOver({0, 0, screen.width, screen.height}, form_->WindowSize(), screen));
    form_->FocusEdit(Answer);
}

void inputbox::OnPaint(platform::canvas& surface) {
    surface.SetFont(DialogFont);
    surface.TextOut({Margin, Margin}, prompt_, std::nullopt);
}

void inputbox::OnButtonClick(size_t index) {
    form_->SetModalResult(index == OkButton ? Confirmed : Cancelled);
}

void inputbox::OnKeyPress(char key) {
    if (key == '\r') form_->SetModalResult(Confirmed);
    if (key == platform::EscapeKey) form_->SetModalResult(Cancelled);
}

void inputbox::OnClose() { form_->SetModalResult(Cancelled); }

std::optional<std::string> InputBox(platform::application& app, platform::system& system, std::string_view caption,
                                    std::string_view prompt, std::string_view initial) {
    inputbox box(app, system, caption, prompt, initial);
    return box.Execute();
}

}  // namespace quillmap
