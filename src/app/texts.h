#pragma once

// Fixed texts of the main window and the application (CP1251 in the compiled program).
namespace quillmap {

inline constexpr char ApplicationTitle[] = "Quillmap";
inline constexpr char HelpFileName[] = "quillmap.chm";
inline constexpr char UntitledName[] = "Безымянный.gif";
inline constexpr char CaptionSuffix[] = " - Quillmap";

// The question before a changed document is dropped.
inline constexpr char DiscardTitle[] = "Что делать с документом?";
inline constexpr char DiscardText[] =
    "Документ, с которым вы работали, не сохранён. Если вы сейчас его не сохраните, то все изменения будут "
    "утеряны. Сохранить?";
inline constexpr char DiscardYes[] = "Да";
inline constexpr char DiscardNo[] = "Нет";
inline constexpr char DiscardCancel[] = "Отмена";

inline constexpr char InfoTitle[] = "О документе";
inline constexpr char InfoButton[] = "ОК";

// The warning before "Всё лишнее убрано" takes the menus away; the mode's key goes between the
// two parts.
inline constexpr char AllRemovedTitle[] = "ПРЕДУПРЕЖДЕНИЕ";
inline constexpr char AllRemovedTextStart[] =
    "Выйти из режима \"всё лишнее убрано\" можно:\n\r  1) С помощью клавиши ";
inline constexpr char AllRemovedTextEnd[] = ";\n\r  2) Нажав правую кнопку мыши и выбрав соответствующий пункт меню.";
inline constexpr char AllRemovedContinue[] = "Продолжить";
inline constexpr char AllRemovedNeverAgain[] = "Не показывать в будущем";

// When data.dat cannot be written at the end.
inline constexpr char StateNotSavedTitle[] = "Настройки не сохранены";
inline constexpr char StateNotSavedText[] =
    "Я не смог записать настройки в файл data.dat в папке программы. Извините, но при следующем запуске "
    "будут действовать прежние настройки.";

// When memory runs out in the middle of a command, which is then undone.
inline constexpr char OutOfMemoryTitle[] = "Не хватает памяти";
inline constexpr char OutOfMemoryText[] =
    "Для этого действия не хватило памяти, и я его не выполнил: документ остался таким, каким был. "
    "Попробуйте закрыть другие программы или закрыть раскрытые блоки.";

inline constexpr char OpenDialogTitle[] = "Открыть файл";
inline constexpr char SaveDialogTitle[] = "Сохранить как...";
inline constexpr char FileFilter[] = "Картинки gif|*.gif|Все файлы|*.*";

inline constexpr char CannotPrint[] = "По какой-то причине не могу послать этот документ на печать.";

// Where new plug-ins are offered.
inline constexpr char PluginPage[] = "https://quillmap.example.org/plugins";

}  // namespace quillmap
