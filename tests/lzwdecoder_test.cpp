#include <gif_lib.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "gif/lzwdecoder.h"
#include "support/gifmemory.h"
#include "support/gifwalk.h"

#ifndef QUILLMAP_CORPUS_DIR
#error "QUILLMAP_CORPUS_DIR must name the shared GIF corpus"
#endif

namespace quillmap::testing {
namespace {

constexpr rgb kBlack{0, 0, 0};
constexpr rgb kTransparent{0xFF, 0xFB, 0xF0};
constexpr rgb kMissing{0x00, 0xFE, 0xFF};

// Every index its own colour, none of them black or one of the marker colours.
rgb Palette(uint32_t i) { return rgb{uint8_t(i), uint8_t(255 - i), uint8_t(i * 37 + 11)}; }

// Codes packed least significant bit first, each at the width the test says.
class bitwriter {
public:
    void Put(uint32_t code, uint32_t width) {
        acc_ |= uint64_t(code) << count_;
        count_ += width;
        while (count_ >= 8) {
            bytes_.push_back(uint8_t(acc_));
            acc_ >>= 8;
            count_ -= 8;
        }
    }
    std::vector<uint8_t> Finish() {
        if (count_ > 0) bytes_.push_back(uint8_t(acc_));
        acc_ = 0;
        count_ = 0;
        return bytes_;
    }

private:
    std::vector<uint8_t> bytes_;
    uint64_t acc_ = 0;
    uint32_t count_ = 0;
};

// What an encoder must track to be read back: the code width, the next free code and each
// string's length. Used for streams too long to lay out by hand.
class codemodel {
public:
    explicit codemodel(uint8_t codesizebyte) : minbits_(codesizebyte + 1u), length_(4096, 0) { Reset(); }
    uint32_t Clear() const { return 1u << (minbits_ - 1); }
    uint32_t End() const { return Clear() + 1; }
    uint32_t Next() const { return next_; }
    uint32_t Bits() const { return bits_; }
    bool HasPrevious() const { return prev_ >= 0; }
    // Writes the code; returns how many pixels it stands for.
    uint32_t Put(bitwriter& w, uint32_t code) {
        w.Put(code, bits_);
        if (code == Clear()) {
            Reset();
            return 0;
        }
        if (code == End()) return 0;
        if (prev_ >= 0 && next_ < 4096) {
            length_[next_] = length_[size_t(prev_)] + 1;
            ++next_;
        }
        if (next_ == (1u << bits_) && bits_ < 12) ++bits_;
        prev_ = int32_t(code);
        return code < Clear() ? 1 : length_[code];
    }

private:
    void Reset() {
        bits_ = minbits_;
        next_ = Clear() + 2;
        prev_ = -1;
    }
    uint32_t minbits_;
    uint32_t bits_ = 0;
    uint32_t next_ = 0;
    int32_t prev_ = -1;
    std::vector<uint32_t> length_;
};

lzwinput Input(uint8_t codesizebyte, int32_t width, int32_t height, std::span<const uint8_t> data,
               int32_t colourcount = 256) {
    lzwinput in;
    in.codesizebyte = codesizebyte;
    in.width = width;
    in.height = height;
    in.colourcount = colourcount;
    // Colours past the count are filled too: the decoder must not use them.
    for (uint32_t i = 0; i < 256; ++i) in.colours[i] = Palette(i);
    in.data = data;
    return in;
}

std::vector<rgb> Colours(std::initializer_list<int> indices) {
    std::vector<rgb> out;
    for (const int i : indices) out.push_back(i < 0 ? kBlack : Palette(uint32_t(i)));
    return out;
}

// ---- giflib as the oracle ------------------------------------------------------------------

struct giffile {
    GifFileType* gif = nullptr;
    int error = 0;
    bool slurped = false;
    giffile() = default;
    giffile(const giffile&) = delete;
    giffile& operator=(const giffile&) = delete;
    ~giffile() {
        if (gif) DGifCloseFile(gif, &error);
    }
};

void SlurpMemory(giffile& f, std::span<const uint8_t> bytes, memsource& source) {
    source = memsource{bytes.data(), bytes.size()};
    f.gif = DGifOpen(&source, ReadMemory, &f.error);
    f.slurped = f.gif && DGifSlurp(f.gif) == GIF_OK;
}

// One image around an LZW stream, with a 256-colour global map of Palette colours.
std::vector<uint8_t> WrapInGif(uint8_t codesizebyte, uint16_t width, uint16_t height, bool interlaced,
                               std::span<const uint8_t> lzw) {
    std::vector<uint8_t> g = {'G', 'I', 'F', '8', '9', 'a'};
    auto word = [&g](uint16_t v) {
        g.push_back(uint8_t(v));
        g.push_back(uint8_t(v >> 8));
    };
    word(width);
    word(height);
    g.insert(g.end(), {0xF7, 0, 0});
    for (uint32_t i = 0; i < 256; ++i) {
        const rgb c = Palette(i);
        g.insert(g.end(), {c.red, c.green, c.blue});
    }
    g.push_back(0x2C);
    word(0);
    word(0);
    word(width);
    word(height);
    g.push_back(interlaced ? 0x40 : 0x00);
    g.push_back(codesizebyte);
    for (size_t at = 0; at < lzw.size(); at += 255) {
        const size_t n = std::min<size_t>(255, lzw.size() - at);
        g.push_back(uint8_t(n));
        g.insert(g.end(), lzw.begin() + ptrdiff_t(at), lzw.begin() + ptrdiff_t(at + n));
    }
    g.push_back(0);
    g.push_back(0x3B);
    return g;
}

struct comparison {
    size_t decoded = 0;     // pixels we decoded
    size_t mismatched = 0;  // of those, differing from giflib's
    size_t outofmap = 0;    // giflib indices with no colour in the map among the decoded pixels
};

// Our pixels against giflib's raster (picture order), through the colour rules: indices below
// the colour count take the input's colours (transparency already in them), the rest are the
// black that literal codes past the map decode to.
comparison Compare(const lzwinput& in, const lzwresult& out, const GifByteType* raster) {
    comparison c;
    c.decoded = out.pixels.size();
    const auto width = size_t(in.width);
    for (size_t i = 0; i < out.pixels.size(); ++i) {
        const int32_t row = PictureRow(int32_t(i / width), in.height, in.interlaced);
        const GifByteType v = raster[size_t(row) * width + i % width];
        const bool inmap = int32_t(v) < in.colourcount;
        if (!inmap) ++c.outofmap;
        if (out.pixels[i] != (inmap ? in.colours[v] : kBlack)) ++c.mismatched;
    }
    return c;
}

// ---- hand-made streams ---------------------------------------------------------------------

TEST(LzwDecoder, LiteralsWidenTheCodeWhenTheTableFillsItsSize) {
    // Code size byte 2: clear 4, end 5, first free 6; after entry 7 the codes take 4 bits.
    bitwriter w;
    w.Put(4, 3);
    w.Put(1, 3);
    w.Put(2, 3);  // entry 6
    w.Put(3, 3);  // entry 7, next free 8: four bits from here
    w.Put(0, 4);
    w.Put(1, 4);
    w.Put(2, 4);
    const auto data = w.Finish();
    const lzwresult r = DecodeLzw(Input(2, 3, 2, data));
    EXPECT_EQ(r.status, dsComplete);
    EXPECT_EQ(r.pixels, Colours({1, 2, 3, 0, 1, 2}));
}

TEST(LzwDecoder, StringsAndTheCodeEqualToTheNextFreeCode) {
    bitwriter w;
    w.Put(4, 3);
    w.Put(0, 3);
    w.Put(1, 3);   // 6 = 0 1
    w.Put(6, 3);   // 7 = 1 0; next free 8, four bits
    w.Put(8, 4);   // the next free code itself: 8 = 0 1 0
    w.Put(7, 4);   // 9 = 0 1 0 1
    w.Put(9, 4);   // 10 = 1 0 0
    w.Put(10, 4);  // 11 = 0 1 0 1 1
    w.Put(5, 4);
    const auto data = w.Finish();
    const lzwresult r = DecodeLzw(Input(2, 16, 1, data));
    EXPECT_EQ(r.status, dsComplete);
    EXPECT_EQ(r.pixels, Colours({0, 1, 0, 1, 0, 1, 0, 1, 0, 0, 1, 0, 1, 1, 0, 0}));
}

TEST(LzwDecoder, AChainOfNextFreeCodesRepeatsOnePixel) {
    bitwriter w;
    w.Put(4, 3);
    w.Put(3, 3);
    w.Put(6, 3);  // 6 = 3 3
    w.Put(7, 3);  // 7 = 3 3 3; four bits from here
    w.Put(8, 4);  // 8 = 3 3 3 3
    const auto data = w.Finish();
    const lzwresult r = DecodeLzw(Input(2, 10, 1, data));
    EXPECT_EQ(r.status, dsComplete);
    EXPECT_EQ(r.pixels, std::vector<rgb>(10, Palette(3)));
}

TEST(LzwDecoder, ClearCodeMidStreamRestartsWidthAndTable) {
    bitwriter w;
    w.Put(4, 3);
    w.Put(1, 3);
    w.Put(2, 3);  // 6 = 1 2
    w.Put(3, 3);  // 7 = 2 3; four bits
    w.Put(6, 4);  // 8 = 3 1
    w.Put(4, 4);  // clear: three bits again, next free 6
    w.Put(3, 3);
    w.Put(0, 3);  // 6 = 3 0
    w.Put(6, 3);  // 7 = 0 3
    const auto data = w.Finish();
    const lzwresult r = DecodeLzw(Input(2, 9, 1, data));
    EXPECT_EQ(r.status, dsComplete);
    EXPECT_EQ(r.pixels, Colours({1, 2, 3, 1, 2, 3, 0, 3, 0}));
}

TEST(LzwDecoder, ClearCodeForgetsTheEntriesBeforeIt) {
    bitwriter w;
    w.Put(4, 3);
    w.Put(1, 3);
    w.Put(2, 3);  // 6 = 1 2
    w.Put(4, 3);  // clear
    w.Put(6, 3);  // 6 is the next free code again, with no previous string
    const auto data = w.Finish();
    const lzwresult r = DecodeLzw(Input(2, 8, 1, data));
    EXPECT_EQ(r.status, dsBadCode);
    EXPECT_EQ(r.pixels, Colours({1, 2}));
}

TEST(LzwDecoder, StreamWithoutLeadingClearCode) {
    // Code size byte 7: clear 128, end 129, first free 130, 8-bit codes: one byte per code.
    const std::vector<uint8_t> data = {7, 9, 130, 131};
    const lzwresult r = DecodeLzw(Input(7, 6, 1, data));
    EXPECT_EQ(r.status, dsComplete);
    EXPECT_EQ(r.pixels, Colours({7, 9, 7, 9, 9, 7}));
}

TEST(LzwDecoder, Status1WhenAByteIsNeededAndNoneRemains) {
    const std::vector<uint8_t> data = {128, 1, 2, 3};
    const lzwresult r = DecodeLzw(Input(7, 10, 1, data));
    EXPECT_EQ(r.status, dsOutOfData);
    EXPECT_EQ(r.pixels, Colours({1, 2, 3}));

    const lzwresult none = DecodeLzw(Input(7, 10, 1, {}));
    EXPECT_EQ(none.status, dsOutOfData);
    EXPECT_TRUE(none.pixels.empty());
}

TEST(LzwDecoder, Status1WhenACodeIsCutByTheEndOfData) {
    // 9-bit codes: clear and a literal fill 18 bits of 24; the 6 left cannot make a code.
    bitwriter w;
    w.Put(256, 9);
    w.Put(5, 9);
    const auto data = w.Finish();
    ASSERT_EQ(data.size(), 3u);
    const lzwresult r = DecodeLzw(Input(8, 4, 1, data));
    EXPECT_EQ(r.status, dsOutOfData);
    EXPECT_EQ(r.pixels, Colours({5}));
}

TEST(LzwDecoder, Status2WhenAStringRunsPastTheLastRow) {
    const std::vector<uint8_t> data = {128, 1, 2, 130, 129};
    const lzwresult r = DecodeLzw(Input(7, 3, 1, data));
    EXPECT_EQ(r.status, dsTooManyPixels);
    EXPECT_EQ(r.pixels, Colours({1, 2, 1}));

    // The same string ending exactly at the last pixel is no fault.
    const lzwresult exact = DecodeLzw(Input(7, 2, 2, data));
    EXPECT_EQ(exact.status, dsComplete);
    EXPECT_EQ(exact.pixels, Colours({1, 2, 1, 2}));
}

TEST(LzwDecoder, Status2KeepsTheStartOfALongString) {
    bitwriter w;
    codemodel m(2);
    m.Put(w, 4);
    m.Put(w, 0);
    m.Put(w, 1);  // 6 = 0 1
    m.Put(w, 2);  // 7 = 1 2
    m.Put(w, 6);  // 8 = 2 0
    m.Put(w, 7);  // 9 = 0 1 1
    m.Put(w, 9);  // 10 = 1 2 0: the string 0 1 1 meets a picture with 2 pixels left
    const auto data = w.Finish();
    const lzwresult r = DecodeLzw(Input(2, 3, 3, data));
    EXPECT_EQ(r.status, dsTooManyPixels);
    EXPECT_EQ(r.pixels, Colours({0, 1, 2, 0, 1, 1, 2, 0, 1}));
}

TEST(LzwDecoder, CodesAfterTheLastRowAreNotRead) {
    // A code beyond the table after the picture is complete changes nothing, nor does missing
    // end code.
    const std::vector<uint8_t> data = {128, 1, 2, 255, 255};
    const lzwresult r = DecodeLzw(Input(7, 2, 1, data));
    EXPECT_EQ(r.status, dsComplete);
    EXPECT_EQ(r.pixels, Colours({1, 2}));
}

TEST(LzwDecoder, Status3ForAnEarlyEndCode) {
    const std::vector<uint8_t> data = {128, 1, 2, 129, 3};
    const lzwresult r = DecodeLzw(Input(7, 5, 1, data));
    EXPECT_EQ(r.status, dsEndCode);
    EXPECT_EQ(r.pixels, Colours({1, 2}));
}

TEST(LzwDecoder, Status4ForCodesOutsideTheTable) {
    const std::vector<uint8_t> beyond = {128, 1, 131};  // next free is 130
    const lzwresult a = DecodeLzw(Input(7, 5, 1, beyond));
    EXPECT_EQ(a.status, dsBadCode);
    EXPECT_EQ(a.pixels, Colours({1}));

    const std::vector<uint8_t> noprevious = {128, 130};
    const lzwresult b = DecodeLzw(Input(7, 5, 1, noprevious));
    EXPECT_EQ(b.status, dsBadCode);
    EXPECT_TRUE(b.pixels.empty());

    const std::vector<uint8_t> kwkwk = {128, 1, 130};  // the same code with a previous string is fine
    const lzwresult c = DecodeLzw(Input(7, 3, 1, kwkwk));
    EXPECT_EQ(c.status, dsComplete);
    EXPECT_EQ(c.pixels, Colours({1, 1, 1}));
}

TEST(LzwDecoder, Status5LiteralPastTheMapIsBlackAndDecodingGoesOn) {
    const std::vector<uint8_t> data = {128, 0, 5, 1, 131};  // 130 = 0 5, 131 = 5 1
    const lzwresult r = DecodeLzw(Input(7, 5, 1, data, 2));
    EXPECT_EQ(r.status, dsColourOutOfMap);
    EXPECT_EQ(r.pixels, Colours({0, -1, 1, -1, 1}));

    // A stopping fault still wins over it.
    const std::vector<uint8_t> thenend = {128, 0, 5, 129};
    const lzwresult s = DecodeLzw(Input(7, 5, 1, thenend, 2));
    EXPECT_EQ(s.status, dsEndCode);
    EXPECT_EQ(s.pixels, Colours({0, -1}));
}

TEST(LzwDecoder, ColourCountAboveTheLiteralsIsNoFault) {
    bitwriter w;
    w.Put(4, 3);
    w.Put(3, 3);
    w.Put(0, 3);
    w.Put(6, 3);
    const auto stream = w.Finish();
    const lzwresult r = DecodeLzw(Input(2, 4, 1, stream, 256));
    EXPECT_EQ(r.status, dsComplete);
    EXPECT_EQ(r.pixels, Colours({3, 0, 3, 0}));
}

TEST(LzwDecoder, Status7ForCodeSizesOutsideTwoToTwelveBits) {
    const std::vector<uint8_t> data = {0, 0, 0, 0};
    for (const uint8_t byte : {uint8_t(0), uint8_t(12), uint8_t(143), uint8_t(255)}) {
        const lzwresult r = DecodeLzw(Input(byte, 2, 2, data));
        EXPECT_EQ(r.status, dsBadCodeSize) << int(byte);
        EXPECT_TRUE(r.pixels.empty());
    }
    // Even a picture without pixels gets told about its code size first.
    EXPECT_EQ(DecodeLzw(Input(0, 0, 0, data)).status, dsBadCodeSize);
}

TEST(LzwDecoder, TwelveBitCodesFromTheStart) {
    // Code size byte 11: clear 2048, end 2049, first free 2050, and the table is 4096 wide.
    bitwriter w;
    w.Put(2048, 12);
    w.Put(7, 12);
    w.Put(200, 12);   // 2050 = 7 200
    w.Put(2050, 12);  // 2051 = 200 7
    w.Put(2051, 12);
    w.Put(2049, 12);
    const auto data = w.Finish();
    const lzwresult r = DecodeLzw(Input(11, 6, 1, data, 201));
    EXPECT_EQ(r.status, dsComplete);
    EXPECT_EQ(r.pixels, Colours({7, 200, 7, 200, 200, 7}));
}

TEST(LzwDecoder, CodeSizeByteOneWidensAfterTheFirstCode) {
    // Clear 2, end 3, first free 4 = the 2-bit table's size: the first code after a clear is
    // read in 2 bits, the ones after it in 3, as giflib reads them.
    bitwriter w;
    w.Put(2, 2);
    w.Put(1, 2);
    w.Put(0, 3);  // 4 = 1 0
    w.Put(4, 3);  // 5 = 0 1
    w.Put(5, 3);  // 6 = 1 0 0
    w.Put(3, 3);
    const auto data = w.Finish();
    const lzwresult r = DecodeLzw(Input(1, 6, 1, data));
    EXPECT_EQ(r.status, dsComplete);
    EXPECT_EQ(r.pixels, Colours({1, 0, 1, 0, 0, 1}));

    giffile f;
    memsource source{};
    const auto gif = WrapInGif(1, 6, 1, false, data);
    SlurpMemory(f, gif, source);
    ASSERT_TRUE(f.slurped) << f.error;
    const lzwinput in = Input(1, 6, 1, data);
    const comparison c = Compare(in, r, f.gif->SavedImages[0].RasterBits);
    EXPECT_EQ(c.mismatched, 0u);
}

TEST(LzwDecoder, NoPixelsMeansNothingIsRead) {
    // Empty data would be status 1 if a single code were read.
    for (const auto& [width, height] : std::vector<std::pair<int32_t, int32_t>>{{0, 0}, {0, 5}, {5, 0}, {-3, 4}}) {
        const lzwresult r = DecodeLzw(Input(2, width, height, {}));
        EXPECT_EQ(r.status, dsComplete) << width << "x" << height;
        EXPECT_TRUE(r.pixels.empty());
    }
}

TEST(LzwDecoder, HugeDeclaredSizeAllocatesOnlyWhatIsDecoded) {
    const std::vector<uint8_t> data = {128, 1, 2, 130, 131, 132};
    const lzwresult r = DecodeLzw(Input(7, 65535, 65535, data));
    EXPECT_EQ(r.status, dsOutOfData);
    EXPECT_EQ(r.pixels, Colours({1, 2, 1, 2, 2, 1, 1, 2, 2}));
    EXPECT_LT(r.pixels.capacity(), size_t(1) << 20);
}

TEST(LzwDecoder, DeferredClearKeepsTwelveBitCodesWithAFullTable) {
    // Code size byte 2 and nothing but literals L0, L1, ...: entry 6 + i - 1 is L(i-1) L(i), so
    // literals L0..L4090 fill the table to code 4095. Then more literals, two table codes and a
    // clear follow at 12 bits, with no entry added; after the clear, 3-bit codes again.
    auto literal = [](uint32_t i) { return (i * 7 + i / 5) % 4; };
    bitwriter w;
    codemodel m(2);
    std::vector<rgb> expected;
    m.Put(w, 4);
    for (uint32_t i = 0; i <= 4095; ++i) {
        if (i == 4091) {
            ASSERT_EQ(m.Next(), 4096u);
        }
        m.Put(w, literal(i));
        expected.push_back(Palette(literal(i)));
    }
    ASSERT_EQ(m.Bits(), 12u);
    m.Put(w, 4000);  // L3994 L3995
    expected.push_back(Palette(literal(3994)));
    expected.push_back(Palette(literal(3995)));
    m.Put(w, 4095);  // L4089 L4090
    expected.push_back(Palette(literal(4089)));
    expected.push_back(Palette(literal(4090)));
    m.Put(w, 4);
    ASSERT_EQ(m.Bits(), 3u);
    m.Put(w, 2);
    m.Put(w, 1);
    m.Put(w, 6);  // 2 1
    for (const int i : {2, 1, 2, 1}) expected.push_back(Palette(uint32_t(i)));
    m.Put(w, 5);
    const auto data = w.Finish();
    ASSERT_EQ(expected.size(), 4104u);

    const lzwresult r = DecodeLzw(Input(2, 8, 513, data, 4));
    EXPECT_EQ(r.status, dsComplete);
    ASSERT_EQ(r.pixels.size(), expected.size());
    EXPECT_EQ(r.pixels, expected);

    // giflib reads the same stream the same way.
    giffile f;
    memsource source{};
    const auto gif = WrapInGif(2, 8, 513, false, data);
    SlurpMemory(f, gif, source);
    ASSERT_TRUE(f.slurped) << f.error;
    const comparison c = Compare(Input(2, 8, 513, data, 4), r, f.gif->SavedImages[0].RasterBits);
    EXPECT_EQ(c.mismatched, 0u);
}

TEST(LzwDecoder, ArbitraryBytesEndInAConsistentState) {
    // Whatever the bytes, the decoder stops, and its status agrees with the pixels it gives.
    std::mt19937 rng(99);
    std::map<int, int> seen;
    for (int round = 0; round < 3000; ++round) {
        std::vector<uint8_t> data(rng() % 600);
        for (auto& byte : data) byte = uint8_t(rng());
        const uint8_t codesizebyte = uint8_t(rng() % 14);
        const uint32_t side = round % 2 ? 40 : 4;  // tiny pictures complete before a bad code comes
        const int32_t width = int32_t(rng() % side), height = int32_t(rng() % side);
        const lzwresult r = DecodeLzw(Input(codesizebyte, width, height, data, int32_t(rng() % 300)));
        const size_t total = size_t(width) * size_t(height);
        ++seen[r.status];
        const std::string what = "round " + std::to_string(round);
        ASSERT_NE(r.status, dsCodeSizeOverflow) << what;
        ASSERT_LE(r.status, dsBadCodeSize) << what;
        if (codesizebyte < 1 || codesizebyte > 11) {
            ASSERT_EQ(r.status, dsBadCodeSize) << what;
            ASSERT_TRUE(r.pixels.empty()) << what;
        } else if (total == 0) {
            ASSERT_EQ(r.status, dsComplete) << what;
            ASSERT_TRUE(r.pixels.empty()) << what;
        } else if (r.status == dsComplete || r.status == dsColourOutOfMap || r.status == dsTooManyPixels) {
            ASSERT_EQ(r.pixels.size(), total) << what;
        } else {
            ASSERT_LT(r.pixels.size(), total) << what;
        }
    }
    // The rounds reach every status the decoder gives.
    for (const int status : {0, 1, 2, 3, 4, 5, 7}) EXPECT_GT(seen[status], 0) << "status " << status;
}

// ---- row order -----------------------------------------------------------------------------

TEST(LzwPictureRow, InterlacedOrderForHeightsOneToTwenty) {
    for (int32_t height = 1; height <= 20; ++height) {
        std::vector<int32_t> order;
        for (const auto& [start, step] : {std::pair{0, 8}, {4, 8}, {2, 4}, {1, 2}}) {
            for (int32_t row = start; row < height; row += step) order.push_back(row);
        }
        ASSERT_EQ(order.size(), size_t(height));
        for (int32_t k = 0; k < height; ++k) {
            EXPECT_EQ(PictureRow(k, height, true), order[size_t(k)]) << "height " << height << " k " << k;
            EXPECT_EQ(PictureRow(k, height, false), k);
        }
        EXPECT_EQ(PictureRow(height, height, true), -1);
        EXPECT_EQ(PictureRow(-1, height, true), -1);
        EXPECT_EQ(PictureRow(height, height, false), -1);
    }
}

TEST(LzwPictureRow, LargestHeightEndsOnTheLastOddRow) {
    EXPECT_EQ(PictureRow(65534, 65535, true), 65533);
    EXPECT_EQ(PictureRow(0, 65535, true), 0);
    EXPECT_EQ(PictureRow(8192, 65535, true), 4);
}

// ---- giflib as the oracle ------------------------------------------------------------------

TEST(LzwOracle, RandomValidStreamsMatchGiflib) {
    // Streams of every kind of code an encoder may send: literals (some past a small map),
    // table codes, the next free code, clears, and a full table kept without a clear.
    std::mt19937 rng(20240611);
    size_t streams = 0, deferred = 0;
    for (uint8_t codesizebyte = 1; codesizebyte <= 8; ++codesizebyte) {
        for (int round = 0; round < 12; ++round) {
            const uint16_t width = uint16_t(1 + rng() % 300);
            const uint16_t height = uint16_t(1 + rng() % 120);
            const bool interlaced = rng() % 2 == 0;
            const uint64_t total = uint64_t(width) * height;
            const bool clears = round % 3 != 0;  // a third of the streams never clear
            const uint32_t literals = 1u << codesizebyte;
            const int32_t colourcount = round % 4 == 1 ? int32_t(std::max(1u, literals / 2)) : 256;
            bitwriter w;
            codemodel m(codesizebyte);
            m.Put(w, m.Clear());
            uint64_t pixels = 0;
            bool full = false;
            while (pixels < total) {
                const uint32_t pick = rng() % 100;
                uint32_t code;
                if (clears && pick < 1) {
                    code = m.Clear();
                } else if (!m.HasPrevious() || pick < 25 || m.Next() == m.Clear() + 2) {
                    code = rng() % literals;
                } else if (pick < 30 && m.Next() < 4096) {
                    code = m.Next();
                } else {
                    code = m.Clear() + 2 + rng() % (m.Next() - m.Clear() - 2);
                }
                if (!m.HasPrevious() && code >= m.Clear()) code = rng() % literals;
                pixels += m.Put(w, code);
                full = full || m.Next() == 4096;
            }
            m.Put(w, m.End());
            const auto data = w.Finish();
            const auto gif = WrapInGif(codesizebyte, width, height, interlaced, data);
            giffile f;
            memsource source{};
            SlurpMemory(f, gif, source);
            ASSERT_TRUE(f.slurped) << "giflib: " << f.error;
            lzwinput in = Input(codesizebyte, width, height, data, colourcount);
            in.interlaced = interlaced;
            const lzwresult r = DecodeLzw(in);
            const comparison c = Compare(in, r, f.gif->SavedImages[0].RasterBits);
            const std::string what = "code size byte " + std::to_string(codesizebyte) + " round " + std::to_string(round);
            EXPECT_TRUE(r.status == dsComplete || r.status == dsColourOutOfMap || r.status == dsTooManyPixels)
                << what << " status " << int(r.status);
            EXPECT_EQ(r.pixels.size(), total) << what;
            EXPECT_EQ(c.mismatched, 0u) << what;
            if (r.status != dsTooManyPixels) {
                EXPECT_EQ(r.status == dsColourOutOfMap, c.outofmap > 0) << what;
            }
            ++streams;
            deferred += full && !clears;
        }
    }
    EXPECT_EQ(streams, 96u);
    EXPECT_GT(deferred, 0u);  // some streams did run on with a full table
}

int WriteMemory(GifFileType* gif, const GifByteType* bytes, int n) {
    auto* sink = static_cast<std::vector<uint8_t>*>(gif->UserData);
    sink->insert(sink->end(), bytes, bytes + n);
    return n;
}

TEST(LzwOracle, GiflibEncodedPicturesDecodeToTheirIndices) {
    std::mt19937 rng(7);
    for (const int bits : {1, 2, 4, 8}) {
        const int width = 517, height = 301;
        const int colours = 1 << bits;
        // Smooth runs broken by noise, so the tables fill and clear.
        std::vector<GifPixelType> picture(size_t(width) * height);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const int smooth = (x / 7 + y / 5) % colours;
                picture[size_t(y) * width + x] = GifPixelType(rng() % 6 == 0 ? int(rng() % colours) : smooth);
            }
        }
        std::vector<GifColorType> map(static_cast<size_t>(colours));
        for (int i = 0; i < colours; ++i) {
            const rgb c = Palette(uint32_t(i));
            map[size_t(i)] = GifColorType{c.red, c.green, c.blue};
        }
        std::vector<uint8_t> file;
        int error = 0;
        GifFileType* gif = EGifOpen(&file, WriteMemory, &error);
        ASSERT_NE(gif, nullptr);
        ColorMapObject* object = GifMakeMapObject(colours, map.data());
        ASSERT_EQ(EGifPutScreenDesc(gif, width, height, bits, 0, object), GIF_OK);
        ASSERT_EQ(EGifPutImageDesc(gif, 0, 0, width, height, false, nullptr), GIF_OK);
        for (int y = 0; y < height; ++y) {
            ASSERT_EQ(EGifPutLine(gif, picture.data() + size_t(y) * width, width), GIF_OK);
        }
        ASSERT_EQ(EGifCloseFile(gif, &error), GIF_OK);
        GifFreeMapObject(object);

