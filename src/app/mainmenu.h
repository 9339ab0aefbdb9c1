#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/menucommand.h"
#include "platform/application.h"

namespace quillmap {

// The commands of the main window that its menus run. An unbound one leaves its items disabled.
struct mainmenuhandlers {
    menucommand newdocument;   // "Новый"
    menucommand open;          // "Открыть..."
    menucommand save;          // "Сохранить"
    menucommand saveas;        // "Сохранить как..."
    menucommand print;         // "Печать..."
    menucommand exit;          // "Выход"
    menucommand undo;          // "Отменить"
    menucommand redo;          // "Повторить"
    menucommand cut;           // "Вырезать"
    menucommand copy;          // "Копировать"
    menucommand paste;         // "Вставить"
    menucommand find;          // "Найти..."
    menucommand findnext;      // "Найти следующий"
    menucommand replace;       // "Заменить..."
    menucommand selectall;     // "Выделить всё"
    menucommand statusbar;     // "Строка состояния": flips its check mark and follows it
    menucommand allremoved;    // "Всё лишнее убрано"
    menucommand ontop;         // "Поверх других окон"
    menucommand font;          // "Шрифт..."
    menucommand finesettings;  // "Тонкая настройка..."
    menucommand extensions;    // "Закрепить за расширениями..."
    menucommand pinnedfiles;   // "Закрепить внешний вид за файлами..."
    menucommand documentinfo;  // "Информация о документе..."
    menucommand help;          // "Справка..."
    menucommand about;         // "О программе..."
    menucommand downloadplugins;  // "Скачать новый..."
    menucommand skinsettings;     // "Настройка шкурки..."
};

// The main window's menu bar: "Файл", "Правка", "Формат", "Дополнительно", "Плагины", "Помощь".
class mainmenu {
public:
    mainmenu(platform::application& app, const mainmenuhandlers& handlers, bool saveonf2);

    platform::menu& Bar() const { return *bar_; }
    // Where the view's actions go.
    platform::menu& Format() const { return *format_; }
    platform::menu& Extra() const { return *extra_; }

    platform::menuitem& Undo() const { return *undo_; }
    platform::menuitem& Redo() const { return *redo_; }
    platform::menuitem& Cut() const { return *cut_; }
    platform::menuitem& Copy() const { return *copy_; }
    platform::menuitem& Paste() const { return *paste_; }
    platform::menuitem& Print() const { return *print_; }
    platform::menuitem& StatusBar() const { return *statusbar_; }
    platform::menuitem& AllRemoved() const { return *allremoved_; }
    platform::menuitem& OnTop() const { return *ontop_; }
    platform::menuitem& Find() const { return *find_; }
    platform::menuitem& FindNext() const { return *findnext_; }
    platform::menuitem& Replace() const { return *replace_; }
    // "Шкурки", filled at start-up.
    platform::menu& Skins() const { return *skins_; }
    // "Плагины": "Скачать новый...", then the plug-ins found at start-up.
    platform::menu& Plugins() const { return *plugins_; }
    // "Windows", "DOS", the loaded encodings, then "Загрузить из файла...".
    platform::menu& Encodings() const { return *encodings_; }

    // The recent files (full paths, most recent first) between the two lines after "Печать...",
    // by their file names: in "Файл" itself, or under "Последние файлы" when `insubmenu`.
    // Choosing one tells `open` its place in the list.
    void ShowRecentFiles(const std::vector<std::string>& names, bool insubmenu,
                         const std::function<void(size_t)>& open);

    void UpdateUndoRedo(bool canundo, bool canredo);
    // While the window is inactive the edit items show no keys; a menu loop shows them again.
    void ClearEditShortcuts();
    void RestoreEditShortcuts();

private:
    void BuildFile(platform::menu& file, const mainmenuhandlers& handlers);
    void BuildEdit(platform::menu& edit, const mainmenuhandlers& handlers);
    void BuildFormat(const mainmenuhandlers& handlers, bool saveonf2);
    void BuildExtra(const mainmenuhandlers& handlers);
    void BuildPlugins(const mainmenuhandlers& handlers);
    static void BuildHelp(platform::menu& help, const mainmenuhandlers& handlers);

    std::unique_ptr<platform::menu> bar_;
    platform::menu* file_ = nullptr;
    platform::menu* format_ = nullptr;
    platform::menu* extra_ = nullptr;
    platform::menuitem* undo_ = nullptr;
    platform::menuitem* redo_ = nullptr;
    platform::menuitem* cut_ = nullptr;
    platform::menuitem* copy_ = nullptr;
    platform::menuitem* paste_ = nullptr;
    platform::menuitem* print_ = nullptr;
    platform::menuitem* statusbar_ = nullptr;
    platform::menuitem* allremoved_ = nullptr;
    platform::menuitem* ontop_ = nullptr;
    platform::menuitem* find_ = nullptr;
    platform::menuitem* findnext_ = nullptr;
    platform::menuitem* replace_ = nullptr;
    platform::menu* encodings_ = nullptr;
    platform::menu* skins_ = nullptr;
    platform::menu* plugins_ = nullptr;
};

// F8: the encoding after the checked one, the first ("Windows") after the last or when none is
// checked; "Загрузить из файла..." at the end is never chosen.
platform::menuitem& NextEncodingItem(const platform::menu& encodings);

}  // namespace quillmap
