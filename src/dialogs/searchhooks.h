#pragma once

#include <functional>
#include <string_view>

#include "platform/dialogform.h"
#include "platform/system.h"
#include "views/vwstruct.h"

namespace quillmap {

// What the find and replace dialogs ask of the main window; set once by it.
struct searchhooks {
    // The view of the open document, whatever view that is by now.
    std::function<vwstruct&()> view;
    // The scroll bars follow the view, which is drawn again.
    std::function<void()> followview;
    // After a replacement: the bars' ranges follow the content, the document is marked changed,
    // and the bars follow the view.
    std::function<void()> byteschanged;
    std::function<void()> updateundoredo;
    // Around a message box.
    std::function<void()> begindialog;
    std::function<void()> enddialog;
    // A dialog went away: the main window goes back on top when it is kept there.
    std::function<void()> dialoghidden;
    // The text colour and background of the codes, which the phrase boxes take.
    std::function<platform::colour()> textcolour;
    std::function<platform::colour()> backgroundcolour;
};

// "Я завершил поиск текста" with the phrase quoted and the ending.
std::string SearchEndedText(std::string_view phrase, std::string_view ending);

// A search that found nothing (more): the asterisk sound, then the message in a box of the
// system's over the dialog, between the main window's steps around dialogs.
void ReportSearchEnded(const searchhooks& hooks, platform::dialogform& dialog, platform::system& system,
                       std::string_view phrase, std::string_view ending);

}  // namespace quillmap
