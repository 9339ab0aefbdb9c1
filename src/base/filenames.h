#pragma once

#include <string>
#include <string_view>

namespace quillmap {

// Rules for the names of document files, as CP1251 paths.

// The file name without its folder.
std::string FileNameOf(std::string_view path);
// The folder the file is in, without a separator at its end; empty for a bare name.
std::string FolderOf(std::string_view path);

// The name "Сохранить как..." saves under: a file name without an extension gets ".gif".
// Windows drops a trailing dot from a file name, so "image." would lose its dot and be saved
// without an extension; it is given "gif" after the dot instead.
std::string WithDefaultExtension(std::string_view path);

// Whether a name the system gave is exactly the file's. Names reach the program in CP1251, and a
// character with no CP1251 form arrives as '?', which no Windows file or folder name holds: such
// a name is not the user's file, and might otherwise lead to another one that looks like it.
// The long-path prefix "\\?\" is the one place a '?' belongs.
bool ExactFileName(std::string_view path);

}  // namespace quillmap
