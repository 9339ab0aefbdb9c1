#pragma once

#include "platform/clipboard.h"

namespace quillmap::win32 {

// CF_TEXT with a Russian CF_LOCALE for other programs, and the exact bytes in a format
// registered by name, which every running copy of the program knows by that name.
class win32clipboard final : public platform::clipboard {
public:
    bool Put(std::string_view bytes) override;
    std::optional<std::string> Get() override;
};

}  // namespace quillmap::win32