        const gifwalkresult walk = WalkGif(file);
        ASSERT_EQ(walk.images.size(), 1u);
        const gifimageblock& image = walk.images[0];
        lzwinput in = Input(image.codesizebyte, width, height, image.data, colours);
        const lzwresult r = DecodeLzw(in);
        EXPECT_EQ(r.status, dsComplete) << bits;
        ASSERT_EQ(r.pixels.size(), picture.size());
        size_t wrong = 0;
        for (size_t i = 0; i < picture.size(); ++i) wrong += r.pixels[i] != Palette(picture[i]);
        EXPECT_EQ(wrong, 0u) << bits << " bits";
    }
}

// ---- the corpus ----------------------------------------------------------------------------

std::string ErrorText(int error) {
    const char* text = GifErrorString(error);
    return text ? text : "error " + std::to_string(error);
}

std::vector<uint8_t> ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

struct filereport {
    std::string name;
    std::string skipped;  // why giflib's pixels could not be had, or empty
    size_t images = 0;
    size_t compared = 0;
    size_t pixels = 0;
    size_t mismatched = 0;
    size_t outofmap = 0;
    std::map<int, size_t> statuses;
};

// Decodes every image of one file that giflib decodes and checks ours against it; failures are
// reported through gtest with the file and image named.
filereport CheckAgainstGiflib(const std::filesystem::path& path) {
    filereport report;
    report.name = path.filename().string();
    giffile f;
    f.gif = DGifOpenFileName(path.string().c_str(), &f.error);
    if (!f.gif) {
        report.skipped = "DGifOpenFileName: " + ErrorText(f.error);
        return report;
    }
    if (DGifSlurp(f.gif) != GIF_OK) {
        report.skipped = "DGifSlurp: " + ErrorText(f.gif->Error);
        return report;
    }
    const std::vector<uint8_t> bytes = ReadFile(path);
    const gifwalkresult walk = WalkGif(bytes);
    report.images = size_t(f.gif->ImageCount);
    EXPECT_EQ(walk.images.size(), size_t(f.gif->ImageCount)) << report.name << ": " << walk.stop;
    const size_t count = std::min(walk.images.size(), size_t(f.gif->ImageCount));
    for (size_t i = 0; i < count; ++i) {
        const SavedImage& saved = f.gif->SavedImages[i];
        const gifimageblock& image = walk.images[i];
        const std::string where = report.name + " image " + std::to_string(i);
        if (!saved.RasterBits) continue;
        const GifImageDesc& d = saved.ImageDesc;
        // The walker must see the block as giflib does.
        EXPECT_EQ(image.left, d.Left) << where;
        EXPECT_EQ(image.top, d.Top) << where;
        EXPECT_EQ(image.width, d.Width) << where;
        EXPECT_EQ(image.height, d.Height) << where;
        EXPECT_EQ(image.interlaced(), d.Interlace) << where;
        EXPECT_EQ(image.haslocalmap(), d.ColorMap != nullptr) << where;
        GraphicsControlBlock gcb{};
        const int transparent =
            DGifSavedExtensionToGCB(f.gif, int(i), &gcb) == GIF_OK ? gcb.TransparentColor : NO_TRANSPARENT_COLOR;
        EXPECT_EQ(image.transparent, transparent) << where;

        const ColorMapObject* map = d.ColorMap ? d.ColorMap : f.gif->SColorMap;
        const std::vector<rgb>& walkedmap = d.ColorMap ? image.localmap : walk.globalmap;
        lzwinput in;
        in.codesizebyte = image.codesizebyte;
        in.width = d.Width;
        in.height = d.Height;
        in.interlaced = d.Interlace;
        in.colourcount = map ? map->ColorCount : 0;
        EXPECT_EQ(walkedmap.size(), size_t(in.colourcount)) << where;
        for (int32_t v = 0; v < 256; ++v) {
            in.colours[size_t(v)] = v < in.colourcount ? rgb{map->Colors[v].Red, map->Colors[v].Green, map->Colors[v].Blue}
                                                       : kMissing;
            if (v < in.colourcount && size_t(v) < walkedmap.size()) {
                EXPECT_EQ(walkedmap[size_t(v)], in.colours[size_t(v)]) << where << " colour " << v;
            }
        }
        if (image.transparent >= 0) in.colours[size_t(image.transparent)] = kTransparent;
        in.data = image.data;

        const lzwresult r = DecodeLzw(in);
        ++report.statuses[r.status];
        EXPECT_TRUE(r.status != dsOutOfData && r.status != dsBadCode && r.status != dsCodeSizeOverflow &&
                    r.status != dsBadCodeSize)
            << where << " status " << int(r.status);
        const uint64_t total = uint64_t(d.Width) * uint64_t(d.Height);
        if (r.status == dsComplete || r.status == dsColourOutOfMap || r.status == dsTooManyPixels) {
            EXPECT_EQ(r.pixels.size(), total) << where;
        }
        EXPECT_LE(r.pixels.size(), total) << where;
        const comparison c = Compare(in, r, saved.RasterBits);
        EXPECT_EQ(c.mismatched, 0u) << where;
        if (r.status == dsComplete || r.status == dsColourOutOfMap) {
            EXPECT_EQ(r.status == dsColourOutOfMap, c.outofmap > 0) << where;
        }
        ++report.compared;
        report.pixels += c.decoded;
        report.mismatched += c.mismatched;
        report.outofmap += c.outofmap;
    }
    return report;
}

