#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "base/cp1251.h"
#include "views/codetext.h"
#include "views/phrasefinder.h"

namespace quillmap::testing {
namespace {

TEST(Cp1251UpperCase, LettersOfBothAlphabetsAndNothingElse) {
    const auto& upper = Cp1251UpperCase();
    const std::vector<std::pair<std::string, std::string>> pairs = {
        {"a", "A"}, {"z", "Z"}, {"а", "А"}, {"я", "Я"}, {"ё", "Ё"}, {"ђ", "Ђ"}, {"ѓ", "Ѓ"}, {"ў", "Ў"},
        {"ј", "Ј"}, {"ґ", "Ґ"}, {"є", "Є"}, {"ї", "Ї"}, {"і", "І"}, {"ѕ", "Ѕ"}, {"џ", "Џ"},
        // Not letters of the two alphabets, or capitals already.
        {"A", "A"}, {"Я", "Я"}, {"1", "1"}, {"µ", "µ"}, {"{", "{"}, {"`", "`"}, {"№", "№"}};
    for (const auto& [small, capital] : pairs) {
        ASSERT_EQ(small.size(), 1u);
        EXPECT_EQ(upper[static_cast<uint8_t>(small[0])], static_cast<uint8_t>(capital[0])) << small;
    }
    // The search rules out positions by a byte and one other: no value has three spellings.
    std::map<uint8_t, int> spellings;
    for (int b = 0; b < 256; ++b) ++spellings[upper[b]];
    for (const auto& [value, count] : spellings) EXPECT_LE(count, 2) << int(value);
}

// The search as plainly as it can be said: every position in order, the text form first.
phrasematch Reference(const std::string& bytes, const std::string& phrase, int32_t base, searchmode mode,
                      bool matchcase, int32_t from, int32_t to) {
    const auto& upper = Cp1251UpperCase();
    auto fold = [&](std::string s) {
        if (!matchcase)
            for (char& c : s) c = static_cast<char>(upper[static_cast<uint8_t>(c)]);
        return s;
    };
    const std::string text = mode == searchmode::codes ? "" : fold(phrase);
    const std::string codes = mode == searchmode::text ? "" : CodesToBytes(phrase, base);
    const std::string folded = fold(bytes);
    for (int32_t p = std::max(from, 0); p < to; ++p) {
        if (!text.empty() && p + int32_t(text.size()) <= to && folded.compare(p, text.size(), text) == 0)
            return {p, int32_t(text.size())};
        if (!codes.empty() && p + int32_t(codes.size()) <= to && bytes.compare(p, codes.size(), codes) == 0)
            return {p, int32_t(codes.size())};
    }
    return {};
}

TEST(PhraseFinder, AgreesWithThePlainSearchOnRandomDocumentsAndRanges) {
    std::mt19937 random(7);
    // Few distinct bytes, among them letters of both cases and the digits codes are written in,
    // so that matches, near matches and matches at the range's ends are common.
    const std::string alphabet = "aAbB1 4gG\xe0\xc0\xb8\xa8\xa2\xa1\x47\x49\x46";
    auto draw = [&](size_t n) {
        std::string s;
        for (size_t i = 0; i < n; ++i) s += alphabet[random() % alphabet.size()];
        return s;
    };
    const std::vector<std::string> codephrases = {"47 49", "4749 46", "a1", "A2 B8", "1g", "61 41 62"};
    int matches = 0;
    for (int round = 0; round < 3000; ++round) {
        const std::string bytes = draw(random() % 200);
        const std::string phrase = round % 3 == 0 ? codephrases[random() % codephrases.size()] : draw(1 + random() % 3);
        const auto mode = static_cast<searchmode>(1 + random() % 3);
        const bool matchcase = random() % 2;
        const int32_t base = round % 5 == 0 ? 10 : 16;
        const auto length = static_cast<int32_t>(bytes.size());
        const int32_t from = random() % (length + 2) - 1;
        const int32_t to = from + static_cast<int32_t>(random() % (length + 3));
        const phrasefinder finder(phrase, base, mode, matchcase);
        const std::span<const uint8_t> span(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
        const phrasematch found = finder.Find(span, from, to);
        const phrasematch expected =
            Reference(bytes, phrase, base, mode, matchcase, from, std::min(to, length));
        ASSERT_EQ(found.position, expected.position) << round << " phrase \"" << phrase << "\" in " << from << ".." << to;
        ASSERT_EQ(found.length, expected.length) << round;
        matches += found.position >= 0;
    }
    EXPECT_GT(matches, 400);  // the cases above are not all misses
}

}  // namespace
}  // namespace quillmap::testing
