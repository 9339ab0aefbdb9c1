#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "platform/dialogform.h"

namespace quillmap {

// A text of a dialog's check list (a path, an extension) with its check mark.
struct checkedtext {
    std::string text;
    bool checked = true;
    friend bool operator==(const checkedtext&, const checkedtext&) = default;
};

// The list's items as the user left them, in their order.
std::vector<checkedtext> CheckedTexts(const platform::dialogform& form, size_t list);

}  // namespace quillmap
