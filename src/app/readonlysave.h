#pragma once

#include <filesystem>
#include <functional>

#include "platform/files.h"

namespace quillmap {

// Runs `save` over `target` under the program's rule for read-only files: an existing
// read-only file is saved over only when the user allows it (`TrySaveReadOnly`); its attribute
// is then cleared for the save and put back afterwards, whether the save succeeded or not.
// Without that permission it is refused with bytefileerror (writeprotected) before anything
// is written.
void SaveRespectingReadOnly(platform::files& files, const std::filesystem::path& target, bool trysavereadonly,
                            const std::function<void()>& save);

}  // namespace quillmap
