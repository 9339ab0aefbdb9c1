#include "app/libraryscan.h"

#include <algorithm>
#include <cctype>

namespace quillmap {

std::string LibraryPath(const platform::application& app, std::string_view relative) {
    return app.ProgramFolder() + "\\" + std::string(relative);
}

void ScanLibraries(platform::application& app, std::string_view folder, std::string_view signature,
                   size_t capacity, const std::function<void(const std::string&, const platform::library&)>& accept) {
    // In the order of their names, whatever order the file system keeps them in.
    std::vector<std::string> names = app.FindLibraries(LibraryPath(app, folder));
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
            return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
        });
    });
    for (const std::string& name : names) {
        const std::string relative = std::string(folder) + "\\" + name;
        const std::unique_ptr<platform::library> library = app.OpenLibrary(LibraryPath(app, relative));
        if (library && library->String(1, capacity) == signature) accept(relative, *library);
    }
}

}  // namespace quillmap
