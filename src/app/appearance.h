#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "app/statefile.h"

namespace quillmap {

// The appearance pinned to a file: the first record whose path is exactly the file's (letter
// case counts); none when the file has none.
winposit* FindPinned(std::vector<winposit>& pinned, std::string_view path);

// Pins an appearance to a path, after the records there are; false, and nothing pinned, when
// MaxPinned records are there already.
bool PinAppearance(std::vector<winposit>& pinned, winposit look, std::string path);

// Every record of the path goes; the later ones move up.
void RemovePinned(std::vector<winposit>& pinned, std::string_view path);

}  // namespace quillmap
