#include "platform/win32/win32files.h"

#include "platform/win32/winapi.h"

namespace quillmap::win32 {

bool win32files::MoveReplacing(const std::filesystem::path& from, const std::filesystem::path& to) {
    // A hidden or system file stays so after a save.
    const DWORD old = GetFileAttributesW(to.c_str());
    if (old != INVALID_FILE_ATTRIBUTES && ((old & FILE_ATTRIBUTE_READONLY) || !SetFileAttributesW(from.c_str(), old))) {
        return false;
    }
    // Write-through: the call returns only once the move has reached the disk.
    return MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

platform::fileattributes win32files::Attributes(const std::filesystem::path& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return {};
    return {true, (attributes & FILE_ATTRIBUTE_READONLY) != 0};
}

bool win32files::SetReadOnly(const std::filesystem::path& path, bool readonly) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return false;
    const DWORD changed =
        readonly ? attributes | FILE_ATTRIBUTE_READONLY : attributes & ~DWORD{FILE_ATTRIBUTE_READONLY};
    return SetFileAttributesW(path.c_str(), changed) != 0;
}

}  // namespace quillmap::win32
