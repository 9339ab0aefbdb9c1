#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/proportionguard.h"
#include "dialogs/breakline.h"
#include "dialogs/fittextbox.h"
#include "dialogs/showtext.h"
#include "dialogs/textblock.h"
#include "platform/headless/headlesscanvas.h"

namespace quillmap {
namespace {

using platform::drawop;
using platform::point;
using platform::rect;

// Every character 10 pixels wide, every line 10 high: widths read off the text's length.
class wrapping : public ::testing::Test {
protected:
    wrapping() {
        surface.SetFont({"Arial", 10, platform::DefaultCharset, 0, platform::clBlack});
        surface.SetCharacterWidths([](const platform::fontspec&, unsigned char) { return 10; });
    }

    std::vector<std::string> Lines(int32_t width, std::string_view text, hyphenrule hyphen) {
        std::vector<std::string> lines;
        for (size_t pos = 0; pos < text.size();) {
            const auto line = TakeLine(width, surface, text, pos, hyphen);
            if (!line) break;
            lines.emplace_back(line->text);
            pos = line->next;
        }
        return lines;
    }

    struct drawn {
        std::string text;
        point at;
        friend bool operator==(const drawn&, const drawn&) = default;
    };
    std::vector<drawn> Drawn() const {
        std::vector<drawn> texts;
        for (const drawop& op : surface.Operations()) {
            if (op.what == drawop::kind::text) texts.push_back({op.text, op.points.at(0)});
        }
        return texts;
    }

