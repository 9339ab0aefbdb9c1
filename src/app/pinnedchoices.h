#pragma once

#include <functional>
#include <string>
#include <vector>

#include "app/statefile.h"
#include "dialogs/tform6.h"

namespace quillmap {

inline constexpr char PinnedFullMessage[] =
    "Я могу закрепить внешний вид максимум только за 100 файлами. Больше у меня не получается. Извимните.";

// What "ОК" in the pinned files dialog does, entry after entry in the list's order: a checked
// path without a pinned record is pinned (pin records the window's appearance as it is now and
// answers false when the list is full), an unchecked one loses every record of its path. False
// when a pin found the list full: the entries after it are left alone.
bool ApplyPinnedChoices(std::vector<winposit>& pinned, const std::vector<checkedtext>& choices,
                        const std::function<bool(const std::string&)>& pin);

}  // namespace quillmap
