// The main window's part in binding file types: the first run's greeting, "Закрепить за
// расширениями...", and the file dialogs' filter of the bound extensions.
#include <algorithm>

#include "app/association.h"
#include "app/tform1.h"
#include "dialogs/tform4.h"
#include "dialogs/tform5.h"

namespace quillmap {

void Tform1::SetAssociationDialogs(TForm4& greeting, TForm5& extensions) {
    greeting_ = &greeting;
    extensionsdialog_ = &extensions;
}

// Its messages come inside a dialog's bracket, which the caller opened.
associator Tform1::Associator() {
    return {system_.Registry(), app_.ExecutablePath(), [this](std::string_view text) { app_.ShowError(text); }};
}

void Tform1::Greet() {
    if (greeting_ == nullptr) return;
    BeginDialog();
    const std::optional<std::string> typed = greeting_->Execute();
    // Offered in "Открыть с помощью" whatever the answer; a refusal there costs nothing else.
    RegisterOpenWith(system_.Registry(), app_.ExecutablePath());
    if (typed) AssociateList(Associator(), *typed, state_.extensions);
    EndDialog();
}

void Tform1::KeepAssociatedExtensions() {
    std::erase_if(state_.extensions,
                  [this](const std::string& extension) { return !IsAssociated(system_.Registry(), extension); });
}

void Tform1::N28Click() {
    if (extensionsdialog_ == nullptr) return;
    extensionsrequest request;
    for (const std::string& extension : state_.extensions)
        request.rows.push_back({extension, IsAssociated(system_.Registry(), extension)});
    request.background = Background();
    request.text = bitmap_->Canvas().Font().textcolour;
    BeginDialog();
    if (const std::optional<std::vector<checkedtext>> rows = extensionsdialog_->Execute(request)) {
        ApplyExtensionChoices(Associator(), *rows, state_.extensions);
        BuildFileFilters();
    }
    EndDialog();
}

void Tform1::BuildFileFilters() {
    const std::string filter = FileFilters(state_.extensions);
    for (platform::filedialog* dialog : {&opendialog_, &savedialog_}) {
        // The entry chosen last may be gone, or another one now.
        if (dialog->filter != filter) dialog->filterindex = 1;
        dialog->filter = filter;
    }
}

}  // namespace quillmap
