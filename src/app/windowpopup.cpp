#include "app/windowpopup.h"

namespace quillmap {

windowpopup::windowpopup(platform::application& app, const mainmenuhandlers& handlers, bool saveonf2)
    : popup_(app.CreateMenu(platform::menukind::popup)) {
    platform::menu& popup = *popup_;
    undo_ = &AddCommand(popup, "Отменить", "", handlers.undo);
    redo_ = &AddCommand(popup, "Повторить", "", handlers.redo);
    popup.AddSeparator();
    cut_ = &AddCommand(popup, "Вырезать", "", handlers.cut);
    copy_ = &AddCommand(popup, "Копировать", "", handlers.copy);
    paste_ = &AddCommand(popup, "Вставить", "", handlers.paste);
    AddCommand(popup, "Выделить всё", "", handlers.selectall);
    popup.AddSeparator();
    AddCommand(popup, "", "", {}).SetVisible(false);
    AddCommand(popup, "Шрифт...", "", handlers.font);
    allremoved_ = &AddCommand(popup, "Всё лишнее убрано", AllRemovedShortcut(saveonf2), handlers.allremoved);
    popup.AddSeparator();
    AddCommand(popup, "Выход", "", handlers.exit);
}

void windowpopup::Show(platform::window& window, const mainmenu& main, platform::point screen) {
    undo_->SetEnabled(main.Undo().Enabled());
    redo_->SetEnabled(main.Redo().Enabled());
    cut_->SetEnabled(main.Cut().Enabled());
    copy_->SetEnabled(main.Copy().Enabled());
    paste_->SetEnabled(main.Paste().Enabled());
    allremoved_->SetChecked(main.AllRemoved().Checked());
    window.PopupMenu(*popup_, screen);
}

}  // namespace quillmap
