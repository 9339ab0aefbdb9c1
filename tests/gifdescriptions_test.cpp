#include <gtest/gtest.h>

#include <string>

#include "gif/gifblock.h"
#include "gif/gifcont.h"
#include "gif/gifdocument.h"
#include "gif/giftexts.h"
#include "model/flagi.h"
#include "platform/headless/headlesssystem.h"
#include "support/gifbytes.h"

namespace quillmap::testing {
namespace {

const pole& DescriptorChild(const gifdocument& document, int32_t index) {
    return static_cast<const cont&>(document.Root().Child(1)).Child(index);
}

std::string BackgroundRemark() {
    return std::string(giftext::IndexBeyondMap) + giftext::BackgroundUndefined + giftext::FileSuspicious;
}

bool EndsWith(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

TEST(GifDescriptions, BackgroundIndexAgainstTheGlobalMap) {
    // Four colours: index 4 is beyond the map, 3 is the last one.
    const gifdocument beyond(gifbytes().Header("89a", 1, 1, 0x81, 4).Map(4).Trailer().Make());
    EXPECT_TRUE(EndsWith(DescriptorChild(beyond, 4).Description(), BackgroundRemark()));
    const gifdocument last(gifbytes().Header("89a", 1, 1, 0x81, 3).Map(4).Trailer().Make());
    EXPECT_EQ(DescriptorChild(last, 4).Description(),
              std::string(giftext::Background) + giftext::BackgroundWithMap);
    const gifdocument nomap(gifbytes().Header("89a", 1, 1, 0x01, 200).Trailer().Make());
    EXPECT_EQ(DescriptorChild(nomap, 4).Description(),
              std::string(giftext::Background) + giftext::BackgroundWithoutMap);
}

TEST(GifDescriptions, PixelAspect) {
    const gifdocument ratio(gifbytes().Header("89a", 1, 1, 0, 0, 49).Trailer().Make());
    EXPECT_EQ(DescriptorChild(ratio, 5).Description(),
              std::string(giftext::PixelAspect) + giftext::PixelAspectRatio + "1");
    const gifdocument fraction(gifbytes().Header("89a", 1, 1, 0, 0, 50).Trailer().Make(), ',');
    EXPECT_TRUE(EndsWith(DescriptorChild(fraction, 5).Description(), "1,015625"));
    const gifdocument unused(gifbytes().Header("89a", 1, 1, 0, 0, 0).Trailer().Make());
    EXPECT_TRUE(EndsWith(DescriptorChild(unused, 5).Description(), "В нашем случае этот параметр не используется."));
    // Without the byte inside the document there is no remark.
    std::vector<uint8_t> bytes = gifbytes().Header("89a", 1, 1, 0, 0, 49).Make();
    bytes.pop_back();
    const gifdocument cut(bytes);
    EXPECT_EQ(DescriptorChild(cut, 5).Description(), giftext::PixelAspect);
}

// A graphic control block with the given block size, flags and delay, before a 1x1 image.
gifbytes ControlFile(int blocksize, int flags, int delay) {
    gifbytes file;
    file.Header("89a", 1, 1, 0x00).Text("!").Bytes({0xF9, blocksize, flags}).Word(delay).Bytes({0, 0});
    return file.Image(1, 1, 0).Trailer();
}

const gifimdesc& Block(const gifdocument& document, int32_t index) {
    return static_cast<const gifimdesc&>(document.Root().Child(index));
}

TEST(GifDescriptions, DelayWithTheSystemDecimalSeparator) {
    platform::headlesssystem system;
    system.SetDecimalSeparator(',');
    const gifdocument comma(ControlFile(4, 0, 150).Make(), system.DecimalSeparator());
    EXPECT_TRUE(EndsWith(Block(comma, 2).Child(4).Description(), "\n\rВ нашем случае время задержки будет равно 1,5 сек."));
    system.SetDecimalSeparator('.');
    const gifdocument point(ControlFile(4, 0, 150).Make(), system.DecimalSeparator());
    EXPECT_TRUE(EndsWith(Block(point, 2).Child(4).Description(), " 1.5 сек."));
    // With user input and a delay the last sentence follows.
    const gifdocument input(ControlFile(4, 0x02, 7).Make(), '.');
    EXPECT_TRUE(EndsWith(Block(input, 2).Child(4).Description(), std::string(" 0.07 сек.") + giftext::DelayUserInput));
}

TEST(GifDescriptions, CodeSizeRange) {
    const std::string remark = std::string(giftext::CodeSize) + "\n\r" + giftext::CodeSizeOutOfRange +
                               giftext::CodeSizeOutOfRangeEffects;
    for (const int codesize : {1, 2, 11, 12}) {
        const gifdocument document(gifbytes().Header("89a", 1, 1, 0x00).Image(1, 1, 0, codesize).Trailer().Make());
        const gifimdesc& image = Block(document, 2);
        const bool outside = codesize < 2 || codesize > 11;
        EXPECT_EQ(image.Child(image.CodeSizeIndex()).Description(), outside ? remark : std::string(giftext::CodeSize))
            << codesize;
    }
}

// A plain-text block whose grid has the given width and cell width, on a 200x50 screen.
gifdocument PlainText(int gridwidth, int cellwidth) {
    gifbytes file;
    file.Header("89a", 200, 50, 0x80).Map(2).Text("!").Bytes({0x01, 12}).Word(0).Word(0).Word(gridwidth).Word(16);
    file.Bytes({cellwidth, 8, 1, 0, 2}).Text("hi").Bytes({0});
    return gifdocument(file.Image(1, 1, 0).Trailer().Make());
}

TEST(GifDescriptions, PlainTextGridAndCells) {
    const std::string cut = std::string(giftext::CellWidth) + giftext::CellsCut;
    EXPECT_EQ(Block(PlainText(100, 8), 3).Child(7).Description(), cut);
    EXPECT_EQ(Block(PlainText(96, 8), 3).Child(7).Description(), giftext::CellWidth);
    EXPECT_EQ(Block(PlainText(100, 0), 3).Child(7).Description(), std::string(giftext::CellWidth) + giftext::CellWidthZero);
    // A grid wider than the screen.
    EXPECT_EQ(Block(PlainText(300, 10), 3).Child(5).Description(),
              std::string(giftext::GridWidth) + giftext::GridPartlyOutside);
    // Colour 1 is in the map of two.
    EXPECT_EQ(Block(PlainText(96, 8), 3).Child(9).Description(), giftext::TextColour);
}

TEST(GifDescriptions, ControlBlockSizeRemarkOnlyInsideTheDocument) {
    const std::string suspicious = std::string(giftext::ControlBlockSize) + giftext::BlockSizeSuspicious;
    const gifdocument five(ControlFile(5, 0, 0).Make());
    EXPECT_EQ(Block(five, 2).Child(2).Description(), suspicious);
    const gifdocument four(ControlFile(4, 0, 0).Make());
    EXPECT_EQ(Block(four, 2).Child(2).Description(), giftext::ControlBlockSize);
    // The file ends right after the label: the size byte lies outside it.
    const gifdocument cut(gifbytes().Header("89a", 1, 1, 0x00).Text("!").Bytes({0xF9}).Make());
    EXPECT_EQ(Block(cut, 2).Child(2).Description(), giftext::ControlBlockSize);
}

TEST(GifDescriptions, DisposalOverwrittenChangesOnlyItsText) {
    gifdocument document(ControlFile(4, 2 << 2, 0).Make());
    const std::string before = std::string(static_cast<const flagi&>(Block(document, 2).Child(3)).GroupText(1));
    EXPECT_NE(before.find("В нашем случае картинка должна быть заменена фоном."), std::string::npos);
    const pole* flags = &Block(document, 2).Child(3);
    const int32_t position = flags->Start();
    EXPECT_EQ(document.Root().Recheck(position, 0), -1);  // nothing overwritten yet
    document.Overwrite(position, 5 << 2);
    EXPECT_EQ(&Block(document, 2).Child(3), flags);
    const std::string after = static_cast<const flagi&>(*flags).GroupText(1);
    EXPECT_NE(after.find(giftext::DisposalUnknown), std::string::npos);
    EXPECT_EQ(after.find("В нашем случае картинка"), std::string::npos);
}

}  // namespace
}  // namespace quillmap::testing
