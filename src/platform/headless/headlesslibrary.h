#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "platform/library.h"

namespace quillmap::platform {

// A library file as a test lays it in a folder: its string resources and its exports, which are
// functions of the test itself. One that does not load stands for a damaged file.
struct headlesslibraryfile {
    std::map<uint32_t, std::string> strings;
    std::map<std::string, void*, std::less<>> entries;
    bool loads = true;
};

// A loaded library file; the file's count of live loads goes down when it goes.
class headlesslibrary final : public library {
public:
    headlesslibrary(const headlesslibraryfile& file, std::shared_ptr<int32_t> live);
    ~headlesslibrary() override { --*live_; }
    headlesslibrary(const headlesslibrary&) = delete;
    headlesslibrary& operator=(const headlesslibrary&) = delete;

    void* Entry(std::string_view name) const override;
    std::string String(uint32_t id, size_t capacity) const override;

private:
    const headlesslibraryfile& file_;
    std::shared_ptr<int32_t> live_;
};

}  // namespace quillmap::platform
