#include <gtest/gtest.h>

#include <sstream>

#include "app/documentinfo.h"

namespace quillmap::testing {
namespace {

documentfacts NewDocument() {
    documentfacts facts;
    facts.length = 1023;
    facts.linecount = 1;
    return facts;
}

documentfacts OpenedDocument() {
    documentfacts facts;
    facts.name = "C:\\Картинки\\кот.gif";
    facts.opentime = 3723004;
    facts.length = 1049600;
    facts.linecount = 12;
    facts.caretline = 4;
    facts.caretcolumn = 7;
    facts.caretlinear = 130;
    return facts;
}

// The line of the text that starts with `start`, empty when there is none.
std::string LineStarting(const std::string& text, const std::string& start) {
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with(start)) return line;
    }
    return {};
}

std::string SizeLine(int32_t length) {
    documentfacts facts = NewDocument();
    facts.length = length;
    return LineStarting(DocumentInfoText(facts), "Он занимает ");
}

std::string TimeLine(int32_t opentime) {
    documentfacts facts = OpenedDocument();
    facts.opentime = opentime;
    return LineStarting(DocumentInfoText(facts), "Он открывался ");
}

std::string LinesLine(int32_t lines) {
    documentfacts facts = NewDocument();
    facts.linecount = lines;
    return LineStarting(DocumentInfoText(facts), "В документе ");
}

TEST(DocumentInfo, ANewDocument) {
    EXPECT_EQ(DocumentInfoText(NewDocument()),
              "Вы сейчас пишете новый документ.\n"
              "Он занимает 1023 б.\n"
              "В документе 1 строчка.\n"
              "Координаты курсора: 1-я строчка, 0-я позиция.\n"
              "В целом это --- 0-я позиция в тексте.");
}

TEST(DocumentInfo, AnOpenedDocumentWithASelection) {
    documentfacts facts = OpenedDocument();
    facts.selectedlength = 16;
    EXPECT_EQ(DocumentInfoText(facts),
              "У вас открыт документ \"кот.gif\".\n"
              "Он занимает 1 Мб 1 Кб 0 б.\n"
              "Он открывался в течение 1 ч 2 мин 3 с 4 мс.\n"
              "В документе 12 строчек.\n"
              "Координаты курсора: 5-я строчка, 7-я позиция.\n"
              "В целом это --- 130-я позиция в тексте.\n"
              "В тексте есть выделенный фрагмент.\n"
              "Выделено 16 б. текста");
}

TEST(DocumentInfo, AnEmptySelectionIsStillASelection) {
    documentfacts facts = OpenedDocument();
    facts.selectedlength = 0;
    EXPECT_TRUE(DocumentInfoText(facts).ends_with("\nВыделено 0 б. текста"));
}

TEST(DocumentInfo, SizesShowEveryUnitBelowTheLargestThatIsThere) {
    EXPECT_EQ(SizeLine(1023), "Он занимает 1023 б.");
    EXPECT_EQ(SizeLine(0), "Он занимает 0 б.");
    EXPECT_EQ(SizeLine(1024), "Он занимает 1 Кб 0 б.");
    EXPECT_EQ(SizeLine(1049600), "Он занимает 1 Мб 1 Кб 0 б.");
    EXPECT_EQ(SizeLine(1048576 + 5), "Он занимает 1 Мб 0 Кб 5 б.");
    EXPECT_EQ(SizeLine(1073741824), "Он занимает 1 Гб 0 Мб 0 Кб 0 б.");
    EXPECT_EQ(SizeLine(2147483647), "Он занимает 1 Гб 1023 Мб 1023 Кб 1023 б.");
}

TEST(DocumentInfo, OpenTimesShowEveryUnitBelowTheLargestThatIsThere) {
    EXPECT_EQ(TimeLine(0), "Он открывался в течение 0 мс.");
    EXPECT_EQ(TimeLine(999), "Он открывался в течение 999 мс.");
    EXPECT_EQ(TimeLine(1000), "Он открывался в течение 1 с 0 мс.");
    EXPECT_EQ(TimeLine(60000), "Он открывался в течение 1 мин 0 с 0 мс.");
    EXPECT_EQ(TimeLine(3600000), "Он открывался в течение 1 ч 0 мин 0 с 0 мс.");
    EXPECT_EQ(TimeLine(90061001), "Он открывался в течение 25 ч 1 мин 1 с 1 мс.");
}

TEST(DocumentInfo, ANewDocumentHasNoOpenTime) {
    EXPECT_EQ(LineStarting(DocumentInfoText(NewDocument()), "Он открывался"), "");
}

TEST(DocumentInfo, TheLineCountTakesTheEndingOfItsNumber) {
    EXPECT_EQ(LinesLine(1), "В документе 1 строчка.");
    EXPECT_EQ(LinesLine(2), "В документе 2 строчки.");
    EXPECT_EQ(LinesLine(5), "В документе 5 строчек.");
    EXPECT_EQ(LinesLine(11), "В документе 11 строчек.");
    EXPECT_EQ(LinesLine(12), "В документе 12 строчек.");
    EXPECT_EQ(LinesLine(21), "В документе 21 строчка.");
    EXPECT_EQ(LinesLine(22), "В документе 22 строчки.");
    EXPECT_EQ(LinesLine(25), "В документе 25 строчек.");
    EXPECT_EQ(LinesLine(111), "В документе 111 строчек.");
    EXPECT_EQ(LinesLine(112), "В документе 112 строчек.");
    EXPECT_EQ(LinesLine(0), "В документе 0 строчек.");
}

}  // namespace
}  // namespace quillmap::testing
