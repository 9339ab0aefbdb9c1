#pragma once

#include "platform/files.h"

namespace quillmap::platform {

// The file services on Linux and other POSIX systems, for the tests and the command-line tool.
// A file counts as read-only when nobody may write it.
class posixfiles final : public files {
public:
    bool MoveReplacing(const std::filesystem::path& from, const std::filesystem::path& to) override;
    fileattributes Attributes(const std::filesystem::path& path) override;
    bool SetReadOnly(const std::filesystem::path& path, bool readonly) override;
    std::optional<std::string> ReadSmallFile(const std::filesystem::path& path, size_t limit) override;
};

}  // namespace quillmap::platform
