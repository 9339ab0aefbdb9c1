#include "app/association.h"

#include "app/texts.h"
#include "base/extensionnames.h"
#include "base/filenames.h"

namespace quillmap {

namespace {

constexpr char OpenVerb[] = "Открыть с помощью Quillmap";

std::string Key(std::string_view first, std::string_view rest) { return std::string(first) + std::string(rest); }

bool RegisterFileType(const associator& with) {
    // A path the system could give only approximately would name a program that is not there.
    return ExactFileName(with.program) && with.registry.WriteValue(Key(ProgramFileType, "\\defaulticon"), "", with.program + ",0") &&
           with.registry.WriteValue(Key(ProgramFileType, "\\shell\\open\\command"), "", OpenCommand(with.program)) &&
           with.registry.WriteValue(Key(ProgramFileType, "\\shell\\open"), "", OpenVerb);
}

bool PointToProgram(platform::registry& registry, std::string_view extension) {
    if (registry.KeyExists(extension)) {
        const std::string previous = registry.ReadValue(extension, "").value_or("");
        if (SameName(previous, ProgramFileType)) return true;
        // Without an owner before there is none to give back.
        if (!previous.empty() && !registry.WriteValue(extension, PreviousValue, previous)) return false;
    }
    return registry.WriteValue(extension, "", ProgramFileType);
}

}  // namespace

std::string OpenCommand(std::string_view program) { return "\"" + std::string(program) + "\" \"%1\""; }

bool RegisterOpenWith(platform::registry& registry, std::string_view program) {
    return ExactFileName(program) && registry.WriteValue("applications\\" + FileNameOf(program) + "\\shell\\open\\command", "",
                               OpenCommand(program));
}

bool IsAssociated(platform::registry& registry, std::string_view extension) {
    if (!registry.KeyExists(extension)) return false;
    const std::optional<std::string> owner = registry.ReadValue(extension, "");
    return owner && SameName(*owner, ProgramFileType);
}

bool Associate(const associator& with, std::string_view extension, bool first) {
    if ((first && !RegisterFileType(with)) || !PointToProgram(with.registry, extension)) {
        with.tell(RegistryFailedMessage);
        return false;
    }
    return true;
}

void Unassociate(platform::registry& registry, std::string_view extension) {
    if (!IsAssociated(registry, extension)) return;
    const std::string previous = registry.ReadValue(extension, PreviousValue).value_or("");
    if (!previous.empty()) {
        // The owner comes back before its note goes, so that a failure cannot lose it.
        if (registry.WriteValue(extension, "", previous)) registry.DeleteValue(extension, PreviousValue);
        return;
    }
    registry.DeleteValue(extension, "");
    registry.DeleteValue(extension, PreviousValue);
    // A key the program made goes; one that holds what other programs put there stays.
    if (registry.KeyEmpty(extension)) registry.DeleteKey(extension);
}

void AssociateList(const associator& with, std::string_view text, std::vector<std::string>& extensions) {
    bool first = true;
    while (!text.empty()) {
        const size_t start = text.find_first_not_of(' ');
        if (start == std::string_view::npos) return;
        text.remove_prefix(start);
        if (text.starts_with('*')) text.remove_prefix(1);
        size_t length = 1;
        while (length < text.size() && ExtensionChar(text[length])) ++length;
        // A dot alone names no extension.
        if (!text.starts_with('.') || length == 1) {
            with.tell(UnreadableExtensionsMessage);
            return;
        }
        const std::string extension(text.substr(0, length));
        if (SystemExtension(extension)) {
            with.tell(SystemExtensionStart + extension + SystemExtensionEnd);
        } else {
            // The file type is written again with the next extension until it has been once.
            if (Associate(with, extension, first)) first = false;
            if (!ListsExtension(extensions, extension)) extensions.push_back(extension);
        }
        text.remove_prefix(length);
        if (text.starts_with(',') || text.starts_with(';')) text.remove_prefix(1);
    }
}

void ApplyExtensionChoices(const associator& with, const std::vector<checkedtext>& choices,
                           std::vector<std::string>& extensions) {
    extensions.clear();
    bool first = true;
    for (const checkedtext& choice : choices) {
        if (!choice.checked) {
            Unassociate(with.registry, choice.text);
            continue;
        }
        if (Associate(with, choice.text, first)) first = false;
        extensions.push_back(choice.text);
    }
}

std::string FileFilters(const std::vector<std::string>& extensions) {
    if (extensions.empty() || (extensions.size() == 1 && extensions.front() == ".txt")) return FileFilter;
    std::string patterns;
    for (const std::string& extension : extensions) patterns += (patterns.empty() ? "*" : ";*") + extension;
    return "Картинки gif|*.gif|Поддерживаемые файлы|" + patterns + "|Все файлы|*.*";
}

}  // namespace quillmap
