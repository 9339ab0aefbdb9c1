// A block's sub-blocks held as one compact run: the fields made from it, their serials, and the
// rows of the view over it, against the same things worked out field by field.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "base/rounding.h"
#include "base/settings.h"
#include "gif/gifblock.h"
#include "gif/gifcont.h"
#include "gif/gifdocument.h"
#include "model/counter.h"
#include "model/displayedlist.h"
#include "platform/headless/headlessapplication.h"
#include "support/gifbytes.h"
#include "support/gifview.h"
#include "support/outlinecheck.h"
#include "support/settingsguard.h"

namespace quillmap::testing {
namespace {

// A comment of three sub-blocks, then an image whose data are `subblocks` sub-blocks of random
// lengths, mostly tiny, then the trailer and bytes no field covers. Truncated, the file ends in
// the middle of the image's last data.
std::vector<uint8_t> ChainGif(uint32_t seed, int subblocks, bool truncated) {
    std::mt19937 random(seed);
    std::vector<uint8_t> bytes = gifbytes()
                                     .Header("89a", 4, 4, 0x80)
                                     .Map(2)
                                     .Text("!")
                                     .Bytes({0xFE, 2, 'a', 'b', 1, 'c', 3, 'd', 'e', 'f', 0})
                                     .Text(",")
                                     .Word(0)
                                     .Word(0)
                                     .Word(4)
                                     .Word(4)
                                     .Bytes({0, 2})
                                     .Make();
    size_t lastdata = 0;
    for (int k = 0; k < subblocks; ++k) {
        const int length = random() % 4 == 0 ? 1 + int(random() % 255) : 1 + int(random() % 3);
        bytes.push_back(static_cast<uint8_t>(length));
        lastdata = bytes.size();
        for (int i = 0; i < length; ++i) bytes.push_back(static_cast<uint8_t>(random()));
    }
    if (truncated) {
        bytes.resize(lastdata + 1);
        return bytes;
    }
    for (const char c : std::string("\0;junk", 6)) bytes.push_back(static_cast<uint8_t>(c));
    return bytes;
}

// What the rows say of each entry, and of the end of the last block.
struct entryfacts {
    pole* field;
    int32_t start, extent, rows, firstline, height;
    int64_t top;
    bool operator==(const entryfacts&) const = default;
};

std::vector<entryfacts> Facts(const vwstruct& view) {
    const rowtable& rows = view.Rows();
    std::vector<entryfacts> facts;
    for (int32_t k = 0; k < rows.EntryCount(); ++k)
        facts.push_back({rows.Field(k), rows.Start(k), rows.Extent(k), rows.Rows(k), rows.FirstLine(k),
                         view.BlockHeight(k), view.BlockTop(k)});
    facts.push_back({nullptr, 0, 0, 0, rows.LastLine(), 0, view.BlockTop(rows.EntryCount())});
    return facts;
}

// The same worked out from every displayed field made and measured, as the rows were once kept.
std::vector<entryfacts> FactsFieldByField(vwstruct& view) {
    std::vector<pole*> visible;
    view.Root().CollectVisible(false, visible);
    const int32_t length = view.DocumentLength();
    const std::vector<displayentry> entries = BuildDisplayedEntries(visible, length);
    const int32_t columns = view.ColumnCount();
    const double lineheight = view.LineHeight();
    std::vector<entryfacts> facts;
    int64_t line = 0, top = 0;
    bool emptyend = false;
    for (size_t k = 0; k < entries.size(); ++k) {
        const int32_t start = entries[k].start;
        const int32_t extent = k + 1 == entries.size() ? length + 1 - start : EntryLength(entries, k, length);
        const int32_t rows = (std::max(extent, 0) + columns - 1) / columns;
        const int32_t height = entries[k].field ? entries[k].field->Height()
                                                : RoundHalfEven(rows * lineheight + lineheight * 2 * Settings().FieldDist);
        facts.push_back({entries[k].field, start, extent, rows, int32_t(line), height, top});
        emptyend = emptyend || start >= length;
        if (!emptyend) line += rows;
        top += height + view.Metrics().FieldLinePx;
    }
    facts.push_back({nullptr, 0, 0, 0, int32_t(emptyend ? line : std::max<int64_t>(line - 1, 0)), 0, top});
    return facts;
}

// The last entry whose key is at or before value, as the rows' searches answer.
template <class Key>
int32_t LastAtOrBefore(const std::vector<entryfacts>& facts, int64_t value, Key key) {
    int32_t found = 0;
    for (size_t k = 0; k + 1 < facts.size(); ++k)
        if (key(facts[k]) <= value) found = static_cast<int32_t>(k);
    return found;
}

void OpenEveryBlock(vwstruct& view) {
    for (int32_t k = 0; k < view.Root().ChildCount(); ++k)
        if (view.Root().Child(k).IsContainer()) static_cast<cont&>(view.Root().Child(k)).SetExpanded(true);
    view.RebuildRows();
}

TEST(FieldTreeRuns, TheRowsOfOpenedRunsAgreeWithTheirFieldsOneByOneBeforeAndAfterOverwrites) {
    struct variant {
        int32_t columns;
        bool truncated;
    };
    for (const variant v : {variant{2, false}, variant{7, true}, variant{16, false}, variant{3, true}}) {
        SCOPED_TRACE("columns " + std::to_string(v.columns) + (v.truncated ? ", truncated" : ""));
        settingsguard settings;
        gifview f(ChainGif(static_cast<uint32_t>(v.columns), 700, v.truncated));
        f.view.SetColumnCount(v.columns);
        OpenEveryBlock(f.view);
        std::vector<entryfacts> expected = FactsFieldByField(f.view);
        ASSERT_EQ(Facts(f.view), expected);
        ASSERT_GT(expected.size(), 1400u);

        const int32_t length = f.view.DocumentLength();
        for (int32_t position = 0; position <= length; ++position)
            ASSERT_EQ(f.view.Rows().EntryAt(position),
                      LastAtOrBefore(expected, position, [](const entryfacts& e) { return e.start; }))
                << position;
        for (int32_t line = 0; line <= expected.back().firstline; ++line) {
            const lineplace place = f.view.Rows().PlaceOfLine(line);
            ASSERT_EQ(place.entry, LastAtOrBefore(expected, line, [](const entryfacts& e) { return e.firstline; }));
            ASSERT_EQ(place.row, line - expected[size_t(place.entry)].firstline);
        }
        for (const entryfacts& entry : expected)
            for (const int64_t height : {entry.top - 1, entry.top, entry.top + 1})
                ASSERT_EQ(f.view.EntryAtHeight(height),
                          LastAtOrBefore(expected, height, [](const entryfacts& e) { return e.top; }))
                    << height;

        // Overwrites of data leave the rows standing, of sizes make the chain read again: either
        // way the rows are those a fresh build makes.
        std::mt19937 random(static_cast<uint32_t>(v.columns));
        for (int edit = 0; edit < 40; ++edit) {
            const int32_t at = static_cast<int32_t>(random() % uint32_t(length));
            const char byte = static_cast<char>(random() % 4 == 0 ? 1 + random() % 4 : random());
            f.view.ReplaceBytes(at, 1, std::string(1, byte), 0, at);
            const std::vector<entryfacts> kept = Facts(f.view);
            f.view.RebuildRows();
            ASSERT_EQ(kept, Facts(f.view)) << "edit " << edit << " at " << at;
            ASSERT_EQ(kept, FactsFieldByField(f.view)) << "edit " << edit << " at " << at;
        }
    }
}

// Everything a field made from a run tells, to compare one made again with the first.
struct fieldfacts {
    int32_t start, length, value;
    std::string title, description;
    fieldstyle style;
    uint32_t serial;
    int32_t height;
    bool operator==(const fieldfacts&) const = default;
};

std::vector<fieldfacts> ChildFacts(const cont& block) {
    std::vector<fieldfacts> facts;
    for (int32_t i = block.ObjectCount(); i < block.ChildCount(); ++i) {
        const pole& field = block.Child(i);
        const int32_t value = field.Kind() == fieldkind::counter ? static_cast<const counter&>(field).Value() : -1;
        facts.push_back({field.Start(), field.Length(), value, std::string(field.Title()),
                         std::string(field.Description()), field.Style(), field.Serial(), field.Height()});
    }
    return facts;
}

const gifimdesc& ImageBlock(const gifdocument& document) { return static_cast<const gifimdesc&>(document.Root().Child(4)); }

TEST(FieldTreeRuns, FieldsMadeAgainAfterBeingForgottenAreTheSameAndKeepTheirSerialsWhileTheyStand) {
    gifdocument document(ChainGif(5, 300, false));
    const gifimdesc& image = ImageBlock(document);
    ASSERT_EQ(image.Kind(), gbImage);
    ASSERT_EQ(image.ChildCount() - image.ObjectCount(), 601);
    const std::vector<fieldfacts> before = ChildFacts(image);
    image.ForgetRunFields();
    EXPECT_EQ(ChildFacts(image), before);

    // Serials are unique over the whole tree, read with or without making the fields.
    std::set<uint32_t> serials;
    size_t fields = 0;
    const auto collect = [&](const cont& container, const auto& self) -> void {
        for (int32_t i = 0; i < container.ChildCount(); ++i) {
            ASSERT_EQ(container.ChildSerial(i), container.Child(i).Serial());
            serials.insert(container.ChildSerial(i));
            ++fields;
            if (container.Child(i).IsContainer()) self(static_cast<const cont&>(container.Child(i)), self);
        }
    };
    collect(document.Root(), collect);
    EXPECT_EQ(serials.size(), fields);

    // A byte inserted into the data of sub-block 100: those data keep their length and serial, and
    // the chain is read again from the size after them, every field from there on a new one.
    const int32_t size100 = image.ChildStart(image.ObjectCount() + 200);
    document.Insert(size100 + 1, 0x33);
    const std::vector<fieldfacts> after = ChildFacts(ImageBlock(document));
    for (size_t i = 0; i <= 201; ++i) EXPECT_EQ(after[i].serial, before[i].serial) << i;
    for (size_t i = 202; i < after.size(); ++i) EXPECT_EQ(serials.count(after[i].serial), 0u) << i;
    const gifdocument fresh(document.Bytes());
    std::vector<fieldfacts> parsed = ChildFacts(ImageBlock(fresh));
    ASSERT_EQ(parsed.size(), after.size());
    for (size_t i = 0; i < after.size(); ++i) parsed[i].serial = after[i].serial;
    EXPECT_EQ(after, parsed);
}

TEST(FieldTreeRuns, DrawingLetsTheFieldsItMadeGoButNotThoseTheNavigatorShows) {
    settingsguard settings;
    platform::headlessapplication app;
    gifview f(ChainGif(9, 200, false));
    f.view.SetClientWidth(800);
    f.view.SetClientHeight(400);
    OpenEveryBlock(f.view);
    const cont& image = static_cast<const cont&>(f.view.Root().Child(4));
    const uint32_t serial = image.Child(image.ObjectCount()).Serial();
    f.view.Paint();
    EXPECT_EQ(image.Child(image.ObjectCount()).Serial(), serial);

    f.view.SetApplication(app);
    f.view.ShowNavigator(true);
    const navigatoroutline& outline = f.view.Navigator()->Outline();
    const auto row = std::find_if(outline.Rows().begin(), outline.Rows().end(),
                                  [&](const outlinerow& r) { return r.node == &image; });
    ASSERT_NE(row, outline.Rows().end());
    f.view.Navigator()->Toggle(static_cast<size_t>(row - outline.Rows().begin()));
    ASSERT_GT(outline.Rows().size(), 400u);
    for (int page = 0; page < 5; ++page) {
        int32_t x = 0;
        f.view.PageDown(false, x);
        f.view.Paint();
    }
    EXPECT_EQ(OutlineMismatch(f.view.Root(), outline.Rows()), "");
}

}  // namespace
}  // namespace quillmap::testing
