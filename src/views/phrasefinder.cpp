#include "views/phrasefinder.h"

#include <emmintrin.h>

#include <algorithm>
#include <bit>

#include "base/cp1251.h"
#include "views/codetext.h"

namespace quillmap {

namespace {

const std::array<uint8_t, 256>& Identity() {
    static const std::array<uint8_t, 256> table = [] {
        std::array<uint8_t, 256> same{};
        for (int b = 0; b < 256; ++b) same[b] = static_cast<uint8_t>(b);
        return same;
    }();
    return table;
}

// The byte itself and another that the table takes to the same value, if there is one; the code
// page pairs each capital with at most one small letter.
std::array<uint8_t, 2> Variants(uint8_t byte, const std::array<uint8_t, 256>& table) {
    std::array<uint8_t, 2> both{byte, byte};
    for (int b = 0; b < 256; ++b)
        if (b != byte && table[b] == table[byte]) both[1] = static_cast<uint8_t>(b);
    return both;
}

// Positions scanned per step: two blocks of sixteen.
constexpr int32_t Block = 16;
constexpr int32_t Step = 2 * Block;

__m128i Load(const uint8_t* at) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(at)); }

// A needle's first and last bytes, each with its other spelling, spread over sixteen lanes once
// before the scan rather than on every step.
struct needleends {
    __m128i first0, first1, last0, last1;
    size_t lastoffset;

    needleends(const std::array<uint8_t, 2>& first, const std::array<uint8_t, 2>& last, size_t length)
        : first0(_mm_set1_epi8(static_cast<char>(first[0]))),
          first1(_mm_set1_epi8(static_cast<char>(first[1]))),
          last0(_mm_set1_epi8(static_cast<char>(last[0]))),
          last1(_mm_set1_epi8(static_cast<char>(last[1]))),
          lastoffset(length - 1) {}

    // Where among sixteen positions, whose first bytes are given, the needle could stand.
    __m128i Candidates(__m128i firsts, const uint8_t* at) const {
        const __m128i lasts = Load(at + lastoffset);
        return _mm_and_si128(_mm_or_si128(_mm_cmpeq_epi8(firsts, first0), _mm_cmpeq_epi8(firsts, first1)),
                             _mm_or_si128(_mm_cmpeq_epi8(lasts, last0), _mm_cmpeq_epi8(lasts, last1)));
    }
};

}  // namespace

bool phrasefinder::needle::At(const uint8_t* at) const {
    for (size_t i = 0; i < bytes.size(); ++i)
        if ((*table)[at[i]] != static_cast<uint8_t>(bytes[i])) return false;
    return true;
}

phrasefinder::phrasefinder(std::string_view phrase, int32_t base, searchmode mode, bool matchcase) {
    if (mode != searchmode::codes) AddNeedle(phrase, matchcase ? Identity() : Cp1251UpperCase());
    if (mode != searchmode::text) AddNeedle(CodesToBytes(phrase, base), Identity());
}

void phrasefinder::AddNeedle(std::string_view bytes, const std::array<uint8_t, 256>& table) {
    if (bytes.empty()) return;
    needle made{std::string(bytes), &table, {}, {}};
    for (char& c : made.bytes) c = static_cast<char>(table[static_cast<uint8_t>(c)]);
    made.first = Variants(static_cast<uint8_t>(made.bytes.front()), table);
    made.last = Variants(static_cast<uint8_t>(made.bytes.back()), table);
    needles_.push_back(std::move(made));
}

phrasematch phrasefinder::MatchAt(const uint8_t* bytes, int32_t position, int32_t to) const {
    for (const needle& each : needles_) {
        const auto length = static_cast<int32_t>(each.bytes.size());
        if (length <= to - position && each.At(bytes + position)) return {position, length};
    }
    return {};
}

phrasematch phrasefinder::Find(std::span<const uint8_t> bytes, int32_t from, int32_t to) const {
    from = std::max(from, 0);
    to = std::min<int32_t>(to, static_cast<int32_t>(bytes.size()));
    if (needles_.empty() || from >= to) return {};
    const uint8_t* data = bytes.data();
    int32_t longest = 0;
    for (const needle& each : needles_) longest = std::max(longest, static_cast<int32_t>(each.bytes.size()));
    // The scan only rules positions out: where a needle's first and last bytes could both stand,
    // the whole needle is compared. Each step reads up to longest - 1 bytes beyond its positions.
    const needleends one(needles_.front().first, needles_.front().last, needles_.front().bytes.size());
    const needleends two(needles_.back().first, needles_.back().last, needles_.back().bytes.size());
    auto sixteen = [&](const uint8_t* at) {
        const __m128i firsts = Load(at);
        return static_cast<uint32_t>(_mm_movemask_epi8(_mm_or_si128(one.Candidates(firsts, at), two.Candidates(firsts, at))));
    };
    int32_t position = from;
    for (; int64_t(position) + Step + longest - 1 <= to; position += Step) {
        const uint8_t* at = data + position;
        uint32_t candidates = sixteen(at) | sixteen(at + Block) << Block;
        for (; candidates != 0; candidates &= candidates - 1) {
            const phrasematch found = MatchAt(data, position + std::countr_zero(candidates), to);
            if (found.position >= 0) return found;
        }
    }
    for (; position < to; ++position) {
        const phrasematch found = MatchAt(data, position, to);
        if (found.position >= 0) return found;
    }
    return {};
}

}  // namespace quillmap
