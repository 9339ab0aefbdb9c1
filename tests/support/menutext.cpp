#include "support/menutext.h"

#include <stdexcept>

#include "base/cp1251.h"

namespace quillmap::testing {

std::vector<std::string> MenuLines(const platform::menu& items) {
    std::vector<std::string> lines;
    for (size_t i = 0; i < items.Count(); ++i) {
        const platform::menuitem& item = items.Item(i);
        lines.push_back(item.Separator() ? "---" : Cp1251ToUtf8(item.Caption()) + "\t" + item.Shortcut());
    }
    return lines;
}

platform::menuitem& ItemCalled(const platform::menu& items, const std::string& caption) {
    for (size_t i = 0; i < items.Count(); ++i) {
        if (Cp1251ToUtf8(items.Item(i).Caption()) == caption) return items.Item(i);
    }
    throw std::out_of_range("no menu item " + caption);
}

}  // namespace quillmap::testing
