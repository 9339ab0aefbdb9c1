#pragma once

#include <filesystem>
#include <functional>

#include "platform/files.h"

namespace quillmap {

// Writes a file so that a failed write never costs the file that was there: `write` fills a
// new file in the same folder, which takes the place of `target` only once it is complete and
// closed. On any failure the new file is removed, `target` is left as it was, and the
// exception reaches the caller (bytefileerror when the replacement itself is refused).
void WriteReplacing(platform::files& files, const std::filesystem::path& target,
                    const std::function<void(const std::filesystem::path& temporary)>& write);

}  // namespace quillmap
