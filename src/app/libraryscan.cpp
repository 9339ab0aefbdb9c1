#include "app/libraryscan.h"

namespace quillmap {

std::string LibraryPath(const platform::application& app, std::string_view relative) {
    return app.ProgramFolder() + "\\" + std::string(relative);
}

void ScanLibraries(platform::application& app, std::string_view folder, std::string_view signature,
                   size_t capacity, const std::function<void(const std::string&, const platform::library&)>& accept) {
    for (const std::string& name : app.FindLibraries(LibraryPath(app, folder))) {
        const std::string relative = std::string(folder) + "\\" + name;
        const std::unique_ptr<platform::library> library = app.OpenLibrary(LibraryPath(app, relative));
        if (library && library->String(1, capacity) == signature) accept(relative, *library);
    }
}

}  // namespace quillmap
