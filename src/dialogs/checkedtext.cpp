#include "dialogs/checkedtext.h"

namespace quillmap {

std::vector<checkedtext> CheckedTexts(const platform::dialogform& form, size_t list) {
    std::vector<checkedtext> items;
    for (size_t k = 0; k < form.CheckListCount(list); ++k)
        items.push_back({form.CheckListText(list, k), form.CheckListChecked(list, k)});
    return items;
}

}  // namespace quillmap
