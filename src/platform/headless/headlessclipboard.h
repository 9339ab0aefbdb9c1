#pragma once

#include <optional>
#include <string>

#include "platform/clipboard.h"

namespace quillmap::platform {

// A clipboard the tests read and fill, with the two forms the system clipboard keeps: the text
// every program sees, and the program's own exact bytes.
class headlessclipboard final : public clipboard {
public:
    bool Put(std::string_view bytes) override;
    std::optional<std::string> Get() override;

    // Another program puts text there, which replaces the program's own bytes.
    void PutForeignText(std::string text);
    // The text other programs read.
    const std::string& Text() const { return text_; }
    // Another program holds the clipboard open: neither putting nor getting works.
    bool busy = false;

private:
    std::string text_;
    std::optional<std::string> own_;
};

}  // namespace quillmap::platform
