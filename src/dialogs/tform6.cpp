#include "dialogs/tform6.h"

#include "dialogs/dialogfont.h"
#include "dialogs/dialogplacement.h"

namespace quillmap {

namespace {

// The modal results: the button that ended the showing, counted from 1.
constexpr int32_t Confirmed = TForm6::OkButton + 1;
constexpr int32_t Cancelled = TForm6::CancelButton + 1;

}  // namespace

TForm6::TForm6(platform::application& app, platform::system& system)
    : system_(system), form_(app.CreateDialogForm(PinnedFilesTitle, *this)) {
    form_->AddButton("Добавить текущий");
    form_->AddButton("Добавить другой");
    form_->AddButton("ОК");
    form_->AddButton("Отмена");
    form_->AddCheckList();
    form_->SetButtonFont(DialogFont);
    form_->SetButtonBounds(AddCurrentButton, pinnedfileslayout::AddCurrent);
    form_->SetButtonBounds(AddOtherButton, pinnedfileslayout::AddOther);
    form_->SetButtonBounds(OkButton, pinnedfileslayout::Ok);
    form_->SetButtonBounds(CancelButton, pinnedfileslayout::Cancel);
    form_->SetCheckListBounds(List, pinnedfileslayout::List);
    form_->SetClientSize(PinnedFilesClient);
}

std::optional<std::vector<checkedtext>> TForm6::Execute(pinnedfilesrequest request) {
    request_ = std::move(request);
    form_->ClearCheckList(List);
    for (const std::string& path : request_.pinned) form_->AddCheckListItem(List, path, true);
    form_->SetCheckListColours(List, request_.background, request_.text);
    form_->SetButtonEnabled(AddCurrentButton, !request_.documentname.empty());
    form_->MoveTo(PlaceBesideMouse(system_.CursorPos(), form_->WindowSize(), system_.ScreenSize()));
    if (form_->ShowModal() != Confirmed) return std::nullopt;
    return CheckedTexts(*form_, List);
}

void TForm6::AddUnlessListed(const std::string& path) {
    for (size_t k = 0; k < form_->CheckListCount(List); ++k)
        if (form_->CheckListText(List, k) == path) return;
    form_->AddCheckListItem(List, path, true);
}

void TForm6::Button1Click() {
    if (!request_.documentname.empty()) AddUnlessListed(request_.documentname);
}

void TForm6::Button2Click() {
    if (!request_.chooseother) return;
    if (const std::optional<std::string> chosen = request_.chooseother()) AddUnlessListed(*chosen);
}

void TForm6::OnButtonClick(size_t index) {
    if (index == AddCurrentButton) Button1Click();
    else if (index == AddOtherButton) Button2Click();
    else if (index == OkButton) form_->SetModalResult(Confirmed);
    else if (index == CancelButton) form_->SetModalResult(Cancelled);
}

void TForm6::OnKeyPress(char key) {
    if (key == platform::EscapeKey) form_->SetModalResult(Cancelled);
}

void TForm6::OnClose() { form_->SetModalResult(Cancelled); }

}  // namespace quillmap
