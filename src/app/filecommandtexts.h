#pragma once

// What the file commands tell the user when a document cannot be loaded or saved (CP1251 in
// the compiled program). Every load failure, a file too large for 32-bit positions included,
// reads the same; so does every save failure, a refused read-only file included.
namespace quillmap {

inline constexpr char LoadFailedMessage[] = "Файл открыть не получилось (возможно, он слишком велик)";
inline constexpr char SaveFailedMessage[] = "По всей видимости, файл защищён от записи. Не могу сохранить изменения.";

}  // namespace quillmap
