#include <gtest/gtest.h>

#include "gif/gifblock.h"
#include "gif/gifcolourmap.h"
#include "gif/gifcont.h"
#include "gif/gifdocument.h"
#include "gif/gifheader.h"
#include "gif/gifimagedecode.h"
#include "gif/gifimage.h"
#include "gif/giftexts.h"
#include "model/counter.h"
#include "model/displayedlist.h"
#include "platform/headless/headlesssystem.h"
#include "support/gifbytes.h"

namespace quillmap::testing {
namespace {

const cont& AsCont(const pole& field) { return static_cast<const cont&>(field); }
const gifimdesc& Block(const gifdocument& document, int32_t index) {
    return static_cast<const gifimdesc&>(document.Root().Child(index));
}

std::vector<displayentry> Entries(const gifdocument& document) {
    std::vector<pole*> visible;
    const_cast<gifcont&>(document.Root()).CollectVisible(false, visible);
    return BuildDisplayedEntries(visible, document.DocumentLength());
}

std::string GapTextAt(const gifdocument& document, int32_t position) {
    std::string text;
    document.Root().GapText(position, text);
    return text;
}

TEST(GifGrammar, SmallestCompleteFile) {
    const gifdocument document(gifbytes().Header("89a", 1, 1, 0x80).Map(2).Image(1, 1, 0).Trailer().Make());
    const gifcont& root = document.Root();
    ASSERT_EQ(root.ChildCount(), 5);
    EXPECT_EQ(root.Child(0).Title(), "СИГНАТУРА");
    EXPECT_EQ(AsCont(root.Child(1)).ChildCount(), 6);
    EXPECT_EQ(root.Child(2).Title(), "ГЛОБАЛЬНАЯ КАРТА ЦВЕТОВ");
    EXPECT_EQ(AsCont(root.Child(2)).ChildCount(), 2);
    EXPECT_EQ(AsCont(root.Child(2)).Child(1).Title(), "ЦВЕТ №1");
    EXPECT_EQ(Block(document, 3).Kind(), gbImage);
    EXPECT_EQ(root.Child(3).Title(), "ИЗОБРАЖЕНИЕ");
    EXPECT_EQ(Block(document, 4).Kind(), gbTrailer);
    EXPECT_EQ(root.Child(4).Title(), "ОКОНЧАНИЕ ПОТОКА ДАННЫХ");
    EXPECT_EQ(root.End(), document.DocumentLength());
    for (const displayentry& entry : Entries(document)) EXPECT_NE(entry.field, nullptr);
    EXPECT_TRUE(root.Is89a());
}

TEST(GifGrammar, Version87aWithoutGlobalMap) {
    const gifdocument document(gifbytes().Header("87a", 1, 1, 0x00).Image(1, 1, 0).Trailer().Make());
    const cont& descriptor = AsCont(document.Root().Child(1));
    EXPECT_FALSE(document.Root().Is89a());
    EXPECT_EQ(descriptor.Child(5).Title(), "ЗАРЕЗЕРВИРОВАНО");
    EXPECT_EQ(descriptor.Child(5).Style(), fieldstyle::Composite);
    EXPECT_EQ(Block(document, 2).Kind(), gbImage);
    // In an "87a" file the image flags have no S group.
    EXPECT_EQ(static_cast<const flagi&>(Block(document, 2).Child(5)).ItemCount(), 4);
}

TEST(GifGrammar, LocalMapBeforeTheCodeSize) {
    const gifdocument document(gifbytes().Header("89a", 4, 4, 0x00).Image(4, 4, 0x82).Trailer().Make());
    const gifimdesc& image = Block(document, 2);
    ASSERT_GE(image.ChildCount(), 8);
    const cont& map = AsCont(image.Child(6));
    EXPECT_EQ(map.Title(), "ЛОКАЛЬНАЯ КАРТА ЦВЕТОВ");
    EXPECT_EQ(map.ChildCount(), 8);
    EXPECT_EQ(map.Length(), 24);
    EXPECT_EQ(image.CodeSizeIndex(), 7);
    EXPECT_EQ(image.Child(7).Title(), "РАЗМЕР КОДОВ");
    EXPECT_EQ(image.Child(7).Start(), map.End());
}

TEST(GifGrammar, GapsAndTheirTexts) {
    // Stray bytes between an image and the next separator, then bytes after the trailer.
    gifbytes file;
    file.Header("89a", 1, 1, 0x00).Image(1, 1, 0);
    const int32_t stray = static_cast<int32_t>(file.Size());
    file.Text("xyz").Trailer();
    const int32_t tail = static_cast<int32_t>(file.Size());
    file.Text("tail");
    const gifdocument document(file.Make());
    EXPECT_EQ(Block(document, 3).Start(), stray + 3);
    const auto entries = Entries(document);
    int gaps = 0;
    for (const displayentry& entry : entries) gaps += entry.field == nullptr;
    EXPECT_EQ(gaps, 2);
    EXPECT_EQ(GapTextAt(document, stray), giftext::GapBeforeSeparator);
    EXPECT_EQ(GapTextAt(document, tail), giftext::GapAfterTrailer);

    const gifdocument notgif(gifbytes().Text("GIX89a").Make());
    EXPECT_EQ(notgif.Root().ChildCount(), 1);
    EXPECT_EQ(notgif.Root().Child(0).Description(),
              std::string(giftext::SignaturePrefix) + giftext::SignatureNotGif);
    EXPECT_EQ(GapTextAt(notgif, 3), giftext::GapUnrecognised);
}

TEST(GifGrammar, ExtensionFollowedByAStrayByteEndsTheParse) {
    gifbytes file;
    file.Header("89a", 1, 1, 0x00).Text("!").Bytes({0xFE, 2, 'h', 'i', 0});
    const int32_t end = static_cast<int32_t>(file.Size());
    file.Text("Q,").Word(0);
    const gifdocument document(file.Make());
    ASSERT_EQ(document.Root().ChildCount(), 3);
    EXPECT_EQ(document.Root().End(), end);
    EXPECT_EQ(GapTextAt(document, end), giftext::GapUnrecognised);
    EXPECT_EQ(AsCont(document.Root().Child(2)).Child(3).Title(), "КОММЕНТАРИЙ");
}

TEST(GifGrammar, ScreenFlagsDecideTheGlobalMap) {
    gifdocument document(gifbytes().Header("89a", 1, 1, 0x00).Map(2).Image(1, 1, 0).Trailer().Make());
    // Without M the map's bytes are stray bytes before the image.
    EXPECT_EQ(document.Root().GlobalMap(), nullptr);
    document.Overwrite(10, 0x80);
    ASSERT_NE(document.Root().GlobalMap(), nullptr);
    EXPECT_EQ(document.Root().GlobalMap()->ChildCount(), 2);
    EXPECT_EQ(Block(document, 3).Start(), 19);
    document.Overwrite(10, 0x00);
    EXPECT_EQ(document.Root().GlobalMap(), nullptr);
    EXPECT_EQ(Block(document, 2).Start(), 19);
}

TEST(GifGrammar, InsertingIntoImageDataRereadsTheChainAfterIt) {
    gifbytes file;
    file.Header("89a", 1, 1, 0x00).Text("!").Bytes({0xFE, 1, 'c', 0});
    const int32_t image = static_cast<int32_t>(file.Size());
    file.Image(2, 2, 0, 2, {1, 2, 3}).Trailer();
    gifdocument document(file.Make());
    const pole* extension = &document.Root().Child(2);
    const uint32_t serial = extension->Serial();
    const int32_t data = image + 12;  // separator, 8 bytes, flags, code size, size
    ASSERT_EQ(Block(document, 3).Child(8).Start(), data);
    document.Insert(data + 1, 0x05);
    EXPECT_EQ(&document.Root().Child(2), extension);
    EXPECT_EQ(document.Root().Child(2).Serial(), serial);
    // The data keeps its three bytes; its old last byte now reads as the next size.
    const gifimdesc& block = Block(document, 3);
    EXPECT_EQ(block.Child(8).Length(), 3);
    EXPECT_EQ(static_cast<const counter&>(block.Child(9)).Value(), 3);
    EXPECT_EQ(block.ChildCount(), 11);
}

TEST(GifGrammar, CodeSizeOutOfRangeBeepsAndShowsNothing) {
    for (const int codesize : {0, 12}) {
        gifdocument document(gifbytes().Header("89a", 1, 1, 0x00).Image(1, 1, 0, codesize).Trailer().Make());
        platform::headlesssystem system;
        auto& block = static_cast<gifimdesc&>(document.Root().Child(2));
        const lzwresult result = DecodeImageBlock(block, system);
        EXPECT_EQ(result.status, dsBadCodeSize);
        EXPECT_TRUE(result.pixels.empty());
        EXPECT_EQ(system.Beeps(), 1);
        EXPECT_EQ(block.DecodeStatus(), dsBadCodeSize);
    }
}

TEST(GifGrammar, DecodingTakesColoursFromTheMapsAndTheControlBlock) {
    // A 2x1 image with codes 0, 1 under a global map of 2; a graphic control block makes 1 transparent.
    gifbytes file;
    file.Header("89a", 2, 1, 0x80).Map(2).Text("!").Bytes({0xF9, 4, 0x01, 0, 0, 1, 0});
    file.Image(2, 1, 0, 1, {0x44, 0x01}).Trailer();
    gifdocument document(file.Make());
    auto& block = static_cast<gifimdesc&>(document.Root().Child(4));
    const lzwinput input = ImageInputOf(block);
    EXPECT_EQ(input.colourcount, 2);
    EXPECT_EQ(input.codesizebyte, 1);
    EXPECT_EQ(input.colours[0], (rgb{0, 255, 7}));
    EXPECT_EQ(input.colours[1], (rgb{0xFF, 0xFB, 0xF0}));
    EXPECT_EQ(input.colours[2], (rgb{0x00, 0xFE, 0xFF}));
    EXPECT_EQ(input.width, 2);
    EXPECT_EQ(input.height, 1);
}

}  // namespace
}  // namespace quillmap::testing
