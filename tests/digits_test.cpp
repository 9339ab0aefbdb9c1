#include <gtest/gtest.h>

#include <string>

#include "base/settings.h"
#include "support/settingsguard.h"
#include "views/digits.h"

namespace quillmap {
namespace {

TEST(Digits, DigitCountOfExtremes) {
    // 0xFFFFFFFF is eight hex digits; 4294967295 is ten decimal ones; 2^32 - 1 is 32 ones.
    EXPECT_EQ(DigitCount(4294967295u, 16), 8);
    EXPECT_EQ(DigitCount(4294967295u, 10), 10);
    EXPECT_EQ(DigitCount(4294967295u, 2), 32);
    // Zero still takes one digit.
    EXPECT_EQ(DigitCount(0, 16), 1);
    EXPECT_EQ(DigitCount(0, 2), 1);
}

TEST(Digits, DigitCountAtPowersOfTheBase) {
    EXPECT_EQ(DigitCount(255, 16), 2);  // FF
    EXPECT_EQ(DigitCount(256, 16), 3);  // 100
    EXPECT_EQ(DigitCount(255, 10), 3);
    EXPECT_EQ(DigitCount(255, 8), 3);   // 377
    EXPECT_EQ(DigitCount(255, 2), 8);
    EXPECT_EQ(DigitCount(255, 36), 2);  // 7 * 36 + 3
    EXPECT_EQ(DigitCount(35, 36), 1);
    EXPECT_EQ(DigitCount(36, 36), 2);
    EXPECT_EQ(DigitCount(9, 10), 1);
    EXPECT_EQ(DigitCount(10, 10), 2);
}

TEST(Digits, DigitStringWritesAndPads) {
    EXPECT_EQ(DigitString(0xAB, 16, 0), "AB");
    EXPECT_EQ(DigitString(0x0A, 16, 0), "A");
    EXPECT_EQ(DigitString(0x0A, 16, 2), "0A");
    EXPECT_EQ(DigitString(255, 10, 5), "00255");
    EXPECT_EQ(DigitString(255, 8, 0), "377");
    // A width below the digits needed cuts nothing.
    EXPECT_EQ(DigitString(255, 16, 1), "FF");
    EXPECT_EQ(DigitString(0, 16, 0), "0");
    EXPECT_EQ(DigitString(0xDEADBEEF, 16, 0), "DEADBEEF");
    EXPECT_EQ(DigitString(4294967295u, 2, 0), std::string(32, '1'));
}

TEST(Digits, DigitStringInBase36UsesLettersToZ) {
    EXPECT_EQ(DigitString(35, 36, 0), "Z");
    EXPECT_EQ(DigitString(36, 36, 0), "10");
    EXPECT_EQ(DigitString(255, 36, 0), "73");   // 7 * 36 + 3
    EXPECT_EQ(DigitString(1295, 36, 0), "ZZ");  // 36^2 - 1
    // 4294967295 = 1*36^6 + 35*36^5 + 1*36^4 + 4*36^3 + 1*36^2 + 35*36 + 3
    EXPECT_EQ(DigitString(4294967295u, 36, 0), "1Z141Z3");
}

TEST(Digits, CodeTextInBase16) {
    testing::settingsguard guard;
    Settings().TextBaseSyst = 16;
    Settings().FirstZeroes = true;
    EXPECT_EQ(CodeText(0x05), "05");
    EXPECT_EQ(CodeText(0x0A), "0A");
    EXPECT_EQ(CodeText(0xFF), "FF");
    Settings().FirstZeroes = false;
    EXPECT_EQ(CodeText(0x05), "5");
    EXPECT_EQ(CodeText(0x00), "0");
    EXPECT_EQ(CodeText(0xC4), "C4");
}

TEST(Digits, CodeTextInBase2) {
    testing::settingsguard guard;
    Settings().TextBaseSyst = 2;
    Settings().FirstZeroes = true;
    EXPECT_EQ(CodeText(0), "00000000");
    EXPECT_EQ(CodeText(5), "00000101");
    EXPECT_EQ(CodeText(255), "11111111");
    Settings().FirstZeroes = false;
    EXPECT_EQ(CodeText(0), "0");
    EXPECT_EQ(CodeText(5), "101");
    EXPECT_EQ(CodeText(128), "10000000");
}

TEST(Digits, CodeTextPadsToTheWidthOf255InItsBase) {
    testing::settingsguard guard;
    Settings().FirstZeroes = true;
    Settings().TextBaseSyst = 10;
    EXPECT_EQ(CodeText(7), "007");
    Settings().TextBaseSyst = 8;
    EXPECT_EQ(CodeText(8), "010");
    Settings().TextBaseSyst = 36;
    EXPECT_EQ(CodeText(35), "0Z");
    EXPECT_EQ(CodeText(255), "73");
    Settings().TextBaseSyst = 3;  // 255 = 100110 in base 3: six digits
    EXPECT_EQ(CodeText(5), "000012");
}

}  // namespace
}  // namespace quillmap
