#include "gif/lzwdecoder.h"

#include <algorithm>
#include <memory>
#include <stdexcept>

namespace quillmap {
namespace {

constexpr uint32_t kCodeLimit = 4096;  // 12-bit codes: the table never holds more
constexpr uint32_t kMaxCodeBits = 12;
constexpr uint32_t kNoCode = 0xFFFF;
constexpr uint32_t kNever = 0xFFFFFFFF;  // a table size the next free code never reaches

// One string of the code table, in 16 bytes. The first pixel makes the new entry after a code
// equal to the next free code without walking the chain. The string is written backwards from
// its end, two pixels per entry visited: the last pixel and the one before it, then on to the
// entry two pixels shorter (prefix2). Each visit waits for the load before it, so halving the
// visits is what makes long strings fast. The plain prefix gives later entries their prefix2
// and cuts a string short at the picture's end.
struct lzwentry {
    rgb first;
    rgb last;
    rgb beforelast;
    uint16_t prefix = 0;
    uint16_t prefix2 = 0;
    uint16_t length = 0;
};
static_assert(sizeof(lzwentry) <= 16);

// Little-endian regardless of the machine; compilers turn it into one load.
inline uint64_t Load64(const uint8_t* p) {
    return uint64_t(p[0]) | uint64_t(p[1]) << 8 | uint64_t(p[2]) << 16 | uint64_t(p[3]) << 24 |
           uint64_t(p[4]) << 32 | uint64_t(p[5]) << 40 | uint64_t(p[6]) << 48 | uint64_t(p[7]) << 56;
}

// Makes room for at least `needed` pixels, guessing the final count from how many pixels the
// bytes read so far gave. The first room is small (about a pixel per data byte), so the copy
// when it runs out is cheap and the guess from it is good: a typical picture is allocated about
// twice, while a header promising 65535 x 65535 pixels over a few bytes of data costs only what
// those bytes decode to.
void Enlarge(std::vector<rgb>& pixels, uint64_t needed, uint64_t total, uint64_t written,
             uint64_t bytesread, uint64_t bytestotal) {
    uint64_t target = std::max<uint64_t>(needed, uint64_t(pixels.size()) + pixels.size() / 2);
    if (bytesread > 0 && written > 0) {
        // In floating point so that no product can wrap; a quarter to spare, as the start of a
        // picture may pack better or worse than the rest (the picture size caps it anyway).
        const double guess = double(written) / double(bytesread) * double(bytestotal) * 1.25;
        if (guess > double(target)) target = guess >= double(total) ? total : uint64_t(guess);
    }
    target = std::min(target, total);
    if (target > pixels.max_size()) {
        if (needed > pixels.max_size()) throw std::length_error("DecodeLzw: picture too large");
        target = pixels.max_size();
    }
    pixels.resize(size_t(target));
}

}  // namespace

lzwresult DecodeLzw(const lzwinput& input) {
    lzwresult result;
    const uint32_t minbits = uint32_t(input.codesizebyte) + 1;
    if (minbits < 2 || minbits > kMaxCodeBits) {
        result.status = dsBadCodeSize;
        return result;
    }
    // A picture with no pixels is complete before its first code: nothing is read, status 0.
    if (input.width <= 0 || input.height <= 0) return result;
    const uint64_t total = uint64_t(input.width) * uint64_t(input.height);  // below 2^62

    const uint32_t clear = 1u << (minbits - 1);
    const uint32_t endcode = clear + 1;
    const uint32_t firstgrowth = minbits < kMaxCodeBits ? 1u << minbits : kNever;
    const uint32_t colourcount = uint32_t(std::clamp(input.colourcount, int32_t(0), int32_t(256)));
    // Literal codes from colourcount up to the clear code have no colour: code - colourcount
    // falls below this only for them (unsigned wrap-around for the rest).
    const uint32_t pastmap = clear > colourcount ? clear - colourcount : 0;

    auto table = std::make_unique<lzwentry[]>(kCodeLimit);
    for (uint32_t code = 0; code < clear; ++code) {
        // Literal codes past the map are still pixels, black ones; the caller hears of them as status 5.
        const rgb colour = code < colourcount ? input.colours[code] : rgb{};
        table[code] = lzwentry{colour, colour, colour, uint16_t(kNoCode), uint16_t(kNoCode), 1};
    }

    const uint8_t* const instart = input.data.data();
    const uint8_t* in = instart;
    const uint8_t* const inend = in + input.data.size();
    uint64_t bits = 0;
    uint32_t bitcount = 0;

    uint32_t codebits = minbits;
    uint32_t growat = firstgrowth;  // the next free code at which codes widen by a bit
    uint32_t next = clear + 2;
    uint32_t prev = kNoCode;
    bool outofmap = false;
    uint8_t stop = dsComplete;

    std::vector<rgb>& pixels = result.pixels;
    Enlarge(pixels, std::min<uint64_t>(total, 65536 + uint64_t(input.data.size()) / 8), total, 0, 0, 0);
    rgb* base = pixels.data();
    rgb* out = base;
    rgb* room = base + pixels.size();  // the vector never holds more than the picture

    // Each pass reads one code and stops, or is a clear code, or writes at least one pixel; the
    // data bytes bound the clear codes and the picture size bounds the rest.
    for (;;) {
        if (bitcount < codebits) {
            if (inend - in >= 8) {
                // Top up to 56..63 bits; bits above the count repeat bytes not yet taken, so
                // the next top-up ORs them in again unchanged.
                bits |= Load64(in) << bitcount;
                in += (63 - bitcount) >> 3;
                bitcount |= 56;
            } else {
                while (bitcount < codebits) {
                    if (in == inend) {
                        stop = dsOutOfData;
                        goto finish;
                    }
                    bits |= uint64_t(*in++) << bitcount;
                    bitcount += 8;
                }
            }
        }
        const uint32_t code = uint32_t(bits) & ((1u << codebits) - 1);
        bits >>= codebits;
        bitcount -= codebits;

        // One rarely taken branch for clear, end and codes at or past the next free code, and
        // none for literals against table codes, which alternate unpredictably.
        if (code - clear < 2 || code >= next) {
            if (code == clear) {
                codebits = minbits;
                growat = firstgrowth;
                next = clear + 2;
                prev = kNoCode;
                continue;
            }
            if (code == endcode) {
                stop = dsEndCode;
                break;
            }
            if (code > next || prev == kNoCode) {
                stop = dsBadCode;
                break;
            }
        }
        outofmap |= code - colourcount < pastmap;

        // A full table takes no more entries and keeps 12-bit codes until a clear code comes:
        // encoders may defer the clear, and giflib decodes such streams the same way.
        if (prev != kNoCode && next < kCodeLimit) {
            const lzwentry& p = table[prev];
            lzwentry& e = table[next];
            // For a code equal to next, e is the code's own string: it ends with its first pixel,
            // which is the previous string's first pixel.
            e.last = code == next ? p.first : table[code].first;
            e.first = p.first;
            e.beforelast = p.last;
            e.prefix = uint16_t(prev);
            e.prefix2 = p.prefix;
            e.length = uint16_t(p.length + 1);
            ++next;
        }
        // Checked after every code rather than only after an entry: with a code size byte of 1
        // the first free code already equals the table size, and the second code after a clear
        // needs three bits (giflib reads it so).
        if (next == growat) {
            ++codebits;
            growat = codebits < kMaxCodeBits ? 1u << codebits : kNever;
        }

        uint32_t length = table[code].length;
        uint32_t k = code;
        if (length > uint64_t(room - out)) {
            const uint64_t written = uint64_t(out - base);
            if (written + length > total) {
                // Only the start of the string fits: drop its tail from the end we walk from.
                const uint32_t fits = uint32_t(total - written);
                for (uint32_t skip = length - fits; skip > 0; --skip) k = table[k].prefix;
                length = fits;
                stop = dsTooManyPixels;
            }
            if (written + length > uint64_t(room - base)) {
                Enlarge(pixels, written + length, total, written, uint64_t(in - instart), input.data.size());
                base = pixels.data();
                out = base + written;
                room = base + pixels.size();
            }
        }
        // Two pixels per visit, the lower one held at the string's start: an odd string ends on
        // a literal, whose pixel before the last is its only pixel, so the held write repeats
        // the right colour. Literals and pairs thus take the same single pass.
        int32_t n = int32_t(length);
        do {
            const lzwentry& e = table[k];
            out[n - 1] = e.last;
            out[n >= 2 ? n - 2 : 0] = e.beforelast;
            k = e.prefix2;
            n -= 2;
        } while (n > 0);
        out += length;
        prev = code;
        // The room ends at the picture's end or before it, so only a full room needs a look.
        if (out == room && (stop != dsComplete || uint64_t(out - base) == total)) break;
    }
finish:
    pixels.resize(size_t(out - base));
    result.status = stop != dsComplete ? stop : outofmap ? uint8_t(dsColourOutOfMap) : uint8_t(dsComplete);
    return result;
}

int32_t PictureRow(int32_t k, int32_t height, bool interlaced) {
    if (k < 0 || k >= height) return -1;
    if (!interlaced) return k;
    // The four passes take rows 0 mod 8, 4 mod 8, 2 mod 4 and 1 mod 2; 64-bit so no height wraps.
    int64_t r = k;
    const int64_t h = height;
    const int64_t pass1 = (h + 7) / 8;
    if (r < pass1) return int32_t(r * 8);
    r -= pass1;
    const int64_t pass2 = (h + 3) / 8;
    if (r < pass2) return int32_t(4 + r * 8);
    r -= pass2;
    const int64_t pass3 = (h + 1) / 4;
    if (r < pass3) return int32_t(2 + r * 4);
    r -= pass3;
    return int32_t(1 + r * 2);
}

}  // namespace quillmap
