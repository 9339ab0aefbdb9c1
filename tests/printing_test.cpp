#include <gtest/gtest.h>

#include <set>
#include <string>

#include "app/tform1.h"
#include "base/settings.h"
#include "platform/headless/headlessapplication.h"
#include "platform/headless/headlesssystem.h"
#include "support/corpus.h"
#include "support/settingsguard.h"

namespace quillmap {
namespace {

struct printing : ::testing::Test {
    printing() {
        form.OpenDocument((testing::CorpusDir() / "welcome2.gif").string());
        printer.answer = platform::printrequest{true, 1, 1};
    }

    testing::settingsguard settings;
    platform::headlessapplication app;
    platform::headlesssystem system;
    Tform1 form{app, system};
    platform::headlessprinter& printer = app.Printer();
};

TEST_F(printing, TheFontAndTheLinesHaveOnPaperTheSizeTheScreenShows) {
    struct resolution {
        int32_t screen;
        int32_t printer;
        int32_t fontheight;  // -13 screen pixels, as many inches at the printer's resolution
        int32_t framewidth;  // the 0.3 mm frame of the coordinates: a pen of 0.3 mm in dots, less 1, plus 1
    };
    for (const resolution r : {resolution{96, 300, -41, 4}, {96, 600, -81, 7}, {120, 600, -65, 7}}) {
        SCOPED_TRACE(std::to_string(r.screen) + " -> " + std::to_string(r.printer) + " dpi");
        dynamic_cast<platform::headlesscanvas&>(form.Picture().Canvas()).SetPixelsPerInch({r.screen, r.screen});
        // A4 at the printer's resolution.
        printer.pagesize = {2480 * r.printer / 300, 3508 * r.printer / 300};
        printer.dotsperinch = {r.printer, r.printer};
        printer.sheets.clear();
        form.Print();
        ASSERT_EQ(printer.sheets.size(), 1u);
        std::set<int32_t> heights;
        const platform::drawop* frame = nullptr;
        for (const platform::drawop& op : printer.sheets[0]) {
            if (op.what == platform::drawop::kind::text) heights.insert(op.font.height);
            if (op.what == platform::drawop::kind::polyline && frame == nullptr) frame = &op;
        }
        EXPECT_EQ(heights, std::set<int32_t>{r.fontheight});
        ASSERT_NE(frame, nullptr);
        EXPECT_EQ(frame->pen.width, r.framewidth);
        // The window keeps its own font.
        EXPECT_EQ(form.Picture().Canvas().Font().height, -13);
    }
}

TEST_F(printing, ThePageKeepsAsManyColumnsAsItsWidthHolds) {
    // At 300 dpi the font is 41 high, a digit 21 wide: a row of c codes with its coordinates,
    // value column and a description column of at least 500 takes 934 + 55 × c dots; the
    // default margins of 1 cm leave the page's width less 236.
    struct page {
        int32_t width;
        int32_t columns;
    };
    for (const page p : {page{2480, 8}, {1466, 5}, {1286, 2}, {1200, 1}}) {
        SCOPED_TRACE("page " + std::to_string(p.width) + " dots wide");
        Settings().ColumnCount = 8;
        form.View().RebuildRows();
        printer.pagesize = {p.width, 3508};
        printer.sheets.clear();
        form.Print();
        ASSERT_EQ(printer.sheets.size(), 1u);
        EXPECT_EQ(Settings().ColumnCount, p.columns);
        // The window's rows follow the count the printout took.
        EXPECT_EQ(form.View().Rows().Rows(0), (3 + p.columns - 1) / p.columns);  // the signature's 3 bytes
    }
}

}  // namespace
}  // namespace quillmap
