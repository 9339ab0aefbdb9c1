#include "platform/posix/posixfiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

std::optional<std::string> posixfiles::ReadSmallFile(const fs::path& path, size_t limit) {
    // Without blocking: opening a FIFO nobody writes to would otherwise wait for a writer.
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0) return std::nullopt;
    std::optional<std::string> content;
    struct stat status {};
    if (::fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode) && status.st_size >= 0 &&
        static_cast<unsigned long long>(status.st_size) <= limit) {
        // One byte more than allowed is asked for: a file that grew since its size was taken is refused.
        std::string bytes(limit + 1, '\0');
        size_t filled = 0;
        ssize_t got = 0;
        while (filled < bytes.size() && (got = ::read(descriptor, bytes.data() + filled, bytes.size() - filled)) > 0)
            filled += static_cast<size_t>(got);
        if (got >= 0 && filled <= limit) {
            bytes.resize(filled);
            content = std::move(bytes);
        }
    }
    ::close(descriptor);
    return content;
}

}  // namespace quillmap::platform
