#include <gtest/gtest.h>

#include "gif/gifcont.h"
#include "gif/gifdocument.h"
#include "support/gifbytes.h"
#include "views/rowtable.h"

namespace quillmap::testing {
namespace {

rowtable TableOf(gifdocument& document, int32_t columns = 8) {
    rowtable table;
    table.Build(document.Root(), document.DocumentLength(), columns);
    return table;
}

std::string Line(const rowtable& table, const gifdocument& document, int32_t line) {
    return table.GetLine(line, document.Bytes());
}

TEST(RowTable, EntriesRowsAndLines) {
    // Signature 3, descriptor 10, map 6, image 15, trailer 1: the last entry runs one past the end.
    gifdocument document(gifbytes().Header("89a", 1, 1, 0x80).Map(2).Image(1, 1, 0).Trailer().Make());
    const rowtable table = TableOf(document);
    ASSERT_EQ(table.EntryCount(), 5);
    EXPECT_EQ(table.Rows(0), 1);
    EXPECT_EQ(table.Rows(1), 2);
    EXPECT_EQ(table.Rows(2), 1);
    EXPECT_EQ(table.Rows(3), 2);
    EXPECT_EQ(table.Extent(4), 2);
    EXPECT_EQ(table.Rows(4), 1);
    EXPECT_EQ(table.LastLine(), 6);
    EXPECT_EQ(table.FirstLine(3), 4);

    EXPECT_EQ(Line(table, document, 0), "GIF");
    EXPECT_EQ(Line(table, document, 1), std::string("89a\x01\x00\x01\x00\x80", 8));
    EXPECT_EQ(Line(table, document, 2), std::string("\x00\x00", 2));
    EXPECT_EQ(table.PlaceOfLine(5).entry, 3);
    EXPECT_EQ(table.PlaceOfLine(5).row, 1);
    EXPECT_EQ(Line(table, document, 6), ";");

    // Four codes a row.
    const rowtable narrow = TableOf(document, 4);
    EXPECT_EQ(narrow.Rows(1), 3);
    EXPECT_EQ(Line(narrow, document, 2), std::string("\x00\x01\x00\x80", 4));
    EXPECT_EQ(Line(narrow, document, 3), std::string("\x00\x00", 2));
}

TEST(RowTable, GapEntriesHoldTheStrayBytes) {
    gifbytes file;
    file.Header("89a", 1, 1, 0x00).Image(1, 1, 0).Text("xyz").Trailer();
    gifdocument document(file.Make());
    const rowtable table = TableOf(document);
    ASSERT_EQ(table.EntryCount(), 5);
    EXPECT_EQ(table.Field(3), nullptr);
    EXPECT_EQ(table.Extent(3), 3);
    EXPECT_EQ(Line(table, document, table.FirstLine(3)), "xyz");
}

TEST(RowTable, EmptyDocumentKeepsOneRow) {
    gifdocument document(std::vector<uint8_t>{});
    const rowtable table = TableOf(document);
    ASSERT_EQ(table.EntryCount(), 1);
    EXPECT_EQ(table.LastLine(), 0);
    EXPECT_EQ(Line(table, document, 0), "");
}

TEST(RowTable, FieldsPastTheEndAreNotCounted) {
    // The file stops inside the image: its data reaches past the end.
    std::vector<uint8_t> bytes = gifbytes().Header("89a", 1, 1, 0x00).Image(1, 1, 0, 2, {1, 2, 3, 4, 5, 6}).Make();
    bytes.resize(bytes.size() - 4);
    gifdocument document(bytes);
    const rowtable table = TableOf(document);
    const int32_t last = table.EntryCount() - 1;
    // The last entry ends one position past the document, whatever its field's length.
    EXPECT_EQ(table.Start(last) + table.Extent(last), document.DocumentLength() + 1);
    const std::string tail = Line(table, document, table.LastLine());
    EXPECT_LE(static_cast<int32_t>(tail.size()), 8);
    EXPECT_EQ(tail.back(), static_cast<char>(bytes.back()));
}

}  // namespace
}  // namespace quillmap::testing
