// The main window when memory ran out inside a command: the view has put its document back as it
// was; the window shows it again and says so.
#include <array>
#include <string>

#include "app/texts.h"
#include "app/tform1.h"
#include "dialogs/mesokno.h"
#include "dialogs/referencepoint.h"

namespace quillmap {

void Tform1::OnOutOfMemory() {
    system_.Beep();
    menu_->UpdateUndoRedo(view_->CanUndo(), view_->CanRedo());
    HideCaret();
    UpdateVScroll();
    UpdateHScroll();
    SyncScrollBars();
    AnchorAtMainWindow(*window_);
    const std::array<std::string, 1> captions{InfoButton};
    const auto message = CreateMessageWindow(app_, system_, OutOfMemoryTitle, OutOfMemoryText, captions);
    BeginDialog();
    message->ShowModal();
    EndDialog();
}

}  // namespace quillmap
