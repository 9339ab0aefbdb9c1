#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "dialogs/tform5.h"
#include "platform/registry.h"

namespace quillmap {

// The file type the program registers: the extensions it opens point to it.
inline constexpr char ProgramFileType[] = "tarnixfile";
// An extension's owner before the program took it, given back when the program lets it go.
inline constexpr char PreviousValue[] = "prevvalue";

inline constexpr char RegistryFailedMessage[] =
    "Я не смог записать данные в реестр. Извините, но расширения не будут привязаны к этой программе.";
inline constexpr char SystemExtensionStart[] = "Расширение ";
inline constexpr char SystemExtensionEnd[] =
    " очень важно для системы. И если я закреплюсь за ним, то это может привести к её краху. Так что я "
    "рисковать не буду.";

// What binding extensions needs: the registry, the program's executable and a way to tell the
// user why something was not done.
struct associator {
    platform::registry& registry;
    std::string program;  // the executable's full path
    std::function<void(std::string_view)> tell;
};

// The command that opens a file with the program: the path and "%1", each in quotes.
std::string OpenCommand(std::string_view program);

// The program among those the shell offers in "Открыть с помощью"; false when the registry
// refused, or the program's path has a character the system could not give.
bool RegisterOpenWith(platform::registry& registry, std::string_view program);

// The extension's files open with the program; any failure to read counts as not.
bool IsAssociated(platform::registry& registry, std::string_view extension);

// Binds the extension to the program, keeping its previous owner to give back; with first, the
// program's file type is written too. A refusal of the registry is told, once; false then.
bool Associate(const associator& with, std::string_view extension, bool first);

// Gives a bound extension back to its previous owner, or takes away what the program put there
// when it had none; other programs' values and keys under it stay. Failures pass in silence.
void Unassociate(platform::registry& registry, std::string_view extension);

// Binds each extension of a list typed at the first start ("*.gif, *.png;*.jpeg"), adding it to
// extensions; the program's file type is written with the first one bound. An entry that is not
// an extension ends the list with a message; one the system needs is refused with another.
void AssociateList(const associator& with, std::string_view text, std::vector<std::string>& extensions);

// The extensions become the checked ones, in their order, bound; the unchecked ones are let go.
void ApplyExtensionChoices(const associator& with, const std::vector<checkedtext>& choices,
                           std::vector<std::string>& extensions);

// The open and save dialogs' filter: the bound extensions make one entry of their own between
// the GIF pictures and all files; a lone ".txt" does not.
std::string FileFilters(const std::vector<std::string>& extensions);

}  // namespace quillmap
