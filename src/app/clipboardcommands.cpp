// Cut, copy and paste of the selected bytes.
#include "app/tform1.h"

namespace quillmap {

bool Tform1::CopySelection() {
    const std::string bytes = view_->SelectedText();
    if (bytes.empty()) return false;
    if (system_.Clipboard().Put(bytes)) return true;
    system_.Beep();
    return false;
}

void Tform1::Copy() { CopySelection(); }

void Tform1::Cut() {
    // What did not reach the clipboard stays in the document.
    if (!CopySelection()) return;
    desiredcolumn_ = -1;
    EditCommand([this] { return view_->DeleteSelection(true, true); });
}

void Tform1::Paste() {
    const std::optional<std::string> bytes = system_.Clipboard().Get();
    if (!bytes) {
        system_.Beep();
        return;
    }
    if (bytes->empty()) return;
    desiredcolumn_ = -1;
    EditCommand([&] { return view_->ReplaceSelection(*bytes); });
}

}  // namespace quillmap
