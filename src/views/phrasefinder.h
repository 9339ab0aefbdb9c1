#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quillmap {

// Which forms of a phrase a search matches: its characters, the codes it is written as, or both.
enum class searchmode : uint8_t { text = 1, codes = 2, both = 3 };

struct phrasematch {
    int32_t position = -1;  // -1: none
    int32_t length = 0;
};

// A phrase made ready for searching the document: as text (letter case ignored unless matchcase,
// through the code page's upper-casing) and as codes in base (read by CodesToBytes, exactly; a
// phrase that is no codes never matches as codes).
class phrasefinder {
public:
    phrasefinder(std::string_view phrase, int32_t base, searchmode mode, bool matchcase);

    // The first match lying wholly inside bytes[from, to). A code match is taken only when it
    // starts before the text match; at the same byte the text wins.
    phrasematch Find(std::span<const uint8_t> bytes, int32_t from, int32_t to) const;

private:
    // One form of the phrase, its bytes compared through a table.
    struct needle {
        std::string bytes;  // through table already
        const std::array<uint8_t, 256>* table;
        // Each end byte with the other byte the table takes to the same value (or itself again),
        // so that sixteen positions at a time can be ruled out before comparing.
        std::array<uint8_t, 2> first;
        std::array<uint8_t, 2> last;
        bool At(const uint8_t* at) const;
    };
    void AddNeedle(std::string_view bytes, const std::array<uint8_t, 256>& table);
    // The first position in [from, to) where a needle fits and matches, the earlier needle first.
    phrasematch MatchAt(const uint8_t* bytes, int32_t position, int32_t to) const;

    // In priority order: the text, then the codes. The scan always looks for two: a single form
    // is looked for twice, which costs less than a scan of another shape.
    std::vector<needle> needles_;
};

}  // namespace quillmap
