#pragma once

#include "platform/files.h"

namespace quillmap::win32 {

class win32files final : public platform::files {
public:
    bool MoveReplacing(const std::filesystem::path& from, const std::filesystem::path& to) override;
    platform::fileattributes Attributes(const std::filesystem::path& path) override;
    bool SetReadOnly(const std::filesystem::path& path, bool readonly) override;
    std::optional<std::string> ReadSmallFile(const std::filesystem::path& path, size_t limit) override;
};

}  // namespace quillmap::win32