std::vector<std::filesystem::path> CorpusFiles() {
    std::vector<std::filesystem::path> files;
    const std::filesystem::path dir(QUILLMAP_CORPUS_DIR);
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(dir, error)) {
        if (entry.path().extension() == ".gif") files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

TEST(LzwOracle, CorpusMatchesGiflib) {
    const auto files = CorpusFiles();
    ASSERT_FALSE(files.empty()) << "no GIF files in " << QUILLMAP_CORPUS_DIR;
    size_t compared = 0, pixels = 0, skipped = 0;
    for (const auto& path : files) {
        const filereport report = CheckAgainstGiflib(path);
        if (!report.skipped.empty()) {
            ++skipped;
            std::printf("  %-40s skipped: %s\n", report.name.c_str(), report.skipped.c_str());
            continue;
        }
        std::string statuses;
        for (const auto& [status, n] : report.statuses) {
            statuses += ' ';
            statuses += std::to_string(status);
            statuses += ':';
            statuses += std::to_string(n);
        }
        std::printf("  %-40s %zu/%zu images, %zu pixels, %zu mismatched, %zu past the map, statuses%s\n",
                    report.name.c_str(), report.compared, report.images, report.pixels, report.mismatched,
                    report.outofmap, statuses.c_str());
        compared += report.compared;
        pixels += report.pixels;
    }
    std::printf("  corpus: %zu files, %zu skipped, %zu images compared, %zu pixels\n", files.size(), skipped,
                compared, pixels);
    EXPECT_GT(compared, 0u);
}

// An independent look at a stream's codes, to show that a file really does what the deferred
// clear test needs: string lengths only, no pixels.
struct codecensus {
    size_t codesatfulltable = 0;  // codes read while the table had no free entry
    size_t clearswhenalmostfull = 0;  // clear codes with the next free code at 4095
};

codecensus Census(const gifimageblock& image) {
    codecensus census;
    const uint32_t minbits = image.codesizebyte + 1u;
    if (minbits < 2 || minbits > 12) return census;
    const uint32_t clear = 1u << (minbits - 1);
    std::vector<uint32_t> length(4096, 1);
    uint32_t bits = minbits, next = clear + 2, prev = 0xFFFF;
    uint64_t acc = 0, pixels = 0;
    uint32_t count = 0;
    size_t at = 0;
    const uint64_t total = uint64_t(image.width) * image.height;
    while (pixels < total) {
        while (count < bits) {
            if (at == image.data.size()) return census;
            acc |= uint64_t(image.data[at++]) << count;
            count += 8;
        }
        const uint32_t code = uint32_t(acc & ((1u << bits) - 1));
        acc >>= bits;
        count -= bits;
        if (next == 4096) ++census.codesatfulltable;
        if (code == clear) {
            census.clearswhenalmostfull += next == 4095;
            bits = minbits;
            next = clear + 2;
            prev = 0xFFFF;
            continue;
        }
        if (code == clear + 1 || code > next || (code == next && prev == 0xFFFF)) return census;
        if (prev != 0xFFFF && next < 4096) length[next++] = length[prev] + 1;
        if (next == (1u << bits) && bits < 12) ++bits;
        pixels += code < clear ? 1 : length[code];
        prev = code;
    }
    return census;
}

TEST(LzwWalker, TruncatedFilesGiveAPrefixOfTheBlocks) {
    const auto files = CorpusFiles();
    ASSERT_FALSE(files.empty()) << "no GIF files in " << QUILLMAP_CORPUS_DIR;
    for (const auto& path : files) {
        const std::vector<uint8_t> bytes = ReadFile(path);
        const gifwalkresult whole = WalkGif(bytes);
        const size_t step = std::max<size_t>(1, bytes.size() / 300);
        for (size_t cut = 0; cut < bytes.size(); cut += step) {
            const gifwalkresult part = WalkGif(std::span<const uint8_t>(bytes).first(cut));
            const std::string where = path.filename().string() + " cut at " + std::to_string(cut);
            ASSERT_LE(part.images.size(), whole.images.size()) << where;
            if (whole.trailer) {
                // Cut before the trailer, a walk cannot end at it.
                EXPECT_FALSE(part.trailer && cut <= whole.images.back().offset) << where;
            }
            for (size_t i = 0; i < part.images.size(); ++i) {
                const gifimageblock& a = part.images[i];
                const gifimageblock& b = whole.images[i];
                ASSERT_EQ(a.offset, b.offset) << where;
                if (a.terminated) {
                    EXPECT_EQ(a.data, b.data) << where << " image " << i;
                } else {
                    // What a cut image keeps is the start of its data.
                    ASSERT_LE(a.data.size(), b.data.size()) << where;
                    EXPECT_TRUE(std::equal(a.data.begin(), a.data.end(), b.data.begin())) << where;
                }
            }
        }
    }
}

TEST(LzwOracle, DeferredClearFilesDecodeLikeGiflib) {
    const std::filesystem::path dir(QUILLMAP_CORPUS_DIR);
    for (const char* name : {"4095-codes.gif", "4095-codes-clear.gif", "iss634.gif", "gifplayer-muybridge.gif"}) {
        const auto path = dir / name;
        const gifwalkresult walk = WalkGif(ReadFile(path));
        ASSERT_FALSE(walk.images.empty()) << name;
        codecensus census;
        for (const auto& image : walk.images) {
            const codecensus c = Census(image);
            census.codesatfulltable += c.codesatfulltable;
            census.clearswhenalmostfull += c.clearswhenalmostfull;
        }
        if (std::string(name) == "4095-codes-clear.gif") {
            EXPECT_GT(census.clearswhenalmostfull, 0u) << name;
        } else {
            EXPECT_GT(census.codesatfulltable, 0u) << name << ": the table never ran full";
        }
        const filereport report = CheckAgainstGiflib(path);
        ASSERT_TRUE(report.skipped.empty()) << name << ": " << report.skipped;
        EXPECT_EQ(report.compared, walk.images.size()) << name;
        EXPECT_EQ(report.mismatched, 0u) << name;
        std::printf("  %-28s %zu images, %zu codes read with a full table, %zu clears at 4095\n", name,
                    report.compared, census.codesatfulltable, census.clearswhenalmostfull);
    }
}

}  // namespace
}  // namespace quillmap::testing
