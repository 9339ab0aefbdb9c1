// The keys of the main window's own commands. Each runs only when its menu item is enabled.
#include "app/tform1.h"
#include "base/settings.h"

namespace quillmap {

void Tform1::OnKeyDown(uint16_t key, uint8_t shift) {
    const auto run = [](platform::menuitem& item) {
        if (item.Enabled()) item.Click();
    };
    if (shift == platform::ssCtrl) {
        switch (key) {
        case 'N': NewDocument(); return;
        case 'O': OpenCommand(); return;
        case 'S': Save(); return;
        case 'P': run(menu_->Print()); return;
        case 'A': SelectAll(); return;
        case 'I': DocumentInfo(true); return;
        case 'Z': run(menu_->Undo()); return;
        default: break;
        }
    }
    if (shift == (platform::ssCtrl | platform::ssShift) && key == 'Z') run(menu_->Redo());
    if (shift == 0 && key == platform::vkF1) Help();
    if (key == platform::vkEscape && Settings().ExitOnEsc) Exit();
}

}  // namespace quillmap
