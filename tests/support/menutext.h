#pragma once

#include <string>
#include <vector>

#include "platform/menu.h"

namespace quillmap::testing {

// A menu's items as UTF-8 lines, for readable comparisons: "caption\tshortcut", or "---" for a
// separator.
std::vector<std::string> MenuLines(const platform::menu& items);

// The item of `items` with this UTF-8 caption; fails the test when there is none.
platform::menuitem& ItemCalled(const platform::menu& items, const std::string& caption);

}  // namespace quillmap::testing
