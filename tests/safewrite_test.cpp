#include <gtest/gtest.h>

#include <stdexcept>

#include "base/bytefile.h"
#include "base/safewrite.h"
#include "platform/posix/posixfiles.h"
#include "support/scratchfolder.h"

namespace quillmap::testing {
namespace {

namespace fs = std::filesystem;

// The real file system, except that it may be told to refuse the final replacement.
class refusingfiles final : public platform::files {
public:
    bool MoveReplacing(const fs::path& from, const fs::path& to) override {
        ++replacements;
        return !refuse && real.MoveReplacing(from, to);
    }
    platform::fileattributes Attributes(const fs::path& path) override { return real.Attributes(path); }
    bool SetReadOnly(const fs::path& path, bool readonly) override { return real.SetReadOnly(path, readonly); }
    std::optional<std::string> ReadSmallFile(const fs::path& path, size_t limit) override {
        return real.ReadSmallFile(path, limit);
    }

    bool refuse = false;
    int replacements = 0;

private:
    platform::posixfiles real;
};

void WriteText(const fs::path& path, std::string_view text) {
    bytefile file(path, bytefile::openmode::writing);
    for (const char c : text) file.WriteByte(static_cast<uint8_t>(c));
    file.Close();
}

TEST(WriteReplacing, WritesBesideTheTargetWhichKeepsItsOldBytesUntilTheEnd) {
    scratchfolder folder;
    const fs::path target = folder / "picture.gif";
    PutFileText(target, "old bytes");
    refusingfiles files;
    fs::path used;
    WriteReplacing(files, target, [&](const fs::path& temporary) {
        used = temporary;
        EXPECT_EQ(FileText(target), "old bytes");
        WriteText(temporary, "new");
    });
    EXPECT_EQ(used.parent_path(), target.parent_path());
    EXPECT_NE(used, target);
    EXPECT_EQ(FileText(target), "new");
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"picture.gif"});
}

TEST(WriteReplacing, CreatesAFileThatDidNotExist) {
    scratchfolder folder;
    refusingfiles files;
    WriteReplacing(files, folder / "fresh.gif", [](const fs::path& temporary) { WriteText(temporary, "GIF89a"); });
    EXPECT_EQ(FileText(folder / "fresh.gif"), "GIF89a");
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"fresh.gif"});
}

TEST(WriteReplacing, AWriteThatFailsHalfwayLeavesTheOldFileAndNoTrace) {
    scratchfolder folder;
    const fs::path target = folder / "picture.gif";
    PutFileText(target, "old bytes");
    refusingfiles files;
    EXPECT_THROW(WriteReplacing(files, target,
                                [](const fs::path& temporary) {
                                    bytefile file(temporary, bytefile::openmode::writing);
                                    file.WriteByte('n');
                                    file.Close();
                                    throw std::runtime_error("disk full");
                                }),
                 std::runtime_error);
    EXPECT_EQ(files.replacements, 0);
    EXPECT_EQ(FileText(target), "old bytes");
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"picture.gif"});
}

TEST(WriteReplacing, ARefusedReplacementIsReportedAndTheNewFileRemoved) {
    scratchfolder folder;
    const fs::path target = folder / "picture.gif";
    PutFileText(target, "old bytes");
    refusingfiles files;
    files.refuse = true;
    try {
        WriteReplacing(files, target, [](const fs::path& temporary) { WriteText(temporary, "new"); });
        FAIL() << "no error";
    } catch (const bytefileerror& error) {
        EXPECT_EQ(error.Fault(), bytefilefault::replacefailed);
    }
    EXPECT_EQ(FileText(target), "old bytes");
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"picture.gif"});
}

TEST(WriteReplacing, AnotherFileOfTheTemporaryNameIsLeftAlone) {
    scratchfolder folder;
    const fs::path target = folder / "picture.gif";
    PutFileText(target, "old");
    PutFileText(folder / "picture.gif.saving0", "not ours");
    refusingfiles files;
    WriteReplacing(files, target, [](const fs::path& temporary) { WriteText(temporary, "new"); });
    EXPECT_EQ(FileText(target), "new");
    EXPECT_EQ(FileText(folder / "picture.gif.saving0"), "not ours");
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"picture.gif", "picture.gif.saving0"}));
}

TEST(WriteReplacing, AMissingFolderIsReportedAndNothingIsCreated) {
    scratchfolder folder;
    refusingfiles files;
    try {
        WriteReplacing(files, folder / "no-such-folder" / "x.gif",
                       [](const fs::path& temporary) { WriteText(temporary, "new"); });
        FAIL() << "no error";
    } catch (const bytefileerror& error) {
        EXPECT_EQ(error.Fault(), bytefilefault::cannotcreate);
    }
    EXPECT_TRUE(folder.Names().empty());
}

}  // namespace
}  // namespace quillmap::testing
