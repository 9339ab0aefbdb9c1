#include "dialogs/searchhooks.h"

#include <string>

namespace quillmap {

std::string SearchEndedText(std::string_view phrase, std::string_view ending) {
    return "Я завершил поиск текста \"" + std::string(phrase) + "\"" + std::string(ending);
}

void ReportSearchEnded(const searchhooks& hooks, platform::dialogform& dialog, platform::system& system,
                       std::string_view phrase, std::string_view ending) {
    system.MessageBeep(platform::beepkind::asterisk);
    hooks.begindialog();
    dialog.ShowMessage(SearchEndedText(phrase, ending));
    hooks.enddialog();
}

}  // namespace quillmap
