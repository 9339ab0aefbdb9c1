#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "app/readonlysave.h"
#include "base/bytefile.h"
#include "platform/headless/headlesscanvas.h"
#include "platform/headless/headlesssystem.h"
#include "support/scratchfolder.h"
#include "support/settingsguard.h"
#include "views/vwgif.h"

namespace quillmap::testing {
namespace {

namespace fs = std::filesystem;

// One file's attributes in memory, and every call in order.
class recordingfiles final : public platform::files {
public:
    bool MoveReplacing(const fs::path&, const fs::path&) override {
        log.push_back("replace");
        return true;
    }
    platform::fileattributes Attributes(const fs::path&) override { return attributes; }
    bool SetReadOnly(const fs::path&, bool readonly) override {
        log.push_back(readonly ? "set read-only" : "clear read-only");
        if (!settable) return false;
        attributes.readonly = readonly;
        return true;
    }
    // Saving never reads a file whole.
    std::optional<std::string> ReadSmallFile(const fs::path&, size_t) override { return std::nullopt; }

    platform::fileattributes attributes;
    bool settable = true;
    std::vector<std::string> log;
};

using calls = std::vector<std::string>;

// The save, as the log sees it, with the attribute it found.
std::function<void()> Saving(recordingfiles& files) {
    return [&files] { files.log.push_back(files.attributes.readonly ? "save over read-only" : "save"); };
}

TEST(SaveRespectingReadOnly, ANewOrWritableFileIsSavedWithoutTouchingAttributes) {
    for (const bool exists : {false, true}) {
        for (const bool allowed : {false, true}) {
            recordingfiles files;
            files.attributes = {exists, false};
            SaveRespectingReadOnly(files, "x.gif", allowed, Saving(files));
            EXPECT_EQ(files.log, calls{"save"});
        }
    }
}

TEST(SaveRespectingReadOnly, AReadOnlyFileIsRefusedUnlessAllowed) {
    recordingfiles files;
    files.attributes = {true, true};
    try {
        SaveRespectingReadOnly(files, "x.gif", false, Saving(files));
        FAIL() << "no error";
    } catch (const bytefileerror& error) {
        EXPECT_EQ(error.Fault(), bytefilefault::writeprotected);
    }
    EXPECT_TRUE(files.log.empty());
    EXPECT_TRUE(files.attributes.readonly);
}

TEST(SaveRespectingReadOnly, AnAllowedReadOnlyFileIsClearedSavedAndMadeReadOnlyAgain) {
    recordingfiles files;
    files.attributes = {true, true};
    SaveRespectingReadOnly(files, "x.gif", true, Saving(files));
    EXPECT_EQ(files.log, (calls{"clear read-only", "save", "set read-only"}));
    EXPECT_TRUE(files.attributes.readonly);
}

TEST(SaveRespectingReadOnly, AFailedSaveStillPutsTheAttributeBack) {
    recordingfiles files;
    files.attributes = {true, true};
    EXPECT_THROW(SaveRespectingReadOnly(files, "x.gif", true, [] { throw std::runtime_error("disk full"); }),
                 std::runtime_error);
    EXPECT_EQ(files.log, (calls{"clear read-only", "set read-only"}));
    EXPECT_TRUE(files.attributes.readonly);
}

TEST(SaveRespectingReadOnly, AnAttributeThatCannotBeClearedRefusesTheSave) {
    recordingfiles files;
    files.attributes = {true, true};
    files.settable = false;
    EXPECT_THROW(SaveRespectingReadOnly(files, "x.gif", true, Saving(files)), bytefileerror);
    EXPECT_EQ(files.log, calls{"clear read-only"});
}

// The whole way a document goes to disk: the view's save inside the read-only rule, on real files.
struct savefixture {
    settingsguard settings;
    platform::headlesscanvas canvas;
    platform::headlesssystem system;
    vwgif view{canvas, system};
    scratchfolder folder;
    fs::path target = folder / "locked.gif";

    savefixture() {
        const std::string text = "GIF89a";
        view.AppendBytes(reinterpret_cast<const uint8_t*>(text.data()), static_cast<int32_t>(text.size()));
        view.ReparseAll();
        PutFileText(target, "old bytes");
        system.Files().SetReadOnly(target, true);
    }
    void Save(bool allowed) {
        SaveRespectingReadOnly(system.Files(), target, allowed, [this] { view.SaveToFile(target.string()); });
    }
};

TEST(SaveRespectingReadOnly, TheViewSavesAReadOnlyFileThatStaysReadOnly) {
    savefixture f;
    f.Save(true);
    EXPECT_EQ(FileText(f.target), "GIF89a");
    EXPECT_TRUE(f.system.Files().Attributes(f.target).readonly);
    EXPECT_EQ(f.folder.Names(), std::vector<std::string>{"locked.gif"});
}

TEST(SaveRespectingReadOnly, TheViewsSaveOverAReadOnlyFileFailsWhenNotAllowed) {
    savefixture f;
    EXPECT_THROW(f.Save(false), bytefileerror);
    EXPECT_EQ(FileText(f.target), "old bytes");
    EXPECT_TRUE(f.system.Files().Attributes(f.target).readonly);
    EXPECT_EQ(f.folder.Names(), std::vector<std::string>{"locked.gif"});
}

}  // namespace
}  // namespace quillmap::testing
