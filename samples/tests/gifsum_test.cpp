// CRC-32 and the GIF census, fed in blocks split anywhere, against known values and giflib.
#include <gif_lib.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "gifsum.h"
#include "samplegif.h"

namespace samples::testing {
namespace {

// The document cut into blocks of random sizes (1 to 40 bytes), as the program may hand them.
std::vector<std::vector<uint8_t>> Blocks(const std::vector<uint8_t>& bytes, std::mt19937& random) {
    std::vector<std::vector<uint8_t>> blocks;
    for (size_t at = 0; at < bytes.size();) {
        const size_t size = std::min<size_t>(bytes.size() - at, std::uniform_int_distribution<size_t>(1, 40)(random));
        blocks.emplace_back(bytes.begin() + at, bytes.begin() + at + size);
        at += size;
    }
    return blocks;
}

gif_census Census(const std::vector<uint8_t>& bytes, std::mt19937& random) {
    gif_census census;
    gif_census_init(&census);
    for (const auto& block : Blocks(bytes, random))
        gif_census_feed(&census, block.data(), static_cast<uint32_t>(block.size()));
    return census;
}

TEST(Crc32, KnownValuesWhateverTheBlocks) {
    const struct {
        std::string text;
        uint32_t crc;
    } cases[] = {{"", 0}, {"a", 0xE8B7BE43u}, {"123456789", 0xCBF43926u},
                 {"The quick brown fox jumps over the lazy dog", 0x414FA339u}};
    std::mt19937 random(1);
    for (const auto& c : cases) {
        const std::vector<uint8_t> bytes(c.text.begin(), c.text.end());
        for (int round = 0; round < 10; ++round) {
            uint32_t crc = 0;
            for (const auto& block : Blocks(bytes, random))
                crc = crc32_update(crc, block.data(), static_cast<uint32_t>(block.size()));
            EXPECT_EQ(crc, c.crc) << c.text;
        }
    }
}

TEST(GifCensus, CountsTheImagesOfEveryBlockKindAndStopsAtTheTrailer) {
    const samplegif gif = MakeSampleGif();
    std::mt19937 random(2);
    for (int round = 0; round < 20; ++round) {
        const gif_census census = Census(gif.bytes, random);
        EXPECT_EQ(census.size, gif.bytes.size());
        EXPECT_EQ(census.images, 2u);
    }
}

TEST(GifCensus, DamageStopsTheCountWhereItIs) {
    const samplegif gif = MakeSampleGif();
    std::mt19937 random(3);
    std::vector<uint8_t> notgif = gif.bytes;
    notgif[0] = 'g';
    EXPECT_EQ(Census(notgif, random).images, 0u);
    // Cut inside the second image: the first is whole and the second begun.
    const uint32_t second = gif.blocks[4].start;
    ASSERT_EQ(gif.blocks[4].kind, GIF_IMAGE);
    const std::vector<uint8_t> cut(gif.bytes.begin(), gif.bytes.begin() + second + 3);
    EXPECT_EQ(Census(cut, random).images, 2u);
    // A block that begins with no known byte ends the count, and the images after it are lost.
    std::vector<uint8_t> stray = gif.bytes;
    stray[second] = 'x';
    EXPECT_EQ(Census(stray, random).images, 1u);
}

TEST(GifCensus, AgreesWithGiflibOnTheCorpus) {
    std::mt19937 random(4);
    int checked = 0;
    for (const auto& entry : std::filesystem::directory_iterator(SAMPLES_CORPUS_DIR)) {
        if (entry.path().extension() != ".gif") continue;
        int error = 0;
        GifFileType* file = DGifOpenFileName(entry.path().c_str(), &error);
        if (!file) continue;
        const bool whole = DGifSlurp(file) == GIF_OK;
        const int images = file->ImageCount;
        DGifCloseFile(file, &error);
        if (!whole) continue;  // giflib gave up: no count to compare with
        std::ifstream in(entry.path(), std::ios::binary);
        const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        const gif_census census = Census(bytes, random);
        EXPECT_EQ(census.images, static_cast<uint32_t>(images)) << entry.path();
        EXPECT_EQ(census.size, bytes.size()) << entry.path();
        ++checked;
    }
    EXPECT_GT(checked, 10);
}

}  // namespace
}  // namespace samples::testing
