#include <gtest/gtest.h>

#include <string>

#include "dialogs/oknobmp.h"
#include "dialogs/popupstyle.h"
#include "dialogs/popupwindows.h"
#include "base/settings.h"
#include "model/cont.h"
#include "platform/headless/headlessapplication.h"
#include "platform/headless/headlesscanvas.h"
#include "platform/headless/headlesssystem.h"
#include "support/gifbytes.h"
#include "support/inputwindow.h"
#include "support/proportionguard.h"
#include "support/settingsguard.h"
#include "views/fieldboxes.h"
#include "views/vwgif.h"

namespace quillmap::testing {
namespace {

// A 2 x 2 picture of colour 0 (red 0, green 255, blue 7 in gifbytes' map): clear, four literal
// zeros (the last at four bits once the table has filled its eight slots), end.
std::vector<uint8_t> TwoByTwo(const std::string& after = "") {
    gifbytes gif;
    gif.Header("89a", 2, 2, 0x80).Map(2).Image(2, 2, 0x00, 2, {0x04, 0x00, 0x05}).Trailer().Text(after);
    return gif.Make();
}

struct popupview {
    explicit popupview(const std::vector<uint8_t>& bytes) {
        view.SetClientWidth(1000);
        view.SetClientHeight(2000);
        view.SetPopups(popups);
        view.AppendBytes(bytes.data(), static_cast<int32_t>(bytes.size()));
        view.ReparseAll();
        for (int32_t k = 0; k < view.Root().ChildCount(); ++k)
            if (view.Root().Child(k).IsContainer()) static_cast<cont&>(view.Root().Child(k)).SetExpanded(true);
        view.RebuildRows();
    }
    // A point of the view dy pixels below the top of an entry's block.
    int32_t BlockY(int32_t entry, int32_t dy) const {
        const structmetrics m = view.Metrics();
        return static_cast<int32_t>(m.HeaderBottom + m.LinePx + 1 + view.BlockTop(entry) + dy);
    }
    void ClickDescription(int32_t entry) {
        view.MouseButton(view.Metrics().DescLeft + 5, BlockY(entry, view.Metrics().FieldPad + 2), true, false);
    }
    std::string ItemText(int32_t entry) const {
        std::string text;
        int32_t lines = 0;
        if (const pole* field = view.Rows().Field(entry))
            field->GetItem(0, lines, text);
        else
            view.Root().GapText(view.Rows().Start(entry), text);
        return text;
    }
    int32_t ImageDataEntry() const {
        for (int32_t entry = 0; entry < view.Rows().EntryCount(); ++entry)
            if (const pole* field = view.Rows().Field(entry); field && field->Style() == fieldstyle::ImageData)
                return entry;
        return -1;
    }

