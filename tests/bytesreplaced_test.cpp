#include <gtest/gtest.h>

#include "views/bytesreplaced.h"

namespace quillmap {
namespace {

TEST(BytesReplaced, CaretStateByteLayout) {
    // In the codes, before 2, after 3: 01 010 011.
    EXPECT_EQ(CaretStateByte(true, 2, 3), 0b01010011);
    EXPECT_EQ(CaretStateByte(false, 2, 3), 0b00010011);
    // Indices of 8 or more are kept as 7.
    EXPECT_EQ(CaretStateByte(true, 9, 8), 0b01111111);
    const uint8_t state = CaretStateByte(true, 5, 1);
    EXPECT_TRUE(InCodes(state));
    EXPECT_EQ(DigitBefore(state), 5);
    EXPECT_EQ(DigitAfter(state), 1);
    EXPECT_FALSE(InCodes(CaretStateByte(false, 5, 1)));
}

TEST(BytesReplaced, PayloadIsBigEndianWithOldThenNewBytes) {
    const bytesreplaced edit{0x01020304, CaretStateByte(true, 0, 1), std::string("\xAA\xBB", 2), "X"};
    const std::string payload = EncodeBytesReplaced(edit);
    EXPECT_EQ(payload, std::string("\x01\x02\x03\x04\x41\x00\x00\x00\x02\xAA\xBBX", 12));
    EXPECT_EQ(DecodeBytesReplaced(payload), edit);

    // An insertion has no old bytes, a deletion no new ones.
    const bytesreplaced insertion{7, 0, "", std::string("\x00", 1)};
    EXPECT_EQ(DecodeBytesReplaced(EncodeBytesReplaced(insertion)), insertion);
    const bytesreplaced deletion{0, 0, "ab", ""};
    EXPECT_EQ(DecodeBytesReplaced(EncodeBytesReplaced(deletion)), deletion);
}

TEST(BytesReplaced, DamagedPayloadsDecodeWithinTheirBytes) {
    // n claims more old bytes than there are.
    const std::string shortpayload("\x00\x00\x00\x05\x40\x00\x00\x01\x00xy", 11);
    const bytesreplaced decoded = DecodeBytesReplaced(shortpayload);
    EXPECT_EQ(decoded.offset, 5);
    EXPECT_EQ(decoded.oldbytes, "xy");
    EXPECT_EQ(decoded.newbytes, "");
    // A negative count reads as none.
    const bytesreplaced negative = DecodeBytesReplaced(std::string("\x00\x00\x00\x01\x40\xFF\xFF\xFF\xFFz", 10));
    EXPECT_EQ(negative.oldbytes, "");
    EXPECT_EQ(negative.newbytes, "z");
    EXPECT_EQ(DecodeBytesReplaced("").offset, 0);
}

TEST(BytesReplaced, InverseExchangesBytesAndDigits) {
    const bytesreplaced edit{12, CaretStateByte(true, 0, 1), "a", "bc"};
    const bytesreplaced inverse = Inverse(edit);
    EXPECT_EQ(inverse.offset, 12);
    EXPECT_EQ(inverse.oldbytes, "bc");
    EXPECT_EQ(inverse.newbytes, "a");
    EXPECT_EQ(DigitBefore(inverse.caretstate), 1);
    EXPECT_EQ(DigitAfter(inverse.caretstate), 0);
    EXPECT_TRUE(InCodes(inverse.caretstate));
    EXPECT_EQ(Inverse(inverse), edit);
}

}  // namespace
}  // namespace quillmap
