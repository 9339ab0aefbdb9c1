#include "app/taskbarmenu.h"

namespace quillmap {

windowshow ShowStateOf(uint32_t showcommand) {
    switch (showcommand) {
        case 2:
        case 6:
        case 7:
            return windowshow::minimised;
        case 3:
            return windowshow::maximised;
        default:
            return windowshow::normal;
    }
}

taskbarmenu::taskbarmenu(platform::application& app, const taskbarhandlers& handlers)
    : popup_(app.CreateMenu(platform::menukind::popup)) {
    platform::menu& popup = *popup_;
    minimise_ = &AddCommand(popup, "Минимизаровать", "", handlers.minimise);
    maximise_ = &AddCommand(popup, "Максимизировать", "", handlers.maximise);
    restore_ = &AddCommand(popup, "Восстановить", "", handlers.restore);
    popup.AddSeparator();
    AddCommand(popup, "Выход", "", handlers.exit).SetDefault(true);
}

void taskbarmenu::Show(platform::window& window, windowshow state, platform::point screen) {
    minimise_->SetEnabled(state != windowshow::minimised);
    maximise_->SetEnabled(state != windowshow::maximised);
    restore_->SetEnabled(state != windowshow::normal);
    window.PopupMenu(*popup_, screen);
}

}  // namespace quillmap
