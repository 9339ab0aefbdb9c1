#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "base/bytefile.h"
#include "support/corpus.h"
#include "views/documentfile.h"

namespace quillmap::testing {
namespace {

std::filesystem::path Scratch(const char* name) {
    return std::filesystem::temp_directory_path() / (std::string("quillmap-documentfile-") + name);
}

TEST(DocumentFile, LoadsWhatTheFileHoldsAndSavesItBack) {
    const auto original = CorpusDir() / "welcome2.gif";
    const std::vector<uint8_t> bytes = LoadDocumentBytes(original);
    EXPECT_EQ(bytes, ReadFile(original));

    const auto copy = Scratch("copy.gif");
    SaveDocumentBytes(copy, bytes);
    EXPECT_EQ(ReadFile(copy), bytes);
    std::filesystem::remove(copy);
}

TEST(DocumentFile, EmptyDocument) {
    const auto empty = Scratch("empty.gif");
    SaveDocumentBytes(empty, {});
    EXPECT_EQ(std::filesystem::file_size(empty), 0u);
    EXPECT_TRUE(LoadDocumentBytes(empty).empty());
    std::filesystem::remove(empty);
}

TEST(DocumentFile, FailuresReachTheCaller) {
    EXPECT_THROW(LoadDocumentBytes(Scratch("missing.gif")), bytefileerror);
    const std::vector<uint8_t> bytes(10, 1);
    EXPECT_THROW(SaveDocumentBytes(Scratch("no-such-folder") / "x.gif", bytes), bytefileerror);
}

}  // namespace
}  // namespace quillmap::testing
