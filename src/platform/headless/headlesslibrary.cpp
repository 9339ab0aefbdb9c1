#include "platform/headless/headlesslibrary.h"

#include <algorithm>
#include <utility>

namespace quillmap::platform {

headlesslibrary::headlesslibrary(const headlesslibraryfile& file, std::shared_ptr<int32_t> live)
    : file_(file), live_(std::move(live)) {
    ++*live_;
}

void* headlesslibrary::Entry(std::string_view name) const {
    const auto found = file_.entries.find(name);
    return found == file_.entries.end() ? nullptr : found->second;
}

std::string headlesslibrary::String(uint32_t id, size_t capacity) const {
    const auto found = file_.strings.find(id);
    if (found == file_.strings.end() || capacity == 0) return {};
    const std::string& text = found->second;
    return text.substr(0, std::min({text.find('\0'), text.size(), capacity - 1}));
}

}  // namespace quillmap::platform
