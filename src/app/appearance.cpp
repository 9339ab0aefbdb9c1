#include "app/appearance.h"

#include <algorithm>
#include <utility>

namespace quillmap {

winposit* FindPinned(std::vector<winposit>& pinned, std::string_view path) {
    const auto found = std::find_if(pinned.begin(), pinned.end(), [path](const winposit& look) { return look.path == path; });
    return found == pinned.end() ? nullptr : &*found;
}

bool PinAppearance(std::vector<winposit>& pinned, winposit look, std::string path) {
    if (pinned.size() >= size_t{MaxPinned}) return false;
    look.path = std::move(path);
    pinned.push_back(std::move(look));
    return true;
}

void RemovePinned(std::vector<winposit>& pinned, std::string_view path) {
    std::erase_if(pinned, [path](const winposit& look) { return look.path == path; });
}

}  // namespace quillmap
