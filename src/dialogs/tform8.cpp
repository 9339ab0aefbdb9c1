#include "dialogs/tform8.h"

#include <algorithm>
#include <span>
#include <string>

#include "base/version.h"
#include "dialogs/aboutpicture.h"
#include "dialogs/dialogplacement.h"
#include "dialogs/floodfill.h"

namespace quillmap {

namespace {

const platform::fontspec NameFont{"Times New Roman", -21, platform::DefaultCharset, 0, platform::Rgb(128, 0, 0)};
const platform::fontspec PurposeFont{"MS Sans Serif", -11, platform::DefaultCharset, 0, platform::Rgb(0, 0, 255)};
const platform::fontspec HistoryFont{"MS Sans Serif", -11, platform::DefaultCharset, 0, platform::Rgb(128, 0, 128)};

constexpr std::string_view PurposeLines[] = {"Просмотрщик и редактор", "внутренней структуры gif-файлов"};
constexpr std::string_view HistoryLines[] = {"Формат GIF (Graphics Interchange Format) был разработан",
                                             " компанией Compuserve Inc"};

std::string ProgramName() { return "QUILLMAP " + std::string(ProgramVersion); }

// A line centred in the room right of the picture.
void TextBesidePicture(platform::canvas& surface, int32_t top, std::string_view text) {
    const int32_t width = surface.TextExtent(text).width;
    const int32_t left = aboutlayout::TextLeft + (aboutlayout::TextRight - aboutlayout::TextLeft - width) / 2;
    surface.TextOut({left, top}, text, std::nullopt);
}

}  // namespace

TForm8::TForm8(platform::application& app, platform::system& system)
    : system_(system),
      form_(app.CreateDialogForm(AboutTitle, *this)),
      picture_(app.CreatePixelSurface(AboutPictureSize)) {
    form_->AddButton("ОК");
    form_->SetButtonBounds(OkButton, aboutlayout::Ok);
    form_->SetClientSize(AboutClient);
    if (picture_) std::ranges::copy(AboutPicture(), picture_->Pixels());
}

void TForm8::Show(const platform::rect& mainwindow) {
    form_->MoveTo(CentreOver(mainwindow, form_->WindowSize(), system_.ScreenSize()));
    shown_ = true;
    form_->Show();
}

void TForm8::OnShow(platform::canvas&) {
    if (!picture_) return;
    const platform::extent size = picture_->Size();
    FloodFill(std::span(picture_->Pixels(), static_cast<size_t>(size.width) * static_cast<size_t>(size.height)), size,
              AboutFillStart, AboutOutlinePixel, platform::PixelOf(system_.ColourValue(platform::clBtnFace)));
}

void TForm8::OnPaint(platform::canvas& surface) {
    if (picture_) surface.DrawPixels(*picture_, aboutlayout::Picture);
    surface.SetFont(NameFont);
    TextBesidePicture(surface, aboutlayout::NameTop, ProgramName());
    surface.SetFont(PurposeFont);
    int32_t top = aboutlayout::PurposeTop;
    for (std::string_view line : PurposeLines) {
        TextBesidePicture(surface, top, line);
        top += surface.TextExtent(line).height;
    }
    // The second line goes on from the first one's left edge; its leading blank indents it.
    surface.SetFont(HistoryFont);
    const int32_t left = (AboutClient.width - surface.TextExtent(HistoryLines[0]).width) / 2;
    top = aboutlayout::HistoryTop;
    for (std::string_view line : HistoryLines) {
        surface.TextOut({left, top}, line, std::nullopt);
        top += surface.TextExtent(line).height;
    }
}

void TForm8::OnButtonClick(size_t index) {
    if (index == OkButton) Button1Click();
}

void TForm8::OnKeyPress(char key) {
    if (key != platform::EscapeKey) return;
    FormDeactivate();
    if (focusmain) focusmain();
}

void TForm8::OnActivate(bool active) {
    if (!active) FormDeactivate();
}

void TForm8::FormDeactivate() {
    if (!shown_) return;
    shown_ = false;
    form_->Hide();
    if (restoretopmost) restoretopmost();
}

}  // namespace quillmap
