// The main window's menu wiring, its edit commands on the history and the selection, and the
// status bar and font of "Формат".
#include "app/tform1.h"

namespace quillmap {

mainmenuhandlers Tform1::MenuHandlers() {
    mainmenuhandlers handlers;
    handlers.newdocument = [this] { NewDocument(); };
    handlers.open = [this] { OpenCommand(); };
    handlers.save = [this] { Save(); };
    handlers.saveas = [this] { SaveAs(); };
    handlers.print = [this] { Print(); };
    handlers.exit = [this] { Exit(); };
    handlers.undo = [this] { Undo(); };
    handlers.redo = [this] { Redo(); };
    handlers.cut = [this] { Cut(); };
    handlers.copy = [this] { Copy(); };
    handlers.paste = [this] { Paste(); };
    handlers.find = [this] { ShowFind(false); };
    handlers.findnext = [this] { FindNext(); };
    handlers.replace = [this] { ShowReplace(false); };
    handlers.selectall = [this] { SelectAll(); };
    handlers.statusbar = [this] { ToggleStatusBar(); };
    handlers.allremoved = [this] { ToggleAllRemoved(); };
    handlers.ontop = [this] { ToggleOnTop(); };
    handlers.font = [this] { ChooseFont(); };
    handlers.finesettings = [this] { ShowFineSettings(); };
    handlers.extensions = [this] { N28Click(); };
    handlers.pinnedfiles = [this] { N29Click(); };
    handlers.help = [this] { Help(); };
    handlers.about = [this] { ShowAbout(); };
    handlers.documentinfo = [this] { DocumentInfo(false); };
    handlers.downloadplugins = [this] { DownloadPlugins(); };
    handlers.skinsettings = [this] { N46Click(); };
    return handlers;
}

void Tform1::ViewActionDone(bool changed) {
    if (changed) {
        SetModified(true);
        menu_->UpdateUndoRedo(view_->CanUndo(), view_->CanRedo());
    }
    HideCaret();
    UpdateVScroll();
    UpdateHScroll();
    SyncScrollBars();
    ToggleCaret();
}

void Tform1::AfterHistoryStep() {
    menu_->UpdateUndoRedo(view_->CanUndo(), view_->CanRedo());
    SetModified(true);
    UpdateVScroll();
    UpdateHScroll();
    SyncScrollBars();
}

void Tform1::Undo() {
    HideCaret();
    view_->Undo();
    AfterHistoryStep();
    ToggleCaret();
}

void Tform1::Redo() {
    HideCaret();
    view_->Redo();
    AfterHistoryStep();
    ToggleCaret();
}

void Tform1::SelectAll() {
    HideCaret();
    view_->SelectAll();
    SyncScrollBars();
    ToggleCaret();
}

void Tform1::ToggleStatusBar() {
    platform::menuitem& item = menu_->StatusBar();
    item.SetChecked(!item.Checked());
    statusbar_->SetVisible(item.Checked());
    Layout(window_->ClientSize());
}

void Tform1::ChooseFont() {
    platform::fontspec font = bitmap_->Canvas().Font();
    BeginDialog();
    const bool chosen = app_.ChooseFont(font);
    EndDialog();
    if (!chosen) return;
    desiredcolumn_ = -1;
    HideCaret();
    // The view draws on the picture's canvas, whose font printing takes too.
    view_->SetFont(font);
    UpdateHScroll();
    UpdateVScroll();
    SyncScrollBars();
    ToggleCaret();
}

}  // namespace quillmap
