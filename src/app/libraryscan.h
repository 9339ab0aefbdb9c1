#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "platform/application.h"

namespace quillmap {

// The full path of a library named relative to the program's folder ("plugins\x.dll"): libraries
// are looked for there only, never in the current folder, where a document's folder could have
// put one.
std::string LibraryPath(const platform::application& app, std::string_view relative);

// Loads each file matching *.dll in the program's folder `folder`, in the order of their names
// (letter case aside), and, when its string 1 read into
// `capacity` characters is the signature, tells `accept` the relative path ("folder\" + file name)
// and the library; the library is let go in either case.
void ScanLibraries(platform::application& app, std::string_view folder, std::string_view signature,
                   size_t capacity, const std::function<void(const std::string&, const platform::library&)>& accept);

}  // namespace quillmap
