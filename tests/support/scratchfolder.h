#pragma once

#include <filesystem>
#include <algorithm>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace quillmap::testing {

// A folder of its own under the temporary folder, removed with everything in it afterwards.
// Tests run as separate processes side by side, so the name is random.
class scratchfolder {
public:
    scratchfolder() {
        std::random_device seed;
        path_ = std::filesystem::temp_directory_path() /
                ("quillmap_scratch_" + std::to_string(seed()) + "_" + std::to_string(seed()));
        std::filesystem::create_directory(path_);
    }
    ~scratchfolder() {
        std::error_code ignored;
        for (const auto& entry : std::filesystem::directory_iterator(path_, ignored)) {
            std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                         std::filesystem::perm_options::add, ignored);
        }
        std::filesystem::remove_all(path_, ignored);
    }
    scratchfolder(const scratchfolder&) = delete;
    scratchfolder& operator=(const scratchfolder&) = delete;

    std::filesystem::path operator/(std::string_view name) const { return path_ / name; }
    const std::filesystem::path& path() const { return path_; }

    // The names in the folder, sorted.
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(path_)) names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    std::filesystem::path path_;
};

inline std::string FileText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void PutFileText(const std::filesystem::path& path, std::string_view text) {
    std::ofstream(path, std::ios::binary).write(text.data(), static_cast<std::streamsize>(text.size()));
}

// A file of the given size that takes next to no disk: all zeros, written nowhere.
inline void PutSparseFile(const std::filesystem::path& path, std::uintmax_t size) {
    std::ofstream(path, std::ios::binary).close();
    std::filesystem::resize_file(path, size);
}

}  // namespace quillmap::testing