    settingsguard settings;
    proportionguard proportion;
    platform::headlesscanvas canvas;
    platform::headlessapplication app;
    platform::headlesssystem system;
    popupwindows popups{app, system, PopupStyle};
    vwgif view{canvas, system};
};

TEST(ViewPopups, APressOnADescriptionShowsItsTextOnceAndAMoveClosesIt) {
    popupview v(TwoByTwo("xyz"));
    const int32_t gap = v.view.Rows().EntryCount() - 1;
    ASSERT_EQ(v.view.Rows().Field(gap), nullptr);
    for (const int32_t entry : {0, 1, gap}) {
        SCOPED_TRACE(entry);
        const caretend caret = v.view.CaretEnd();
        v.ClickDescription(entry);
        ASSERT_TRUE(v.popups.PopupOpen());
        EXPECT_EQ(v.popups.Current()->Text(), v.ItemText(entry));
        EXPECT_FALSE(v.popups.Current()->Text().empty());
        // Nothing else happens: the caret stays.
        EXPECT_EQ(v.view.CaretEnd().byte, caret.byte);

        // A second press while it is open shows nothing new.
        const okno* first = v.popups.Current();
        v.ClickDescription(entry == 0 ? 1 : 0);
        EXPECT_EQ(v.popups.Current(), first);

        v.view.MouseMove(10, 10);
        EXPECT_FALSE(v.popups.PopupOpen());
        v.app.RunPosted();
    }
}

TEST(ViewPopups, TheImageButtonShowsTheDecodedPicture) {
    popupview v(TwoByTwo());
    const int32_t entry = v.ImageDataEntry();
    ASSERT_GE(entry, 0);
    const int32_t x = BoxesRight(v.view.Metrics()) - 10;
    v.view.MouseButton(x, v.BlockY(entry, 15), true, false);
    ASSERT_TRUE(v.popups.PopupOpen());
    const auto& popup = static_cast<oknobmp&>(*v.popups.Current());
    EXPECT_EQ(popup.Client().width, 12);
    EXPECT_EQ(popup.Client().height, 12);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(static_cast<oknobmp&>(*v.popups.Current()).Source().Pixels()[i], 0x00FF07u) << i;

    // While it is open a second press decodes again but shows nothing new.
    v.view.MouseButton(x, v.BlockY(entry, 15), true, false);
    EXPECT_EQ(v.app.Windows().size(), 1u);
    EXPECT_EQ(v.system.Beeps(), 0);
}

TEST(ViewPopups, AnImageButtonOfAPictureTooLargeBeepsAndShowsNothing) {
    struct row {
        int width, height, codesize, beeps;
    } rows[] = {
        {65535, 65535, 2, 1},  // no surface of 16 GiB
        {2, 2, 0, 1},          // a code size byte the decoder refuses
        {2, 2, 12, 1},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.width);
        gifbytes gif;
        gif.Header("89a", 2, 2, 0x80).Map(2).Image(r.width, r.height, 0x00, r.codesize, {0x04, 0x00, 0x05}).Trailer();
        popupview v(gif.Make());
        const int32_t entry = v.ImageDataEntry();
        ASSERT_GE(entry, 0);
        v.view.MouseButton(BoxesRight(v.view.Metrics()) - 10, v.BlockY(entry, 15), true, false);
        EXPECT_FALSE(v.popups.PopupOpen());
        EXPECT_EQ(v.app.Windows().size(), 0u);
        EXPECT_EQ(v.system.Beeps(), r.beeps);
    }
}

TEST(ViewPopups, InTheMainWindowAPressThatOpensAPopupSelectsNothingAndTheNextMoveClosesIt) {
    const proportionguard proportion;
    const std::vector<uint8_t> bytes = TwoByTwo();
    inputwindow w(std::string(bytes.begin(), bytes.end()));
    // Along the first row to the right, until a press lands on the description.
    const platform::point row = w.At(0, 0);
    int32_t x = row.x;
    for (; x < w.window.ClientSize().width && !w.form.Popups().PopupOpen(); x += 10) {
        w.window.MouseDown({x, row.y});
        if (!w.form.Popups().PopupOpen()) w.window.MouseUp({x, row.y});
    }
    ASSERT_TRUE(w.form.Popups().PopupOpen());
    EXPECT_FALSE(w.window.Captured());
    EXPECT_EQ(w.window.Timers().count(Tform1::AutoScrollTimer), 0u);
    w.window.MouseUp({x, row.y});
    EXPECT_TRUE(w.form.Popups().PopupOpen());
    w.window.MouseMove({row.x, row.y + 30});
    EXPECT_FALSE(w.form.Popups().PopupOpen());
    w.app.RunPosted();

    // Esc that reaches the main window instead closes the popup, and only the popup, even with
    // ExitOnEsc.
    Settings().ExitOnEsc = true;
    w.window.MouseDown({x - 10, row.y});
    w.window.MouseUp({x - 10, row.y});
    ASSERT_TRUE(w.form.Popups().PopupOpen());
    w.window.KeyDown(platform::vkEscape);
    EXPECT_FALSE(w.form.Popups().PopupOpen());
    EXPECT_FALSE(w.app.Terminated());
    w.app.RunPosted();
}

}  // namespace
}  // namespace quillmap::testing
