#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "base/bytefile.h"
#include "platform/headless/headlesscanvas.h"
#include "platform/headless/headlesssystem.h"
#include "platform/posix/posixfiles.h"
#include "support/corpus.h"
#include "support/scratchfolder.h"
#include "support/settingsguard.h"
#include "views/documentfile.h"
#include "views/vwgif.h"

namespace quillmap::testing {
namespace {

std::filesystem::path Scratch(const char* name) {
    return std::filesystem::temp_directory_path() / (std::string("quillmap-documentfile-") + name);
}

TEST(DocumentFile, LoadsWhatTheFileHoldsAndSavesItBack) {
    const auto original = CorpusDir() / "welcome2.gif";
    const std::vector<uint8_t> bytes = LoadDocumentBytes(original);
    platform::posixfiles files;
    EXPECT_EQ(bytes, ReadFile(original));

    const auto copy = Scratch("copy.gif");
    SaveDocumentBytes(files, copy, bytes);
    EXPECT_EQ(ReadFile(copy), bytes);
    std::filesystem::remove(copy);
}

TEST(DocumentFile, EmptyDocument) {
    const auto empty = Scratch("empty.gif");
    platform::posixfiles files;
    SaveDocumentBytes(files, empty, {});
    EXPECT_EQ(std::filesystem::file_size(empty), 0u);
    EXPECT_TRUE(LoadDocumentBytes(empty).empty());
    std::filesystem::remove(empty);
}

TEST(DocumentFile, FailuresReachTheCaller) {
    EXPECT_THROW(LoadDocumentBytes(Scratch("missing.gif")), bytefileerror);
    const std::vector<uint8_t> bytes(10, 1);
    platform::posixfiles files;
    EXPECT_THROW(SaveDocumentBytes(files, Scratch("no-such-folder") / "x.gif", bytes), bytefileerror);
}

// A file of 2^31 bytes, one more than 32-bit positions reach. Sparse, so it takes no disk space.
std::filesystem::path HugeFile(const scratchfolder& folder) {
    const auto path = folder / "huge.gif";
    PutFileText(path, "GIF89a");
    std::error_code error;
    std::filesystem::resize_file(path, std::uintmax_t{1} << 31, error);
    if (error || std::filesystem::file_size(path) != std::uintmax_t{1} << 31) return {};
    return path;
}

TEST(DocumentFile, AFileTooLargeForTheDocumentIsRefusedBeforeAnyByteIsRead) {
    scratchfolder folder;
    const auto huge = HugeFile(folder);
    if (huge.empty()) GTEST_SKIP() << "this file system will not hold a sparse 2 GiB file";
    try {
        LoadDocumentBytes(huge);
        FAIL() << "no error";
    } catch (const bytefileerror& error) {
        EXPECT_EQ(error.Fault(), bytefilefault::toolarge);
    }
}

TEST(DocumentFile, AViewThatCannotLoadAFileKeepsItsDocument) {
    scratchfolder folder;
    const auto huge = HugeFile(folder);
    if (huge.empty()) GTEST_SKIP() << "this file system will not hold a sparse 2 GiB file";
    settingsguard settings;
    platform::headlesscanvas canvas;
    platform::headlesssystem system;
    vwgif view{canvas, system};
    PutFileText(folder / "small.gif", "GIF87a");
    view.LoadFromFile((folder / "small.gif").string());

    EXPECT_THROW(view.LoadFromFile(huge.string()), bytefileerror);
    EXPECT_EQ(view.Bytes(), (std::vector<uint8_t>{'G', 'I', 'F', '8', '7', 'a'}));
}

TEST(DocumentFile, AReadOnlyFileIsNotSavedOver) {
    scratchfolder folder;
    platform::posixfiles files;
    PutFileText(folder / "locked.gif", "old");
    files.SetReadOnly(folder / "locked.gif", true);
    try {
        SaveDocumentBytes(files, folder / "locked.gif", std::vector<uint8_t>{'n', 'e', 'w'});
        FAIL() << "no error";
    } catch (const bytefileerror& error) {
        EXPECT_EQ(error.Fault(), bytefilefault::replacefailed);
    }
    EXPECT_EQ(FileText(folder / "locked.gif"), "old");
    EXPECT_TRUE(files.Attributes(folder / "locked.gif").readonly);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"locked.gif"});
}

TEST(DocumentFile, AViewSavesOverTheOldFileWithoutLeavingAnythingBeside) {
    scratchfolder folder;
    settingsguard settings;
    platform::headlesscanvas canvas;
    platform::headlesssystem system;
    vwgif view{canvas, system};
    PutFileText(folder / "a.gif", "GIF87a");
    view.LoadFromFile((folder / "a.gif").string());
    PutFileText(folder / "a.gif", "something else, longer than the document");

    view.SaveToFile((folder / "a.gif").string());
    EXPECT_EQ(FileText(folder / "a.gif"), "GIF87a");
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"a.gif"});
}

}  // namespace
}  // namespace quillmap::testing
