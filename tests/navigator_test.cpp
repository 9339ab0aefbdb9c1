#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/settings.h"
#include "platform/headless/headlessapplication.h"
#include "platform/headless/headlesscanvas.h"
#include "platform/headless/headlesssystem.h"
#include "support/gifbytes.h"
#include "support/outlinecheck.h"
#include "support/settingsguard.h"
#include "views/bytesreplaced.h"
#include "views/navigatordrawing.h"
#include "views/vwgif.h"

namespace quillmap::testing {
namespace {

using platform::scrollaxis;

// A GIF with a global colour map of two entries and one image.
std::vector<uint8_t> MappedGif() { return gifbytes().Header("89a", 3, 2, 0x80).Map(2).Image(3, 2, 0).Trailer().Make(); }

constexpr int32_t ScreenFlagsOffset = 10;

struct navigatorfixture {
    explicit navigatorfixture(const std::vector<uint8_t>& bytes = {}) {
        view.AppendBytes(bytes.data(), static_cast<int32_t>(bytes.size()));
        view.ReparseAll();
        view.SetClientWidth(800);
        view.SetClientHeight(400);
        view.SetApplication(app);
        view.ShowNavigator(true);
    }
    navigator& Navigator() { return *view.Navigator(); }
    platform::headlesswindow& Window() { return static_cast<platform::headlesswindow&>(Navigator().Window()); }
    const std::vector<outlinerow>& Rows() { return Navigator().Outline().Rows(); }
    std::vector<std::string> Titles() {
        std::vector<std::string> titles;
        for (const outlinerow& row : Rows()) titles.emplace_back(row.node->Title());
        return titles;
    }
    size_t RowOf(std::string_view title) {
        const auto found = std::find_if(Rows().begin(), Rows().end(), [&](const outlinerow& r) { return r.node->Title() == title; });
        EXPECT_NE(found, Rows().end()) << title;
        return static_cast<size_t>(found - Rows().begin());
    }
    // The middle of a row's box or of its title, as the window shows them unscrolled.
    platform::point BoxPoint(size_t row) {
        const platform::rect box = navigatoroutline::BoxOf(Rows()[row]);
        return {box.left + 4, box.top + 4};
    }
    platform::point TitlePoint(size_t row) {
        const platform::rect& area = Rows()[row].area;
        return {area.left + navigatoroutline::Indent + 2, (area.top + area.bottom) / 2};
    }
    std::string Mismatch() { return OutlineMismatch(view.Root(), Rows()); }

