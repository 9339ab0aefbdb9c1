#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/association.h"
#include "base/cp1251.h"
#include "base/extensionnames.h"
#include "platform/headless/headlessregistry.h"

namespace quillmap::testing {
namespace {

using strings = std::vector<std::string>;
using platform::headlessregistry;

constexpr char Program[] = "C:\\Quillmap\\quillmap.exe";
constexpr char Command[] = "\"C:\\Quillmap\\quillmap.exe\" \"%1\"";

std::string SystemMessage(const std::string& extension) {
    return SystemExtensionStart + extension + SystemExtensionEnd;
}

// The registry, the program and the messages told, as binding sees them.
struct binding {
    headlessregistry registry;
    strings told;
    associator with{registry, Program, [this](std::string_view text) { told.emplace_back(text); }};

    std::string Value(const std::string& key, const std::string& name = "") {
        return registry.ReadValue(key, name).value_or("<none>");
    }
    bool FileTypeWritten() {
        return Value("tarnixfile\\defaulticon") == std::string(Program) + ",0" &&
               Value("tarnixfile\\shell\\open\\command") == Command &&
               Value("tarnixfile\\shell\\open") == "Открыть с помощью Quillmap";
    }
};

TEST(HeadlessRegistry, NamesIgnoreCaseKeysComeWithTheirParentsAndLockedKeysRefuse) {
    headlessregistry registry;
    EXPECT_TRUE(registry.WriteValue("A\\B\\C", "", "x"));
    EXPECT_EQ(registry.ReadValue("a\\b\\c", ""), "x");
    EXPECT_TRUE(registry.KeyExists("A\\b"));
    EXPECT_TRUE(registry.KeyEmpty("a\\b") == false);  // a key lies under it
    EXPECT_FALSE(registry.DeleteKey("a\\b"));
    EXPECT_TRUE(registry.DeleteValue("a\\b\\c", ""));
    EXPECT_TRUE(registry.KeyEmpty("a\\b\\c"));
    EXPECT_TRUE(registry.DeleteKey("A\\B\\C"));
    EXPECT_TRUE(registry.DeleteKey("a\\b"));
    EXPECT_FALSE(registry.KeyExists("a\\b"));
    registry.lockedkeys.insert("Locked");
    EXPECT_FALSE(registry.WriteValue("locked\\below", "", "x"));
    EXPECT_TRUE(registry.WriteValue("lockedtoo", "", "x"));
    registry.unreadable = true;
    EXPECT_FALSE(registry.ReadValue("lockedtoo", ""));
    EXPECT_FALSE(registry.KeyExists("lockedtoo"));
}

TEST(Association, TheFirstStartRegistersTheProgramAmongThoseThatOpenFiles) {
    headlessregistry registry;
    EXPECT_EQ(OpenCommand(Program), Command);
    EXPECT_TRUE(RegisterOpenWith(registry, Program));
    EXPECT_EQ(registry.ReadValue("Applications\\quillmap.exe\\shell\\open\\command", ""), Command);
    registry.lockedkeys.insert("applications");
    EXPECT_FALSE(RegisterOpenWith(registry, Program));
}

TEST(Association, AGreetingListBindsEachExtensionAndRefusesWhatItCannotRead) {
    struct sample {
        const char* text;
        strings bound;
        strings told;
    };
    const std::string unreadable = UnreadableExtensionsMessage;
    const sample samples[] = {
        {"*.gif, *.png;*.jpeg", {".gif", ".png", ".jpeg"}, {}},
        {"gif", {}, {unreadable}},
        {"*.exe, *.gif", {".gif"}, {SystemMessage(".exe")}},
        // Windows does not tell .EXE from .exe.
        {"*.EXE;*.Sys,*.com", {}, {SystemMessage(".EXE"), SystemMessage(".Sys"), SystemMessage(".com")}},
        {"*.gif,  ", {".gif"}, {}},
        {"", {}, {}},
        {"   ", {}, {}},
        // A dot alone names no extension.
        {"*., *.gif", {}, {unreadable}},
        {"*.gif, *.GIF", {".gif"}, {}},
        // What follows an extension without a separator is read as the next entry.
        {".gif.png", {".gif", ".png"}, {}},
        {"*.gif *.png", {".gif", ".png"}, {}},
        {"*.gif, bmp, *.png", {".gif"}, {unreadable}},
    };
    for (const sample& s : samples) {
        binding b;
        strings extensions;
        AssociateList(b.with, s.text, extensions);
        EXPECT_EQ(extensions, s.bound) << s.text;
        EXPECT_EQ(b.told, s.told) << s.text;
        for (const std::string& extension : s.bound) EXPECT_TRUE(IsAssociated(b.registry, extension)) << s.text;
        EXPECT_EQ(b.FileTypeWritten(), !s.bound.empty()) << s.text;
        EXPECT_FALSE(b.registry.KeyExists(".exe")) << s.text;
    }
}

TEST(Association, ThePreviousOwnerIsKeptAndGivenBackAndOtherProgramsEntriesStay) {
    binding b;
    b.registry.WriteValue(".gif", "", "giffile");
    ASSERT_TRUE(Associate(b.with, ".gif", true));
    EXPECT_EQ(b.Value(".gif"), "tarnixfile");
    EXPECT_EQ(b.Value(".gif", "prevvalue"), "giffile");
    EXPECT_TRUE(b.FileTypeWritten());
    // Bound again, the program does not take itself for the previous owner.
    ASSERT_TRUE(Associate(b.with, ".GIF", false));
    EXPECT_EQ(b.Value(".gif", "prevvalue"), "giffile");
    Unassociate(b.registry, ".gif");
    EXPECT_EQ(b.Value(".gif"), "giffile");
    EXPECT_EQ(b.Value(".gif", "prevvalue"), "<none>");
    EXPECT_FALSE(IsAssociated(b.registry, ".gif"));
    // Not bound any more: nothing more is undone.
    Unassociate(b.registry, ".gif");
    EXPECT_EQ(b.Value(".gif"), "giffile");

    // A key the program made goes with the binding.
    ASSERT_TRUE(Associate(b.with, ".png", false));
    EXPECT_EQ(b.Value(".png", "prevvalue"), "<none>");
    Unassociate(b.registry, ".png");
    EXPECT_FALSE(b.registry.KeyExists(".png"));

    // A key that had no owner but held another program's entries keeps them.
    b.registry.WriteValue(".bmp\\OpenWithProgids", "paint", "");
    b.registry.WriteValue(".bmp", "Content Type", "image/bmp");
    ASSERT_TRUE(Associate(b.with, ".bmp", false));
    Unassociate(b.registry, ".bmp");
    EXPECT_TRUE(b.registry.KeyExists(".bmp\\OpenWithProgids"));
    EXPECT_EQ(b.Value(".bmp", "Content Type"), "image/bmp");
    EXPECT_EQ(b.Value(".bmp"), "<none>");
    EXPECT_TRUE(b.told.empty());
}

TEST(Association, EveryFailingWriteIsToldOnceAndAFileTypeNotWrittenIsTriedAgain) {
    {
        // The program's file type cannot be written: no extension is pointed to a type that
        // does not exist, and every extension tells its own failure.
        binding b;
        b.registry.WriteValue(".gif", "", "giffile");
        b.registry.lockedkeys.insert("TARNIXFILE\\shell");
        strings extensions;
        AssociateList(b.with, "*.gif, *.png", extensions);
        EXPECT_EQ(b.told, (strings{RegistryFailedMessage, RegistryFailedMessage}));
        EXPECT_EQ(b.Value(".gif"), "giffile");
        EXPECT_FALSE(b.registry.KeyExists(".png"));
        // They stay listed: the extensions dialog shows them unchecked, to be tried again.
        EXPECT_EQ(extensions, (strings{".gif", ".png"}));
    }
    {
        // One extension refuses: the others are bound, and the file type is written only once.
        binding b;
        b.registry.lockedkeys.insert(".png");
        strings extensions;
        AssociateList(b.with, "*.png, *.gif, *.bmp", extensions);
        EXPECT_EQ(b.told, strings{RegistryFailedMessage});
        EXPECT_TRUE(b.FileTypeWritten());
        EXPECT_TRUE(IsAssociated(b.registry, ".gif"));
        EXPECT_TRUE(IsAssociated(b.registry, ".bmp"));
        EXPECT_FALSE(IsAssociated(b.registry, ".png"));
    }
    {
        // The previous owner cannot be kept: the extension stays with it.
        binding b;
        b.registry.WriteValue(".gif", "", "giffile");
        b.registry.lockedkeys.insert(".gif");
        EXPECT_FALSE(Associate(b.with, ".gif", false));
        EXPECT_EQ(b.told, strings{RegistryFailedMessage});
        EXPECT_EQ(b.Value(".gif"), "giffile");
    }
    {
        // The program's folder has a character the system could only give as '?': no command
        // may name a program that is not there.
        binding b;
        b.with.program = "C:\\\xD1\xEB?\\quillmap.exe";
        EXPECT_FALSE(RegisterOpenWith(b.registry, b.with.program));
        EXPECT_FALSE(Associate(b.with, ".gif", true));
        EXPECT_EQ(b.told, strings{RegistryFailedMessage});
        EXPECT_TRUE(b.registry.Keys().empty());
    }
    {
        // What cannot be read counts as not bound, and removing fails in silence.
        binding b;
        ASSERT_TRUE(Associate(b.with, ".gif", true));
        b.registry.unreadable = true;
        EXPECT_FALSE(IsAssociated(b.registry, ".gif"));
        b.registry.unreadable = false;
        b.registry.lockedkeys.insert(".gif");
        Unassociate(b.registry, ".gif");
        EXPECT_TRUE(IsAssociated(b.registry, ".gif"));
        EXPECT_TRUE(b.told.empty());
    }
}

TEST(Association, TheDialogsChoicesBindTheCheckedAndLetTheUncheckedGo) {
    binding b;
    b.registry.WriteValue(".jpg", "", "jpegfile");
    strings extensions{".gif", ".jpg"};
    AssociateList(b.with, "*.gif, *.jpg", extensions);
    ApplyExtensionChoices(b.with, {{".gif", false}, {".jpg", true}, {".png", true}}, extensions);
    EXPECT_EQ(extensions, (strings{".jpg", ".png"}));
    EXPECT_FALSE(b.registry.KeyExists(".gif"));
    EXPECT_TRUE(IsAssociated(b.registry, ".jpg"));
    EXPECT_EQ(b.Value(".jpg", "prevvalue"), "jpegfile");
    EXPECT_TRUE(IsAssociated(b.registry, ".png"));
    ApplyExtensionChoices(b.with, {{".jpg", false}, {".png", false}}, extensions);
    EXPECT_TRUE(extensions.empty());
    EXPECT_EQ(b.Value(".jpg"), "jpegfile");
    EXPECT_TRUE(b.told.empty());
}

TEST(Association, TheFileDialogsFilterOffersTheBoundExtensions) {
    const std::string plain = "Картинки gif|*.gif|Все файлы|*.*";
    const std::pair<strings, std::string> samples[] = {
        {{}, plain},
        {{".txt"}, plain},
        {{".gif"}, "Картинки gif|*.gif|Поддерживаемые файлы|*.gif|Все файлы|*.*"},
        {{".txt", ".png"}, "Картинки gif|*.gif|Поддерживаемые файлы|*.txt;*.png|Все файлы|*.*"},
    };
    for (const auto& [extensions, filter] : samples) EXPECT_EQ(FileFilters(extensions), filter) << filter;
}

TEST(ExtensionNames, WhatIsTypedIntoAddBecomesAnExtensionOrIsRefused) {
    const std::pair<const char*, typedextension> samples[] = {
        {"*.PNG ", {typedextension::accepted, ".PNG"}},
        {"gif", {typedextension::accepted, ".gif"}},
        {" .jpeg", {typedextension::accepted, ".jpeg"}},
        {"", {}},
        {"   ", {}},
        {"*.", {}},
        {"*.Exe", {typedextension::system, ""}},
        {"com", {typedextension::system, ""}},
        {"g f", {typedextension::unreadable, ""}},
        {"gif\\shell", {typedextension::unreadable, ""}},
        {"**.gif", {typedextension::unreadable, ""}},
    };
    for (const auto& [text, expected] : samples) {
        const typedextension read = ReadTypedExtension(text);
        EXPECT_EQ(read.kind, expected.kind) << text;
        EXPECT_EQ(read.extension, expected.extension) << text;
    }
}

}  // namespace
}  // namespace quillmap::testing
