// The main window when memory ran out inside a command: the view has put its document back as it
// was; the window shows it again and says so.
#include "app/texts.h"
#include "app/tform1.h"

namespace quillmap {

void Tform1::OnOutOfMemory() {
    system_.Beep();
    menu_->UpdateUndoRedo(view_->CanUndo(), view_->CanRedo());
    HideCaret();
    UpdateVScroll();
    UpdateHScroll();
    SyncScrollBars();
    ShowMessage(OutOfMemoryTitle, OutOfMemoryText);
}

}  // namespace quillmap
