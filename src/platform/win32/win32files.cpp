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

std::optional<std::string> win32files::ReadSmallFile(const std::filesystem::path& path, size_t limit) {
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    std::optional<std::string> content;
    LARGE_INTEGER size{};
    // Pipes, consoles and serial ports are not disk files: a read from them may never return.
    if (GetFileType(file) == FILE_TYPE_DISK && GetFileSizeEx(file, &size) && size.QuadPart >= 0 &&
        static_cast<unsigned long long>(size.QuadPart) <= limit) {
        std::string bytes(limit + 1, '\0');
        size_t filled = 0;
        DWORD got = 0;
        // One byte more than allowed is asked for: a file that grew since its size was taken is refused.
        while (filled < bytes.size() &&
               ReadFile(file, bytes.data() + filled, static_cast<DWORD>(bytes.size() - filled), &got, nullptr) && got > 0)
            filled += got;
        if (filled <= limit) {
            bytes.resize(filled);
            content = std::move(bytes);
        }
    }
    CloseHandle(file);
    return content;
}

}  // namespace quillmap::win32
