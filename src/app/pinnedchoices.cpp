#include "app/pinnedchoices.h"

#include "app/appearance.h"

namespace quillmap {

bool ApplyPinnedChoices(std::vector<winposit>& pinned, const std::vector<pinnedchoice>& choices,
                        const std::function<bool(const std::string&)>& pin) {
    for (const pinnedchoice& choice : choices) {
        if (!choice.checked) RemovePinned(pinned, choice.path);
        else if (FindPinned(pinned, choice.path) == nullptr && !pin(choice.path)) return false;
    }
    return true;
}

}  // namespace quillmap
