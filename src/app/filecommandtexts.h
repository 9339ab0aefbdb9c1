#pragma once

// What the file commands tell the user when a document cannot be loaded or saved (CP1251 in
// the compiled program). Every load failure, a file too large for 32-bit positions included,
// reads the same; so does every save failure, a refused read-only file included.
namespace quillmap {

inline constexpr char LoadFailedMessage[] = "Файл открыть не получилось (возможно, он слишком велик)";
inline constexpr char SaveFailedMessage[] = "По всей видимости, файл защищён от записи. Не могу сохранить изменения.";
// Around the name of a file or folder that the system could give only with '?' in it.
inline constexpr char InexactNameStart[] = "Я не могу работать с \"";
inline constexpr char InexactNameEnd[] =
    "\": в этом имени есть буквы, которых нет в кодировке Windows-1251 (вместо них я вижу знаки \"?\"). "
    "Переименуйте, пожалуйста, файл или папку.";

}  // namespace quillmap
