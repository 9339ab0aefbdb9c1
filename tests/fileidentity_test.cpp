#include <gtest/gtest.h>

#include "app/fileidentity.h"

namespace quillmap::testing {
namespace {

TEST(FileIdentity, NothingGivesZero) { EXPECT_EQ(FileIdentity(""), 0u); }

TEST(FileIdentity, AShortPathIsItsCharactersOneByteEach) {
    // 'a' 'b' 'c' = 61 62 63.
    EXPECT_EQ(FileIdentity("abc"), 0x616263u);
}

TEST(FileIdentity, CharactersAboveAsciiCountAsUnsignedBytes) {
    // "Я:" in CP1251 is DF 3A.
    EXPECT_EQ(FileIdentity("Я:"), 0xDF3Au);
}

TEST(FileIdentity, EachChunkOfEightIsAddedToThreeTimesTheSumBefore) {
    // "abcdefgh" keeps its last four bytes in 32 bits: 65 66 67 68. The next chunk "ij" starts
    // from zero: 69 6A. 3 × 0x65666768 = 0x1_30333638, wrapped to 0x30333638, + 0x696A.
    EXPECT_EQ(FileIdentity("abcdefghij"), 0x30339FA2u);
}

TEST(FileIdentity, ThreeFullChunks) {
    // Chunks "C:\\pics\\", "cats\\big", ".gif": 69 63 73 5C, 5C 62 69 67, 2E 67 69 66.
    // 3 × 0x6963735C = 0x13C2A5A14 → 0x3C2A5A14; + 0x5C626967 = 0x988CC37B;
    // 3 × 0x988CC37B = 0x1C9A64A71 → 0xC9A64A71; + 0x2E676966 = 0xF80DB3D7.
    EXPECT_EQ(FileIdentity("C:\\pics\\cats\\big.gif"), 0xF80DB3D7u);
}

TEST(FileIdentity, FilesOfTheSameNameInDifferentFoldersDiffer) {
    EXPECT_NE(FileIdentity("C:\\dir1\\x.gif"), FileIdentity("C:\\dir2\\x.gif"));
    EXPECT_NE(FileIdentity("D:\\Картинки\\кот.gif"), FileIdentity("D:\\Картинки\\старые\\кот.gif"));
}

}  // namespace
}  // namespace quillmap::testing
