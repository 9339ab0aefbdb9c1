#include "app/mainmenu.h"

#include <array>

#include "base/filenames.h"

namespace quillmap {

namespace {

// The five edit keys, in the order Undo, Redo, Cut, Copy, Paste.
constexpr std::array<const char*, 5> EditShortcuts{"Ctrl+Z", "Ctrl+Shift+Z", "Ctrl+X", "Ctrl+C", "Ctrl+V"};

}  // namespace

mainmenu::mainmenu(platform::application& app, const mainmenuhandlers& handlers, bool saveonf2)
    : bar_(app.CreateMenu(platform::menukind::bar)) {
    file_ = &bar_->Add("Файл").Items();
    BuildFile(*file_, handlers);
    BuildEdit(bar_->Add("Правка").Items(), handlers);
    format_ = &bar_->Add("Формат").Items();
    BuildFormat(handlers, saveonf2);
    extra_ = &bar_->Add("Дополнительно").Items();
    BuildExtra(handlers);
    plugins_ = &bar_->Add("Плагины").Items();
    BuildPlugins(handlers);
    BuildHelp(bar_->Add("Помощь").Items(), handlers);
}

void mainmenu::BuildFile(platform::menu& file, const mainmenuhandlers& handlers) {
    AddCommand(file, "Новый", "Ctrl+N", handlers.newdocument);
    AddCommand(file, "Открыть...", "Ctrl+O", handlers.open);
    AddCommand(file, "Сохранить", "Ctrl+S", handlers.save);
    AddCommand(file, "Сохранить как...", "", handlers.saveas);
    print_ = &AddCommand(file, "Печать...", "Ctrl+P", handlers.print);
    // The recent files go between these two lines.
    file.AddSeparator();
    file.AddSeparator();
    AddCommand(file, "Выход", "", handlers.exit);
}

void mainmenu::BuildEdit(platform::menu& edit, const mainmenuhandlers& handlers) {
    undo_ = &AddCommand(edit, "Отменить", EditShortcuts[0], handlers.undo);
    redo_ = &AddCommand(edit, "Повторить", EditShortcuts[1], handlers.redo);
    // Nothing to undo or redo in a document just begun.
    UpdateUndoRedo(false, false);
    cut_ = &AddCommand(edit, "Вырезать", EditShortcuts[2], handlers.cut);
    copy_ = &AddCommand(edit, "Копировать", EditShortcuts[3], handlers.copy);
    paste_ = &AddCommand(edit, "Вставить", EditShortcuts[4], handlers.paste);
    find_ = &AddCommand(edit, "Найти...", "Ctrl+F", handlers.find);
    // Enabled by the first search, which gives it a text to look for.
    findnext_ = &AddCommand(edit, "Найти следующий", "F3", handlers.findnext);
    findnext_->SetEnabled(false);
    replace_ = &AddCommand(edit, "Заменить...", "Ctrl+R", handlers.replace);
    AddCommand(edit, "Выделить всё", "Ctrl+A", handlers.selectall);
}

void mainmenu::BuildFormat(const mainmenuhandlers& handlers, bool saveonf2) {
    platform::menu& format = *format_;
    // The view's actions go above this line.
    format.AddSeparator();
    statusbar_ = &AddCommand(format, "Строка состояния", "", handlers.statusbar);
    statusbar_->SetChecked(true);
    allremoved_ = &AddCommand(format, "Всё лишнее убрано", AllRemovedShortcut(saveonf2), handlers.allremoved);
    ontop_ = &AddCommand(format, "Поверх других окон", "F4", handlers.ontop);
    AddCommand(format, "Просмотрщик", "", {}).SetVisible(false);
    AddCommand(format, "Шрифт...", "", handlers.font);
    // Shown: hidden, no ".enc" file could ever be loaded and no encoding seen checked.
    encodings_ = &format.Add("Кодировка").Items();
    // Disabled until the main window gives them their handlers; the loaded encodings go before
    // the last.
    AddCommand(*encodings_, "Windows", "", {}).SetChecked(true);
    AddCommand(*encodings_, "DOS", "", {});
    AddCommand(*encodings_, "Загрузить из файла...", "", {});
    // The skins found at start-up fill this submenu.
    skins_ = &format.Add("Шкурки").Items();
    AddCommand(format, "Настройка шкурки...", "", handlers.skinsettings);
}

void mainmenu::BuildExtra(const mainmenuhandlers& handlers) {
    platform::menu& extra = *extra_;
    AddCommand(extra, "Закрепить за расширениями...", "", handlers.extensions);
    AddCommand(extra, "Закрепить внешний вид за файлами...", "", handlers.pinnedfiles);
    AddCommand(extra, "Тонкая настройка...", "", handlers.finesettings);
    // The view's actions go below this line.
    extra.AddSeparator();
}

void mainmenu::BuildPlugins(const mainmenuhandlers& handlers) {
    // The plug-ins found at start-up follow.
    AddCommand(*plugins_, "Скачать новый...", "", handlers.downloadplugins);
}

void mainmenu::BuildHelp(platform::menu& help, const mainmenuhandlers& handlers) {
    AddCommand(help, "Справка...", "F1", handlers.help);
    AddCommand(help, "О программе...", "", handlers.about);
    AddCommand(help, "Информация о документе...", "Ctrl+I", handlers.documentinfo);
}

void mainmenu::ShowRecentFiles(const std::vector<std::string>& names, bool insubmenu,
                               const std::function<void(size_t)>& open) {
    platform::menu& file = *file_;
    const size_t first = file.IndexOf(*print_) + 2;
    while (!file.Item(first).Separator()) file.Remove(file.Item(first));
    platform::menu* target = &file;
    size_t position = first;
    if (insubmenu && !names.empty()) {
        target = &file.Insert(first, "Последние файлы", "Ctrl+Tab").Items();
        position = 0;
    }
    for (size_t i = 0; i < names.size(); ++i)
        target->Insert(position + i, FileNameOf(names[i])).OnClick([open, i] { open(i); });
}

void mainmenu::UpdateUndoRedo(bool canundo, bool canredo) {
    undo_->SetEnabled(canundo);
    redo_->SetEnabled(canredo);
}

void mainmenu::ClearEditShortcuts() {
    for (platform::menuitem* item : {undo_, redo_, cut_, copy_, paste_}) item->SetShortcut("");
}

void mainmenu::RestoreEditShortcuts() {
    const std::array<platform::menuitem*, 5> items{undo_, redo_, cut_, copy_, paste_};
    for (size_t i = 0; i < items.size(); ++i) items[i]->SetShortcut(EditShortcuts[i]);
}

platform::menuitem& NextEncodingItem(const platform::menu& encodings) {
    const size_t choosable = encodings.Count() - 1;
    for (size_t i = 0; i + 1 < choosable; ++i)
        if (encodings.Item(i).Checked()) return encodings.Item(i + 1);
    return encodings.Item(0);
}

}  // namespace quillmap
