#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillmap {

// Rules for the file extensions the program binds itself to: a dot and a run of Latin letters,
// digits and "_", such as ".gif". Windows does not tell letter cases apart in them.

// A character that may follow the dot.
bool ExtensionChar(char c);
// Names the registry does not tell apart (extensions, file types): Latin letters of either case.
bool SameName(std::string_view a, std::string_view b);
bool ListsExtension(const std::vector<std::string>& extensions, std::string_view extension);
// ".exe", ".sys" and ".com", in any case: the system itself runs them.
bool SystemExtension(std::string_view extension);

// What the user is told of an entry that names no extension.
inline constexpr char UnreadableExtensionsMessage[] =
    "К сожалению, я не разобрал запись, которую вы написали. Поэтому не могу за собой закрепить расширения "
    "файлов.";

// What the user typed into "Добавить..." makes of an extension.
struct typedextension {
    enum kinds {
        none,        // nothing typed: nothing happens
        unreadable,  // not an extension at all
        system,      // one the system needs
        accepted,
    } kind = none;
    std::string extension;  // with its dot, when accepted
};
// Blanks around it, one leading "*" and one leading "." are dropped ("*.PNG " is ".PNG").
typedextension ReadTypedExtension(std::string_view text);

}  // namespace quillmap
