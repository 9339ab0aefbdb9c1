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
    // "abcd" fills 61 62 63 64; each further byte rotates the word left by 8 and is added:
    // 62636461 + 65 = 626364C6, 6364C662 + 66 = 6364C6C8, 64C6C863 + 67 = 64C6C8CA,
    // C6C8CA64 + 68 = C6C8CACC. The next chunk "ij" starts from zero: 69 6A.
    // 3 × 0xC6C8CACC = 0x2_545A6064, wrapped to 0x545A6064, + 0x696A = 0x545AC9CE.
    EXPECT_EQ(FileIdentity("abcdefghij"), 0x545AC9CEu);
}

TEST(FileIdentity, FilesOfTheSameNameInDifferentFoldersDiffer) {
    EXPECT_NE(FileIdentity("C:\\dir1\\x.gif"), FileIdentity("C:\\dir2\\x.gif"));
    // The folders differ in a chunk's first half, which a plain shift would push out.
    EXPECT_NE(FileIdentity("C:\\a\\x.gif"), FileIdentity("C:\\b\\x.gif"));
    EXPECT_NE(FileIdentity("D:\\Картинки\\кот.gif"), FileIdentity("D:\\Картинки\\старые\\кот.gif"));
}

}  // namespace
}  // namespace quillmap::testing
