#include "base/filenames.h"

namespace quillmap {

namespace {

// Where the file name starts: after the last folder separator or drive colon.
std::string_view::size_type FileNameStart(std::string_view path) {
    const auto separator = path.find_last_of("\\/:");
    return separator == std::string_view::npos ? 0 : separator + 1;
}

}  // namespace

std::string FileNameOf(std::string_view path) { return std::string(path.substr(FileNameStart(path))); }

std::string FolderOf(std::string_view path) {
    std::string_view folder = path.substr(0, FileNameStart(path));
    if (!folder.empty() && (folder.back() == '\\' || folder.back() == '/')) folder.remove_suffix(1);
    return std::string(folder);
}

std::string WithDefaultExtension(std::string_view path) {
    const std::string_view name = path.substr(FileNameStart(path));
    std::string result(path);
    if (name.empty()) return result;
    if (name.back() == '.') return result + "gif";
    if (name.find('.') == std::string_view::npos) return result + ".gif";
    return result;
}

bool ExactFileName(std::string_view path) {
    constexpr std::string_view LongPathPrefix = "\\\\?\\";
    if (path.starts_with(LongPathPrefix)) path.remove_prefix(LongPathPrefix.size());
    return path.find('?') == std::string_view::npos;
}

}  // namespace quillmap
