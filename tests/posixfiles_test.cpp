#include <gtest/gtest.h>

#include "platform/posix/posixfiles.h"
#include "support/scratchfolder.h"

namespace quillmap::testing {
namespace {

namespace fs = std::filesystem;

fs::perms Permissions(const fs::path& path) { return fs::status(path).permissions(); }

TEST(PosixFiles, AttributesOfAMissingAWritableAndAReadOnlyFile) {
    scratchfolder folder;
    platform::posixfiles files;
    const platform::fileattributes missing = files.Attributes(folder / "none.gif");
    EXPECT_FALSE(missing.exists);
    EXPECT_FALSE(missing.readonly);

    PutFileText(folder / "a.gif", "a");
    fs::permissions(folder / "a.gif", fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_TRUE(files.Attributes(folder / "a.gif").exists);
    EXPECT_FALSE(files.Attributes(folder / "a.gif").readonly);

    fs::permissions(folder / "a.gif", fs::perms::owner_read | fs::perms::group_read);
    EXPECT_TRUE(files.Attributes(folder / "a.gif").readonly);
}

TEST(PosixFiles, ReadOnlyTakesAwayEveryWriteAndGivesBackTheOwners) {
    scratchfolder folder;
    platform::posixfiles files;
    const fs::path path = folder / "a.gif";
    PutFileText(path, "a");
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                              fs::perms::group_write | fs::perms::others_read);

    ASSERT_TRUE(files.SetReadOnly(path, true));
    EXPECT_EQ(Permissions(path), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_TRUE(files.Attributes(path).readonly);

    ASSERT_TRUE(files.SetReadOnly(path, false));
    EXPECT_EQ(Permissions(path),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::others_read);
    EXPECT_FALSE(files.SetReadOnly(folder / "none.gif", true));
}

TEST(PosixFiles, TheReplacingFileTakesTheOldOnesPermissions) {
    scratchfolder folder;
    platform::posixfiles files;
    PutFileText(folder / "private.gif", "old");
    fs::permissions(folder / "private.gif", fs::perms::owner_read | fs::perms::owner_write);
    PutFileText(folder / "new.tmp", "new");
    fs::permissions(folder / "new.tmp", fs::perms::all);

    ASSERT_TRUE(files.MoveReplacing(folder / "new.tmp", folder / "private.gif"));
    EXPECT_EQ(FileText(folder / "private.gif"), "new");
    EXPECT_EQ(Permissions(folder / "private.gif"), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_FALSE(fs::exists(folder / "new.tmp"));
}

TEST(PosixFiles, ReplacingAMissingFileCreatesItAndAMissingSourceIsRefused) {
    scratchfolder folder;
    platform::posixfiles files;
    PutFileText(folder / "new.tmp", "new");
    ASSERT_TRUE(files.MoveReplacing(folder / "new.tmp", folder / "made.gif"));
    EXPECT_EQ(FileText(folder / "made.gif"), "new");

    EXPECT_FALSE(files.MoveReplacing(folder / "gone.tmp", folder / "made.gif"));
    EXPECT_EQ(FileText(folder / "made.gif"), "new");
}

TEST(PosixFiles, AReadOnlyFileIsNotReplaced) {
    scratchfolder folder;
    platform::posixfiles files;
    PutFileText(folder / "locked.gif", "old");
    fs::permissions(folder / "locked.gif", fs::perms::owner_read);
    PutFileText(folder / "new.tmp", "new");

    EXPECT_FALSE(files.MoveReplacing(folder / "new.tmp", folder / "locked.gif"));
    EXPECT_EQ(FileText(folder / "locked.gif"), "old");
    EXPECT_EQ(Permissions(folder / "locked.gif"), fs::perms::owner_read);
    EXPECT_TRUE(fs::exists(folder / "new.tmp"));
}

}  // namespace
}  // namespace quillmap::testing
