#include "dialogs/tform5.h"

#include "base/extensionnames.h"
#include "dialogs/dialogfont.h"
#include "dialogs/dialogplacement.h"
#include "dialogs/inputbox.h"

namespace quillmap {

namespace {

// The modal results: the button that ended the showing, counted from 1.
constexpr int32_t Confirmed = TForm5::OkButton + 1;
constexpr int32_t Cancelled = TForm5::CancelButton + 1;

}  // namespace

TForm5::TForm5(platform::application& app, platform::system& system)
    : app_(app), system_(system), form_(app.CreateDialogForm(ExtensionsTitle, *this)) {
    form_->AddButton("Добавить...");
    form_->AddButton("ОК");
    form_->AddButton("Отмена");
    form_->AddCheckList();
    form_->SetButtonFont(DialogFont);
    form_->SetButtonBounds(AddButton, extensionslayout::Add);
    form_->SetButtonBounds(OkButton, extensionslayout::Ok);
    form_->SetButtonBounds(CancelButton, extensionslayout::Cancel);
    form_->SetCheckListBounds(List, extensionslayout::List);
    form_->SetClientSize(ExtensionsClient);
}

std::optional<std::vector<checkedtext>> TForm5::Execute(const extensionsrequest& request) {
    form_->ClearCheckList(List);
    for (const checkedtext& row : request.rows) form_->AddCheckListItem(List, row.text, row.checked);
    form_->SetCheckListColours(List, request.background, request.text);
    form_->MoveTo(PlaceBesideMouse(system_.CursorPos(), form_->WindowSize(), system_.ScreenSize()));
    if (form_->ShowModal() != Confirmed) return std::nullopt;
    return CheckedTexts(*form_, List);
}

void TForm5::Button1Click() {
    const std::optional<std::string> typed = InputBox(app_, system_, NewExtensionTitle, NewExtensionPrompt, "");
    if (!typed) return;
    const typedextension read = ReadTypedExtension(*typed);
    switch (read.kind) {
    case typedextension::none: return;
    case typedextension::unreadable: form_->ShowMessage(UnreadableExtensionsMessage); return;
    case typedextension::system: form_->ShowMessage(SystemExtensionMessage); return;
    case typedextension::accepted: break;
    }
    for (size_t k = 0; k < form_->CheckListCount(List); ++k) {
        if (SameName(form_->CheckListText(List, k), read.extension)) {
            form_->SetCheckListChecked(List, k, true);
            return;
        }
    }
    form_->AddCheckListItem(List, read.extension, true);
}

void TForm5::OnButtonClick(size_t index) {
    if (index == AddButton) Button1Click();
    else if (index == OkButton) form_->SetModalResult(Confirmed);
    else if (index == CancelButton) form_->SetModalResult(Cancelled);
}

void TForm5::OnKeyPress(char key) {
    if (key == platform::EscapeKey) form_->SetModalResult(Cancelled);
}

void TForm5::OnClose() { form_->SetModalResult(Cancelled); }

}  // namespace quillmap
