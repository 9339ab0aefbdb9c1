#include "platform/headless/headlessclipboard.h"

namespace quillmap::platform {

bool headlessclipboard::Put(std::string_view bytes) {
    if (busy) return false;
    // Text ends at its first zero, whatever follows it.
    text_ = std::string(bytes.substr(0, bytes.find('\0')));
    own_ = std::string(bytes);
    return true;
}

std::optional<std::string> headlessclipboard::Get() {
    if (busy) return std::nullopt;
    return own_ ? *own_ : text_;
}

void headlessclipboard::PutForeignText(std::string text) {
    text_ = std::move(text);
    own_.reset();
}

}  // namespace quillmap::platform