    platform::headlesscanvas surface;
};

using Strings = std::vector<std::string>;

TEST_F(wrapping, ALongWordIsSplitOnlyOnALineLessThanHalfFull) {
    // 63 pixels: six characters fit; half of 63 is 32.
    EXPECT_EQ(Lines(63, "ab cdefghijkl", hyphenrule::closingmark), (Strings{"ab cde", "fghijk", "l"}));
    EXPECT_EQ(Lines(63, "abcd efghijkl", hyphenrule::closingmark), (Strings{"abcd", "efghij", "kl"}));
    // Nothing fits a line narrower than one character.
    EXPECT_EQ(BreakLine(9, surface, "ab", 0, hyphenrule::closingmark), 0u);
    EXPECT_TRUE(Lines(9, "ab", hyphenrule::closingmark).empty());
}

TEST_F(wrapping, HalfTheWidthIsRoundedToEven) {
    // A 32-pixel line before a word that does not fit: spaces take no room here.
    surface.SetCharacterWidths([](const platform::fontspec&, unsigned char c) { return c == ' ' ? 0 : c == 'x' ? 7 : 8; });
    // 32.5 rounds down to 32: the line counts as half full and the word moves.
    EXPECT_EQ(BreakLine(65, surface, "abcd efghijklm", 0, hyphenrule::closingmark), 4u);
    // 33 is more than 32: the word is split after four more characters (64 < 66).
    EXPECT_EQ(BreakLine(66, surface, "abcd efghijklm", 0, hyphenrule::closingmark), 9u);
    // 31.5 rounds up to 32, so a 31-pixel line is less than half full: three more (55 < 63).
    EXPECT_EQ(BreakLine(63, surface, "abcx efghijklm", 0, hyphenrule::closingmark), 8u);
}

TEST_F(wrapping, MarksStayWithTheirWords) {
    // The opening bracket goes down with its word; the line keeps the space before it.
    EXPECT_EQ(Lines(63, "ab (cdefgh", hyphenrule::closingmark), (Strings{"ab ", "(cdefg", "h"}));
    // A comma never starts a line after its word, though it would fit alone.
    EXPECT_EQ(Lines(83, "abcde fg, h", hyphenrule::closingmark), (Strings{"abcde", "fg, h"}));
    EXPECT_EQ(Lines(83, "abcde fg) h.", hyphenrule::closingmark), (Strings{"abcde", "fg) h."}));
}

TEST_F(wrapping, TheHyphenRules) {
    // Message and popup windows: the hyphen holds to its word, the break comes after it.
    EXPECT_EQ(Lines(83, "abcd ef-gh", hyphenrule::closingmark), (Strings{"abcd ef-", "gh"}));
    EXPECT_EQ(Lines(93, "abcdef gh-ij", hyphenrule::closingmark), (Strings{"abcdef", "gh-ij"}));
    // The description panel: a hyphen that does not fit goes down on its own.
    EXPECT_EQ(Lines(93, "abcdef gh-ij", hyphenrule::ownclass), (Strings{"abcdef gh", "-ij"}));
}

TEST_F(wrapping, LineBreaksInPairsAndBlankLines) {
    for (const std::string_view text : {"ab\n\rcd", "ab\r\ncd", "ab\ncd", "ab\rcd"}) {
        EXPECT_EQ(Lines(200, text, hyphenrule::closingmark), (Strings{"ab", "cd"})) << text;
    }
    for (const std::string_view text : {"ab\n\r\n\rcd", "ab\r\n\r\ncd", "ab\n\ncd", "ab\r\rcd"}) {
        EXPECT_EQ(Lines(200, text, hyphenrule::closingmark), (Strings{"ab", " ", "cd"})) << text;
    }
    // A break at the very end opens no line.
    EXPECT_EQ(Lines(200, "ab\n\r", hyphenrule::closingmark), (Strings{"ab"}));

    // A blank line is drawn as a space, as high as any other.
    DrawWrapped({0, 0, 200, 100}, surface, "ab\n\r\n\rcd");
    EXPECT_EQ(Drawn(), (std::vector<drawn>{{"ab", {1, 1}}, {" ", {1, 12}}, {"cd", {1, 23}}}));
}

TEST_F(wrapping, DrawingStopsAtTheFirstLineThatReachesTheBottom) {
    DrawWrapped({0, 0, 200, 35}, surface, "a\n\rb\n\rc\n\rd");
    EXPECT_EQ(Drawn(), (std::vector<drawn>{{"a", {1, 1}}, {"b", {1, 12}}, {"c", {1, 23}}}));
    surface.ClearOperations();
    DrawWrapped({0, 0, 200, 34}, surface, "a\n\rb\n\rc\n\rd");
    EXPECT_EQ(Drawn(), (std::vector<drawn>{{"a", {1, 1}}, {"b", {1, 12}}}));
}

TEST_F(wrapping, DrawWrappedCentredCentresTheBlockByItsWidestLine) {
    DrawWrappedCentred({10, 20, 110, 200}, surface, "abc\n\rabcdef");
    EXPECT_EQ(Drawn(), (std::vector<drawn>{{"abc", {31, 21}}, {"abcdef", {31, 32}}}));
    surface.ClearOperations();
    // The widest line counts even when the bottom cuts it off: (100 - 90) / 2 + 1.
    DrawWrappedCentred({0, 0, 100, 20}, surface, "ab\n\rabcdefghi");
    EXPECT_EQ(Drawn(), (std::vector<drawn>{{"ab", {6, 1}}}));
}

TEST_F(wrapping, DrawTextInRectCentresEachLineAndTheBlock) {
    // Block: 10 + 1 + 10 = 21 high, its top at (50 - 21) / 2.
    DrawTextInRect({0, 0, 100, 50}, surface, "ab\n\rabcd");
    EXPECT_EQ(Drawn(), (std::vector<drawn>{{"ab", {40, 14}}, {"abcd", {30, 25}}}));
    surface.ClearOperations();
    DrawTextInRect({0, 0, 96, 40}, surface, "abcdef gh-ij");
    EXPECT_EQ(Drawn(), (std::vector<drawn>{{"abcdef gh", {3, 9}}, {"-ij", {33, 20}}}));
}


TEST_F(wrapping, FitTextBoxWidensInStepsUntilTheBoxIsFlatEnough) {
    const std::string text(30, 'a');
    testing::proportionguard guard;
    EXPECT_EQ(TextBlockProportion(), 3.5);
    // 90 wide is flat enough for two lines (90 / 23), 120 for three (120 / 34); below, it widens.
    rect box{0, 0, 50, 10};
    FitTextBox(box, surface, {0, 0, 999, 999}, text);
    EXPECT_EQ(box, (rect{0, 0, 120, 35}));

    // Once a popup text window has set 5: two lines need 160 pixels.
    SetTextBlockProportion(5);
    box = {0, 0, 50, 10};
    FitTextBox(box, surface, {0, 0, 999, 999}, text);
    EXPECT_EQ(box, (rect{0, 0, 160, 24}));
}

TEST_F(wrapping, FitTextBoxStaysWithinTheLimitsAndTheDrawingCutsTheRest) {
    const std::string text(30, 'a');
    // Limits of 80 by 30: the box stops at 79 wide and two lines; the third would need 34.
    rect box{0, 0, 50, 10};
    FitTextBox(box, surface, {0, 0, 79, 29}, text);
    EXPECT_EQ(box, (rect{0, 0, 79, 24}));
    DrawWrappedCentred(box, surface, text);
    EXPECT_EQ(Drawn(), (std::vector<drawn>{{"aaaaaaa", {5, 1}}, {"aaaaaaa", {5, 12}}}));
}

TEST_F(wrapping, FitTextBoxStartsTallEnoughForTheHardLinesAndMovesIntoTheLimits) {
    // Three hard lines: 2 + 10 + 1 + 10 + 1 + 10 = 34, so the box starts 35 high.
    rect box{-20, -5, 130, 0};
    FitTextBox(box, surface, {0, 0, 999, 999}, "ab\n\rcd\r\nef");
    EXPECT_EQ(box, (rect{0, 0, 150, 35}));
}

TEST_F(wrapping, FitTextBoxMakesRoomForALastLineOfOneCharacter) {
    // Four characters fit 50 pixels; the fifth alone on a second line is not left out.
    rect box{0, 0, 50, 10};
    FitTextBox(box, surface, {0, 0, 999, 999}, "aaaaa");
    EXPECT_EQ(box, (rect{0, 0, 60, 13}));
    DrawWrapped(box, surface, "aaaaa");
    EXPECT_EQ(Drawn(), (std::vector<drawn>{{"aaaaa", {1, 1}}}));
}

TEST_F(wrapping, FitTextBoxWidensABoxTooNarrowForOneCharacter) {
    rect box{0, 0, 5, 10};
    FitTextBox(box, surface, {0, 0, 999, 999}, "ab");
    EXPECT_EQ(box, (rect{0, 0, 25, 13}));
    // And ends, cut, when even the widest box takes no character.
    box = {0, 0, 5, 10};
    FitTextBox(box, surface, {0, 0, 8, 999}, "ab");
    EXPECT_EQ(box, (rect{0, 0, 8, 13}));
}

}  // namespace
}  // namespace quillmap
