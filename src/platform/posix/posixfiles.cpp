#include "platform/posix/posixfiles.h"

#include <system_error>

namespace quillmap::platform {

namespace fs = std::filesystem;

namespace {

constexpr fs::perms AnyWrite = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;

}  // namespace

bool posixfiles::MoveReplacing(const fs::path& from, const fs::path& to) {
    std::error_code error;
    // The new file gets the old one's permissions, so that saving a private file keeps it private.
    const fs::file_status old = fs::status(to, error);
    if (!error && fs::exists(old)) {
        if ((old.permissions() & AnyWrite) == fs::perms::none) return false;
        fs::permissions(from, old.permissions(), error);
        if (error) return false;
    }
    // rename replaces the target atomically within one file system, which the same folder is.
    fs::rename(from, to, error);
    return !error;
}

fileattributes posixfiles::Attributes(const fs::path& path) {
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (error || !fs::exists(status)) return {};
    return {true, (status.permissions() & AnyWrite) == fs::perms::none};
}

bool posixfiles::SetReadOnly(const fs::path& path, bool readonly) {
    std::error_code error;
    if (readonly) {
        fs::permissions(path, AnyWrite, fs::perm_options::remove, error);
    } else {
        fs::permissions(path, fs::perms::owner_write, fs::perm_options::add, error);
    }
    return !error;
}

}  // namespace quillmap::platform
