#include "app/pinnedchoices.h"

#include "app/appearance.h"

namespace quillmap {

bool ApplyPinnedChoices(std::vector<winposit>& pinned, const std::vector<checkedtext>& choices,
                        const std::function<bool(const std::string&)>& pin) {
    for (const checkedtext& choice : choices) {
        if (!choice.checked) RemovePinned(pinned, choice.text);
        else if (FindPinned(pinned, choice.text) == nullptr && !pin(choice.text)) return false;
    }
    return true;
}

}  // namespace quillmap
