#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/library.h"

namespace quillmap::win32 {

// The files matching *.dll in a folder, any attributes; CP1251 names.
std::vector<std::string> FindLibraryFiles(std::string_view folder);
// The library loaded from its full path, its own folder searched first for what it needs; null
// when it cannot be loaded.
std::unique_ptr<platform::library> LoadLibraryFile(std::string_view path);

}  // namespace quillmap::win32
