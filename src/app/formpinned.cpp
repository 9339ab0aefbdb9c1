// The main window's part in "Закрепить внешний вид за файлами...": the dialog shows the pinned
// paths, and what the user leaves checked there is pinned when they confirm.
#include "app/pinnedchoices.h"
#include "app/tform1.h"
#include "dialogs/tform6.h"

namespace quillmap {

void Tform1::SetPinnedFiles(TForm6& dialog) { pinnedfiles_ = &dialog; }

void Tform1::N29Click() {
    if (pinnedfiles_ == nullptr) return;
    pinnedfilesrequest request;
    for (const winposit& look : state_.pinned) request.pinned.push_back(look.path);
    request.documentname = documentname_;
    request.background = Background();
    request.text = bitmap_->Canvas().Font().textcolour;
    request.chooseother = [this]() -> std::optional<std::string> {
        if (!app_.ChooseFile(opendialog_)) return std::nullopt;
        return opendialog_.filename;
    };
    BeginDialog();
    const std::optional<std::vector<checkedtext>> choices = pinnedfiles_->Execute(std::move(request));
    // The message comes inside the dialog's bracket: the window is out of the way already.
    if (choices && !ApplyPinnedChoices(state_.pinned, *choices, [this](const std::string& path) { return addfls(path); }))
        app_.ShowError(PinnedFullMessage);
    EndDialog();
}

}  // namespace quillmap
