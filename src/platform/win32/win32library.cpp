#include "platform/win32/win32library.h"

#include "platform/win32/textcodec.h"
#include "platform/win32/winapi.h"

namespace quillmap::win32 {

namespace {

class win32library final : public platform::library {
public:
    explicit win32library(HMODULE module) : module_(module) {}
    ~win32library() override { FreeLibrary(module_); }
    win32library(const win32library&) = delete;
    win32library& operator=(const win32library&) = delete;

    void* Entry(std::string_view name) const override {
        return reinterpret_cast<void*>(GetProcAddress(module_, std::string(name).c_str()));
    }

    std::string String(uint32_t id, size_t capacity) const override {
        if (capacity == 0) return {};
        // Read wide and converted here, so that the texts come out right whatever the system's
        // own code page is.
        std::wstring text(capacity, L'\0');
        const int length = LoadStringW(module_, id, text.data(), static_cast<int>(capacity));
        text.resize(length > 0 ? static_cast<size_t>(length) : 0);
        return Cp1251FromWide(text.substr(0, text.find(L'\0')));
    }

private:
    HMODULE module_;
};

}  // namespace

std::vector<std::string> FindLibraryFiles(std::string_view folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW((WideFromCp1251(folder) + L"\\*.dll").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(Cp1251FromWide(found.cFileName));
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

std::unique_ptr<platform::library> LoadLibraryFile(std::string_view path) {
    const HMODULE module = LoadLibraryExW(WideFromCp1251(path).c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    if (module == nullptr) return nullptr;
    return std::make_unique<win32library>(module);
}

}  // namespace quillmap::win32
