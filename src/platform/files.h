#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

namespace quillmap::platform {

// What the file system tells about a file before the program writes over it.
struct fileattributes {
    bool exists = false;
    bool readonly = false;
};

// File services whose exact behaviour belongs to the operating system.
class files {
public:
    virtual ~files() = default;
    // Puts the finished file `from` in the place of `to` in one step, creating `to` when it
    // does not exist, so that `to` is at every moment either the old file or the whole new
    // one. The new file takes the old one's attributes. A read-only `to` is refused: a rename
    // would pass over the attribute unnoticed (as POSIX and Wine do), so the caller clears it
    // first and puts it back itself. False when refused; `from` is then still there and `to`
    // unchanged.
    virtual bool MoveReplacing(const std::filesystem::path& from, const std::filesystem::path& to) = 0;
    virtual fileattributes Attributes(const std::filesystem::path& path) = 0;
    // False when the attribute could not be changed.
    virtual bool SetReadOnly(const std::filesystem::path& path, bool readonly) = 0;
    // The whole content of a small file the user named: nothing when it is missing, not a plain
    // file on a disk (a folder, a pipe, a device such as "CON" or a serial port, where a read
    // could wait for ever), or larger than limit bytes. Opened for reading only.
    virtual std::optional<std::string> ReadSmallFile(const std::filesystem::path& path, size_t limit) = 0;
};

}  // namespace quillmap::platform
