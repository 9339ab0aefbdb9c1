#include <gtest/gtest.h>

#include "base/filenames.h"

namespace quillmap::testing {
namespace {

TEST(FileNames, TheFileNameIsWhatFollowsTheFolder) {
    EXPECT_EQ(FileNameOf("C:\\Картинки\\кот.gif"), "кот.gif");
    EXPECT_EQ(FileNameOf("/home/me/cat.gif"), "cat.gif");
    EXPECT_EQ(FileNameOf("C:cat.gif"), "cat.gif");
    EXPECT_EQ(FileNameOf("cat.gif"), "cat.gif");
}

TEST(FileNames, ANameWithoutAnExtensionGetsGif) {
    EXPECT_EQ(WithDefaultExtension("image"), "image.gif");
    EXPECT_EQ(WithDefaultExtension("C:\\pics\\image"), "C:\\pics\\image.gif");
}

TEST(FileNames, AnyExtensionIsKept) {
    EXPECT_EQ(WithDefaultExtension("image.bin"), "image.bin");
    EXPECT_EQ(WithDefaultExtension("C:\\pics\\image.gif"), "C:\\pics\\image.gif");
    EXPECT_EQ(WithDefaultExtension("archive.tar.gz"), "archive.tar.gz");
}

TEST(FileNames, ADotInAFolderNameIsNotAnExtension) {
    EXPECT_EQ(WithDefaultExtension("C:\\my.pictures\\image"), "C:\\my.pictures\\image.gif");
    EXPECT_EQ(WithDefaultExtension("/home/me/v1.2/image"), "/home/me/v1.2/image.gif");
}

TEST(FileNames, ATrailingDotIsFollowedByGif) {
    EXPECT_EQ(WithDefaultExtension("C:\\pics\\image."), "C:\\pics\\image.gif");
}

TEST(FileNames, TheFolderOfAPathHasNoSeparatorAtItsEnd) {
    EXPECT_EQ(FolderOf("C:\\pics\\cat.gif"), "C:\\pics");
    EXPECT_EQ(FolderOf("/tmp/a/cat.gif"), "/tmp/a");
    EXPECT_EQ(FolderOf("C:cat.gif"), "C:");
    EXPECT_EQ(FolderOf("cat.gif"), "");
}

TEST(FileNames, ANameWithAQuestionMarkIsNotTheFileTheUserChose) {
    // A character the system could not give in CP1251 arrives as '?', which no Windows file or
    // folder name holds; the long-path prefix is the one place a '?' belongs.
    const struct {
        const char* name;
        bool exact;
    } names[] = {
        {"C:\\Картинки\\кот.gif", true},
        {"C:\\pics\\caf?.gif", false},
        {"C:\\caf?\\cat.gif", false},
        {"??.gif", false},
        {"\\\\?\\C:\\pics\\cat.gif", true},
        {"\\\\?\\C:\\pics\\caf?.gif", false},
        {"", true},
    };
    for (const auto& n : names) EXPECT_EQ(ExactFileName(n.name), n.exact) << n.name;
}

}  // namespace
}  // namespace quillmap::testing