    settingsguard settings;
    platform::headlessapplication app;
    platform::headlesscanvas canvas;
    platform::headlesssystem system;
    vwgif view{canvas, system};
};

TEST(Navigator, TheWindowAndTheOutlineOfAnEmptyDocument) {
    navigatorfixture f;
    const platform::formdesign& design = f.Window().Design();
    EXPECT_EQ(design.caption, "Навигатор");
    EXPECT_EQ(design.kind, platform::formkind::toolwindow);
    EXPECT_EQ(design.background, platform::clWhite);
    EXPECT_EQ(design.minimum, (platform::extent{50, 100}));
    EXPECT_TRUE(f.Window().Visible());
    EXPECT_EQ(f.Window().Bounds(), (platform::rect{100, 100, 300, 500}));
    ASSERT_EQ(f.Titles(), std::vector<std::string>{"СИГНАТУРА"});
    // The margins, a title 13 pixels high and a hot area 14 pixels longer than the title.
    const outlinerow& row = f.Rows()[0];
    const int32_t width = f.canvas.TextExtent("СИГНАТУРА").width;
    EXPECT_EQ(row.area, (platform::rect{5, 3, 5 + width + 14, 3 + 13 + 2}));
    EXPECT_EQ(f.Navigator().Outline().ContentWidth(), 5 + width + 14 + 5);
    EXPECT_EQ(f.Mismatch(), "");
}

TEST(Navigator, OpeningTheScreenDescriptorInsertsItsChildrenAndClosingPutsTheRowsBack) {
    navigatorfixture f(MappedGif());
    const size_t screen = f.RowOf("ДЕСКРИПТОР ЭКРАНА");
    const std::vector<outlinerow> before = f.Rows();
    const int32_t rowheight = before[0].area.Height();
    f.Window().MouseDown(f.BoxPoint(screen));
    ASSERT_EQ(f.Rows().size(), before.size() + 6);
    EXPECT_TRUE(f.Rows()[screen].expanded);
    for (size_t k = screen + 1; k <= screen + 6; ++k) {
        EXPECT_EQ(f.Rows()[k].area.left, before[screen].area.left + 14) << k;
        EXPECT_EQ(f.Rows()[k].node->Parent(), before[screen].node) << k;
    }
    for (size_t k = screen + 1; k < before.size(); ++k) {
        EXPECT_EQ(f.Rows()[k + 6].node, before[k].node);
        EXPECT_EQ(f.Rows()[k + 6].area.top, before[k].area.top + 6 * rowheight) << k;
        EXPECT_EQ(f.Rows()[k + 6].area.left, before[k].area.left) << k;
    }
    EXPECT_EQ(f.Mismatch(), "");
    // A double click on the title closes it again: its first press moves the view there.
    f.Window().MouseMove(f.TitlePoint(screen));
    f.Window().MouseDown(f.TitlePoint(screen));
    EXPECT_EQ(f.view.CaretEnd().byte, f.Rows()[screen + 1].node->Start());
    f.Window().DoubleClick(f.TitlePoint(screen));
    ASSERT_EQ(f.Rows().size(), before.size());
    for (size_t k = 0; k < before.size(); ++k) {
        EXPECT_EQ(f.Rows()[k].node, before[k].node);
        EXPECT_EQ(f.Rows()[k].area, before[k].area) << k;
        EXPECT_FALSE(f.Rows()[k].expanded);
    }
}

TEST(Navigator, AGlobalMapThatGoesTakesTheTopLevelAfterItWhileTheScreenStaysOpen) {
    navigatorfixture f(MappedGif());
    f.Window().MouseDown(f.BoxPoint(f.RowOf("ДЕСКРИПТОР ЭКРАНА")));
    const size_t map = f.RowOf("ГЛОБАЛЬНАЯ КАРТА ЦВЕТОВ");
    // The map and the first container after it are open too.
    f.Window().MouseDown(f.BoxPoint(map));
    const auto later = std::find_if(f.Rows().begin() + static_cast<std::ptrdiff_t>(map) + 1, f.Rows().end(),
                                    [](const outlinerow& r) { return r.depth == 0 && r.node->IsContainer(); });
    ASSERT_NE(later, f.Rows().end());
    f.Window().MouseDown(f.BoxPoint(static_cast<size_t>(later - f.Rows().begin())));
    ASSERT_EQ(f.Mismatch(), "");

    f.view.ReplaceBytes(ScreenFlagsOffset, 1, std::string(1, '\0'), CaretStateByte(true, 0, 0), ScreenFlagsOffset);
    EXPECT_EQ(f.Mismatch(), "");
    const std::vector<std::string> titles = f.Titles();
    EXPECT_EQ(std::count(titles.begin(), titles.end(), "ГЛОБАЛЬНАЯ КАРТА ЦВЕТОВ"), 0);
    const size_t screen = f.RowOf("ДЕСКРИПТОР ЭКРАНА");
    EXPECT_TRUE(f.Rows()[screen].expanded);
    for (size_t k = screen + 7; k < f.Rows().size(); ++k) {
        EXPECT_EQ(f.Rows()[k].depth, 0) << k;
        EXPECT_FALSE(f.Rows()[k].expanded) << k;
    }
}

TEST(Navigator, TheRememberedWindowIsMovedIntoTheWorkArea) {
    struct placement {
        platform::rect remembered;
        platform::rect placed;
    };
    const platform::rect workarea{0, 0, 1000, 700};
    const placement table[] = {
        {{100, 100, 300, 500}, {100, 100, 300, 500}},
        {{900, 100, 1100, 500}, {800, 100, 1000, 500}},
        {{100, 500, 300, 900}, {100, 300, 300, 700}},
        {{-30, -40, 170, 360}, {0, 0, 200, 400}},
        // Wider than the work area: its left edge stays on the screen.
        {{50, 0, 1250, 400}, {0, 0, 1200, 400}},
    };
    for (const placement& p : table) EXPECT_EQ(PlaceNavigator(p.remembered, workarea), p.placed);

    settingsguard settings;
    Settings().NavigatorLeft = 950;
    Settings().NavigatorTop = 650;
    platform::headlessapplication app;
    platform::headlesscanvas canvas;
    platform::headlesssystem system;
    system.SetWorkArea({0, 0, 1000, 700});
    vwgif view{canvas, system};
    view.SetApplication(app);
    view.ShowNavigator(true);
    EXPECT_EQ(view.Navigator()->Window().Bounds(), (platform::rect{800, 300, 1000, 700}));
    // Leaving the window keeps where it is for the next time.
    auto& window = static_cast<platform::headlesswindow&>(view.Navigator()->Window());
    window.SetBounds({10, 20, 150, 320});
    window.Activate(true);
    window.Activate(false);
    EXPECT_EQ((platform::rect{Settings().NavigatorLeft, Settings().NavigatorTop,
                              Settings().NavigatorLeft + Settings().NavigatorWidth,
                              Settings().NavigatorTop + Settings().NavigatorHeight}),
              (platform::rect{10, 20, 150, 320}));
}

TEST(Navigator, TheWheelScrollsOnlyWhileTheBarIsEnabled) {
    navigatorfixture f(MappedGif());
    const platform::scrollbar& bar = f.Navigator().Bar(scrollaxis::vertical);
    ASSERT_FALSE(bar.Enabled());
    const size_t presented = f.Window().Presented().size();
    f.Window().Wheel(-120);
    EXPECT_EQ(bar.Position(), 0);
    EXPECT_EQ(f.Window().Presented().size(), presented);

    // Opened, the rows reach below the window: 400 high, less the horizontal bar.
    for (size_t row = 0; row < f.Rows().size(); ++row)
        if (f.Rows()[row].node->IsContainer() && !f.Rows()[row].expanded) f.Navigator().Toggle(row);
    f.Window().Resize({200, 60});
    f.Navigator().Sync();
    ASSERT_TRUE(bar.Enabled());
    const int32_t rowheight = f.Rows()[0].area.Height();
    EXPECT_EQ(bar.Maximum(), f.Rows().back().area.bottom);
    EXPECT_EQ(bar.Page(), 60 - navigator::ScrollBarSize);
    EXPECT_EQ(bar.SmallChange(), rowheight);
    EXPECT_EQ(bar.LargeChange(), 48);
    f.Window().Wheel(-120);
    EXPECT_EQ(bar.Position(), rowheight);
    f.Window().MouseDown({5, 5}, 0, platform::mousebutton::middle);
    f.Window().Wheel(-120);
    EXPECT_EQ(bar.Position(), rowheight + 24);
    f.Window().MouseUp({5, 5}, 0, platform::mousebutton::middle);
    f.Window().Wheel(120);
    EXPECT_EQ(bar.Position(), 24);
    f.Window().Wheel(120);
    f.Window().Wheel(120);
    EXPECT_EQ(bar.Position(), 0);
}

TEST(Navigator, ClickingATitleRevealsTheFieldInTheView) {
    navigatorfixture f(MappedGif());
    int refreshed = 0;
    f.view.onrefresh = [&] { ++refreshed; };
    f.Window().MouseDown(f.BoxPoint(f.RowOf("ДЕСКРИПТОР ЭКРАНА")));
    const size_t screen = f.RowOf("ДЕСКРИПТОР ЭКРАНА");
    const size_t child = screen + 3;
    pole* field = f.Rows()[child].node;
    ASSERT_FALSE(field->Parent()->Expanded());
    // The hand over a box, the arrow elsewhere, and the title underlined while the mouse is on it.
    f.Window().MouseMove(f.BoxPoint(screen));
    EXPECT_EQ(f.Window().Cursor(), platform::cursorshape::handpoint);
    EXPECT_EQ(f.Navigator().Hover(), f.Rows().size());
    f.Window().MouseMove(f.TitlePoint(child));
    EXPECT_EQ(f.Window().Cursor(), platform::cursorshape::arrow);
    EXPECT_EQ(f.Navigator().Hover(), child);
    f.Window().MouseDown(f.TitlePoint(child));
    EXPECT_TRUE(field->Parent()->Expanded());
    EXPECT_EQ(f.view.CaretEnd(), (caretend{field->Start(), 0}));
    EXPECT_FALSE(f.view.HasSelection());
    EXPECT_EQ(refreshed, 1);
    // The view's own opening changes nothing in the outline.
    EXPECT_EQ(f.Rows()[screen].node, field->Parent());
    EXPECT_EQ(f.Mismatch(), "");
}

TEST(Navigator, ClosingTheWindowLetsTheNavigatorGoAndChoosingAgainMakesANewOne) {
    navigatorfixture f(MappedGif());
    int closed = 0;
    f.view.onnavigatorclosed = [&] { ++closed; };
    f.view.ShowNavigator(false);
    EXPECT_FALSE(f.Navigator().Visible());
    f.view.ShowNavigator(true);
    EXPECT_TRUE(f.Navigator().Visible());
    f.Window().Close();
    EXPECT_EQ(closed, 1);
    EXPECT_EQ(f.view.Navigator(), nullptr);
    f.app.RunPosted();
    EXPECT_EQ(std::count_if(f.app.Windows().begin(), f.app.Windows().end(), [](auto* w) { return w != nullptr; }), 0);
    f.view.ShowNavigator(true);
    ASSERT_NE(f.view.Navigator(), nullptr);
    EXPECT_EQ(f.Mismatch(), "");
}

TEST(Navigator, DrawingShowsTheBoxesTheLinesTheHoveredTitleAndTheFrame) {
    navigatorfixture f(MappedGif());
    const size_t screen = f.RowOf("ДЕСКРИПТОР ЭКРАНА");
    f.Navigator().Toggle(screen);
    platform::headlesscanvas surface;
    const size_t hovered = screen + 1;
    DrawOutline(surface, f.Navigator().Outline(), {{0, 0}, {180, 380}, surface.Font(), hovered});
    auto lines = [&](platform::colour colour) {
        std::vector<std::vector<platform::point>> found;
        for (const platform::drawop& op : surface.Operations())
            if (op.what == platform::drawop::kind::polyline && op.pen.linecolour == colour) found.push_back(op.points);
        return found;
    };
    const platform::rect open = navigatoroutline::BoxOf(f.Rows()[screen]);
    EXPECT_EQ(lines(NavigatorOpenBar), (std::vector<std::vector<platform::point>>{{{open.left + 2, open.top + 4}, {open.left + 6, open.top + 4}}}));
    // One green plus per closed container.
    const auto closed = std::count_if(f.Rows().begin(), f.Rows().end(), [](const outlinerow& r) { return r.node->IsContainer() && !r.expanded; });
    EXPECT_EQ(lines(NavigatorClosedPlus).size(), static_cast<size_t>(2 * closed));
    // The first child's line comes down from under the open box and turns right to the child.
    const platform::rect first = navigatoroutline::BoxOf(f.Rows()[screen + 1]);
    const std::vector<std::vector<platform::point>> silver = lines(NavigatorLines);
    EXPECT_NE(std::find(silver.begin(), silver.end(), std::vector<platform::point>{{open.left + 4, open.bottom}, {open.left + 4, first.top + 4}}), silver.end());
    EXPECT_EQ(lines(NavigatorFrame), (std::vector<std::vector<platform::point>>{{{0, 0}, {179, 0}, {179, 379}, {0, 379}, {0, 0}}}));
    std::vector<std::string> underlined;
    for (const platform::drawop& op : surface.Operations())
        if (op.what == platform::drawop::kind::text && (op.font.style & platform::fsUnderline)) {
            underlined.push_back(op.text);
            EXPECT_EQ(op.font.textcolour, NavigatorHover);
        }
    EXPECT_EQ(underlined, std::vector<std::string>{std::string(f.Rows()[hovered].node->Title())});
}

}  // namespace
}  // namespace quillmap::testing
