#include "dialogs/tform4.h"

#include <algorithm>
#include <vector>

#include "dialogs/dialogfont.h"
#include "dialogs/dialogplacement.h"

namespace quillmap {

namespace {

constexpr int32_t Confirmed = TForm4::OkButton + 1;
constexpr int32_t Declined = TForm4::DeclineButton + 1;
const platform::fontspec GreetingFont{"Times New Roman", -16, platform::DefaultCharset, 0, platform::Rgb(0, 0, 128)};
constexpr int32_t Margin = 8;
constexpr int32_t EditHeight = 21;
constexpr int32_t ButtonHeight = 25;
constexpr int32_t OkWidth = 75;
constexpr int32_t DeclineWidth = 121;

std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    for (size_t end = text.find("\n\r"); end != std::string_view::npos; end = text.find("\n\r")) {
        lines.push_back(text.substr(0, end));
        text.remove_prefix(end + 2);
    }
    lines.push_back(text);
    return lines;
}

}  // namespace

TForm4::TForm4(platform::application& app, platform::system& system)
    : system_(system), form_(app.CreateDialogForm(GreetingTitle, *this)) {
    form_->AddButton("ОК");
    form_->AddButton("Это мне не нужно");
    form_->SetButtonFont(DialogFont);
    form_->AddEdit();
    form_->SetEditFont(Extensions, DialogFont);
}

std::optional<std::string> TForm4::Execute() {
    form_->SetEditText(Extensions, GreetingExtensions);
    if (form_->ShowModal() != Confirmed) return std::nullopt;
    return form_->EditText(Extensions);
}

void TForm4::OnShow(platform::canvas& measuring) {
    // The label decides the size: the box and the buttons go under it.
    measuring.SetFont(GreetingFont);
    int32_t width = OkWidth + DeclineWidth + 3 * Margin;
    int32_t height = 0;
    for (std::string_view line : Lines(GreetingText)) {
        const platform::extent size = measuring.TextExtent(line);
        width = std::max(width, size.width + 2 * Margin);
        height += size.height;
    }
    const int32_t edittop = Margin + height + Margin;
    const int32_t buttontop = edittop + EditHeight + Margin;
    form_->SetEditBounds(Extensions, {Margin, edittop, width - Margin, edittop + EditHeight});
    const int32_t declineleft = width - Margin - DeclineWidth;
    const int32_t okleft = declineleft - Margin - OkWidth;
    form_->SetButtonBounds(OkButton, {okleft, buttontop, okleft + OkWidth, buttontop + ButtonHeight});
    form_->SetButtonBounds(DeclineButton,
                           {declineleft, buttontop, declineleft + DeclineWidth, buttontop + ButtonHeight});
    form_->SetClientSize({width, buttontop + ButtonHeight + Margin});
    const platform::extent screen = system_.ScreenSize();
    form_->MoveTo(CentreOver({0, 0, screen.width, screen.height}, form_->WindowSize(), screen));
    form_->FocusEdit(Extensions);
}

void TForm4::OnPaint(platform::canvas& surface) {
    surface.SetFont(GreetingFont);
    int32_t top = Margin;
    for (std::string_view line : Lines(GreetingText)) {
        surface.TextOut({Margin, top}, line, std::nullopt);
        top += surface.TextExtent(line).height;
    }
}

void TForm4::OnButtonClick(size_t index) { form_->SetModalResult(index == OkButton ? Confirmed : Declined); }

// Enter in the box confirms, Esc declines.
void TForm4::OnKeyPress(char key) {
    if (key == '\r') form_->SetModalResult(Confirmed);
    if (key == platform::EscapeKey) form_->SetModalResult(Declined);
}

void TForm4::OnClose() { form_->SetModalResult(Declined); }

}  // namespace quillmap
