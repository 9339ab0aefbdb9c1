#include <gtest/gtest.h>

#include <string>

#include "dialogs/okno2.h"
#include "dialogs/oknobmp.h"
#include "dialogs/popupfade.h"
#include "dialogs/popupplacement.h"
#include "dialogs/popupstyle.h"
#include "dialogs/popupwindows.h"
#include "platform/headless/headlessapplication.h"
#include "platform/headless/headlesssystem.h"
#include "support/proportionguard.h"
#include "support/settingsguard.h"

namespace quillmap::testing {
namespace {

using platform::drawop;

struct popupfixture {
    explicit popupfixture(int32_t style = PopupStyle) : popups(app, system, style) {}
    settingsguard settings;
    proportionguard proportion;
    platform::headlessapplication app;
    platform::headlesssystem system;
    popupwindows popups;

    size_t WindowsMade() const { return app.Windows().size(); }
    platform::headlesswindow& Shown() { return *app.Windows().back(); }
    void Tick(int times = 1) {
        for (int i = 0; i < times; ++i) Shown().Tick(PopupTimer);
    }
    std::vector<drawop> Paint() {
        platform::headlesscanvas surface;
        Shown().Paint(surface);
        return surface.Operations();
    }
};

std::string LongExplanation() {
    std::string text;
    for (int i = 0; i < 6; ++i) text += "Поле занимает несколько байтов и описывает размер изображения. ";
    return text;
}

TEST(Popups, PlacementCentresOnTheMouseAndKeepsInsideTheWorkArea) {
    const platform::rect work{0, 0, 1000, 700};
    struct row {
        platform::point mouse;
        platform::extent size;
        platform::rect expected;
    } rows[] = {
        {{500, 300}, {101, 51}, {450, 275, 551, 326}},   // halves rounded down
        {{990, 690}, {100, 50}, {900, 650, 1000, 700}},  // moved left and up to end inside
        {{3, 4}, {100, 50}, {0, 0, 100, 50}},            // moved onto the left and top edges
        {{500, 300}, {3000, 900}, {0, 0, 1000, 700}},    // larger than the work area: cut to it
    };
    for (const row& r : rows) {
        const platform::rect placed = PlacePopup(r.mouse, r.size, work);
        EXPECT_EQ(placed.left, r.expected.left);
        EXPECT_EQ(placed.top, r.expected.top);
        EXPECT_EQ(placed.right, r.expected.right);
        EXPECT_EQ(placed.bottom, r.expected.bottom);
    }
    // A work area beside a taskbar on the left starts there.
    const platform::rect placed = PlacePopup({10, 10}, {100, 50}, {60, 0, 1000, 700});
    EXPECT_EQ(placed.left, 60);
}

TEST(Popups, FadeStepsFromTheBackgroundToTheTarget) {
    struct row {
        uint32_t from, to;
        int32_t tick;
        uint32_t expected;
    } rows[] = {
        {PopupBackgroundPixel, 0x000000, 0, PopupBackgroundPixel},
        {PopupBackgroundPixel, 0x000000, 5, 0x807E78},  // 127.5 rounds up to 128
        {PopupBackgroundPixel, 0x000000, 10, 0x000000},
        {PopupBackgroundPixel, 0x123456, 10, 0x123456},
        {0x000000, 0xFF00FF, 3, 0x4D004D},
        {PopupBackground, PopupTextColour, 1, 0xD8E2E6},
    };
    for (const row& r : rows) EXPECT_EQ(FadeColour(r.from, r.to, r.tick), r.expected) << r.tick;
}

TEST(Popups, ALongExplanationOpensAWideLowWindowCentredOnTheMouseInsideTheWorkArea) {
    for (const platform::point mouse : {platform::point{512, 380}, platform::point{5, 5}, platform::point{1020, 700}}) {
        popupfixture f;
        f.system.SetWorkArea({0, 0, 1024, 728});
        f.system.MoveCursor(mouse);
        f.popups.ShowTextPopup(LongExplanation());
        ASSERT_TRUE(f.popups.PopupOpen());
        const platform::rect bounds = f.Shown().Bounds();
        EXPECT_TRUE(f.Shown().Visible());
        EXPECT_EQ(f.Shown().Design().kind, platform::formkind::popup);
        // The text block is about five times as wide as high; the margins make the window a little
        // less flat.
        EXPECT_GT(bounds.Width() - 2 * PopupMargin.width, 4 * (bounds.Height() - 2 * PopupMargin.height));
        EXPECT_LT(bounds.Width(), 1024);
        EXPECT_GE(bounds.left, 0);
        EXPECT_GE(bounds.top, 0);
        EXPECT_LE(bounds.right, 1024);
        EXPECT_LE(bounds.bottom, 728);
        if (mouse.x == 512) {
            EXPECT_EQ(bounds.left, mouse.x - bounds.Width() / 2);
            EXPECT_EQ(bounds.top, mouse.y - bounds.Height() / 2);
        }
        EXPECT_EQ(f.Shown().Timers().at(PopupTimer), 20);
    }
}

TEST(Popups, OnlyOnePopupAtATimeAndANewOneAfterClosing) {
    popupfixture f;
    f.popups.ShowTextPopup("первое");
    const okno* first = f.popups.Current();
    f.popups.ShowTextPopup("второе");
    EXPECT_EQ(f.popups.ShowImagePopup(10, 10), nullptr);
    EXPECT_EQ(f.popups.Current(), first);
    EXPECT_EQ(f.WindowsMade(), 1u);
    EXPECT_EQ(f.popups.Current()->Text(), "первое");

    f.popups.CloseCurrentPopup();
    EXPECT_FALSE(f.popups.PopupOpen());
    EXPECT_FALSE(f.Shown().Visible());
    f.app.RunPosted();
    EXPECT_EQ(f.app.Windows().back(), nullptr);

    f.popups.ShowTextPopup("второе");
    ASSERT_TRUE(f.popups.PopupOpen());
    EXPECT_EQ(f.popups.Current()->Text(), "второе");
    EXPECT_EQ(f.WindowsMade(), 2u);
}

TEST(Popups, DeactivationEscAndClosingEndThePopupOtherKeysDoNot) {
    struct row {
        const char* name;
        void (*act)(platform::headlesswindow&);
        bool closes;
    } rows[] = {
        {"deactivated",
         [](platform::headlesswindow& w) {
             w.Activate(true);
             w.Activate(false);
         },
         true},
        {"Esc", [](platform::headlesswindow& w) { w.KeyDown(platform::vkEscape); }, true},
        {"closed", [](platform::headlesswindow& w) { w.Close(); }, true},
        {"Enter", [](platform::headlesswindow& w) { w.KeyDown(platform::vkReturn); }, false},
        {"activated", [](platform::headlesswindow& w) { w.Activate(true); }, false},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.name);
        for (const bool image : {false, true}) {
            popupfixture f;
            if (image)
                ASSERT_NE(f.popups.ShowImagePopup(4, 4), nullptr);
            else
                f.popups.ShowTextPopup("текст");
            r.act(f.Shown());
            EXPECT_EQ(f.popups.PopupOpen(), !r.closes);
            // The window goes only after the handler that closed it.
            EXPECT_NE(f.app.Windows().back(), nullptr);
            f.app.RunPosted();
            EXPECT_EQ(f.app.Windows().back() == nullptr, r.closes);
        }
    }
}

TEST(Popups, TheTextFadesInFromTheBackgroundOverElevenTicks) {
    popupfixture f;
    f.popups.ShowTextPopup("Подпись");
    const okno& popup = *f.popups.Current();
    EXPECT_EQ(popup.Font().textcolour, PopupBackground);
    EXPECT_EQ(popup.Font().height, 16);
    const struct {
        int ticks;
        platform::colour colour;
    } rows[] = {{1, PopupBackground}, {6, FadeColour(PopupBackground, 0, 5)}, {11, PopupTextColour}, {30, PopupTextColour}};
    int done = 0;
    for (const auto& r : rows) {
        f.Tick(r.ticks - done);
        done = r.ticks;
        EXPECT_EQ(popup.Font().textcolour, r.colour) << r.ticks;
    }
    EXPECT_EQ(popup.Ticks(), 30);
    const std::vector<drawop> ops = f.Paint();
    ASSERT_FALSE(ops.empty());
    EXPECT_EQ(ops.front().what, drawop::kind::rectangle);
    EXPECT_EQ(ops.front().brush, PopupBackground);
    EXPECT_EQ(ops.front().pen.linecolour, platform::clBlack);
    EXPECT_EQ(ops.front().area.right, popup.Client().width);
    bool text = false;
    for (const drawop& op : ops)
        if (op.what == drawop::kind::text && op.text.find("Подпись") != std::string::npos) {
            text = true;
            EXPECT_EQ(op.font.textcolour, PopupTextColour);
            EXPECT_GE(op.points.front().x, PopupMargin.width);
        }
    EXPECT_TRUE(text);
}

TEST(Popups, TheSelfClosingVariantGoesAfterItsLifetime) {
    popupfixture f(0);
    f.popups.ShowTextPopup("Недолго");
    EXPECT_EQ(f.popups.Current()->Font().textcolour, PopupTextColour);
    f.Tick(OknoZeroLifetime);
    EXPECT_TRUE(f.popups.PopupOpen());
    f.Tick();
    EXPECT_FALSE(f.popups.PopupOpen());
}

TEST(Popups, TheTickerRunsAlongTheTopAndLeavesWhenTheTextHasPassed) {
    for (const int length : {4, 120}) {
        popupfixture f(2);
        const std::string text(static_cast<size_t>(length), 'W');
        f.popups.ShowTextPopup(text);
        const auto& ticker = static_cast<const okno_2&>(*f.popups.Current());
        const int32_t textwidth = length * 8;  // the headless font: half of 16 pixels a character
        const int32_t screen = 1024;
        const int32_t width = textwidth < screen / 2 ? std::max(100, textwidth * 2 / 3) : std::max(textwidth / 2, screen / 3);
        const platform::rect bounds = f.Shown().Bounds();
        EXPECT_EQ(bounds.left, 0);
        EXPECT_EQ(bounds.top, 0);
        EXPECT_EQ(bounds.Width(), width);
        EXPECT_EQ(bounds.Height(), 16 + 2 * PopupMargin.height + 2);
        EXPECT_EQ(ticker.TextX(), width);
        f.Tick(width + textwidth);
        EXPECT_TRUE(f.popups.PopupOpen());
        EXPECT_EQ(ticker.TextX(), -textwidth);
        f.Tick();
        EXPECT_FALSE(f.popups.PopupOpen());
    }
}

TEST(Popups, AnUnknownStyleShowsNoText) {
    popupfixture f(3);
    f.popups.ShowTextPopup("ничего");
    EXPECT_FALSE(f.popups.PopupOpen());
    EXPECT_EQ(f.WindowsMade(), 0u);
}

TEST(Popups, ATenByTenPictureFadesInInsideAFivePixelCreamBorder) {
    popupfixture f;
    f.system.MoveCursor({300, 200});
    platform::pixelsurface* source = f.popups.ShowImagePopup(10, 10);
    ASSERT_NE(source, nullptr);
    for (int i = 0; i < 100; ++i) source->Pixels()[i] = i < 50 ? 0x000000 : PopupBackgroundPixel;
    const platform::rect bounds = f.Shown().Bounds();
    EXPECT_EQ(bounds.left, 290);
    EXPECT_EQ(bounds.top, 190);
    EXPECT_EQ(bounds.Width(), 20);
    EXPECT_EQ(bounds.Height(), 20);
    const auto& popup = static_cast<const oknobmp&>(*f.popups.Current());
    ASSERT_TRUE(popup.Fades());
    const struct {
        int ticks;
        uint32_t black;
    } rows[] = {{0, PopupBackgroundPixel}, {6, 0x807E78}, {11, 0x000000}, {20, 0x000000}};
    int done = 0;
    for (const auto& r : rows) {
        f.Tick(r.ticks - done);
        done = r.ticks;
        EXPECT_EQ(popup.Shown().Pixels()[0], r.black) << r.ticks;
        // Transparent pixels are cream all the way, as the border is.
        EXPECT_EQ(popup.Shown().Pixels()[99], PopupBackgroundPixel) << r.ticks;
    }
    const std::vector<drawop> ops = f.Paint();
    ASSERT_EQ(ops.size(), 2u);
    EXPECT_EQ(ops[0].what, drawop::kind::rectangle);
    EXPECT_EQ(ops[0].brush, PopupBackground);
    EXPECT_EQ(ops[0].area.right, 20);
    EXPECT_EQ(ops[0].area.bottom, 20);
    EXPECT_EQ(ops[1].what, drawop::kind::pixelcopy);
    EXPECT_EQ(ops[1].area.left, 5);
    EXPECT_EQ(ops[1].area.top, 5);
    EXPECT_EQ(ops[1].area.right, 15);
    EXPECT_EQ(ops[1].area.bottom, 15);
}

TEST(Popups, APictureThatCannotBeMadeBeepsAndShowsNothing) {
    struct row {
        const char* name;
        platform::extent size;
        int32_t surfacesleft;  // -1: as many as memory allows
    } rows[] = {
        {"largest GIF picture, 16 GiB", {65535, 65535}, -1},
        {"just past 1 GiB", {16385, 16384}, -1},
        {"no memory for the first surface", {10, 10}, 0},
        {"no memory for the second surface", {10, 10}, 1},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.name);
        popupfixture f;
        f.app.surfacesleft = r.surfacesleft;
        EXPECT_EQ(f.popups.ShowImagePopup(r.size.width, r.size.height), nullptr);
        EXPECT_EQ(f.system.Beeps(), 1);
        EXPECT_FALSE(f.popups.PopupOpen());
        EXPECT_EQ(f.WindowsMade(), 0u);
        // Nothing is left behind: the next picture shows.
        f.app.surfacesleft = -1;
        EXPECT_NE(f.popups.ShowImagePopup(2, 2), nullptr);
    }
    EXPECT_FALSE(platform::PixelSurfaceBytes({-1, 5}).has_value());
    EXPECT_EQ(platform::PixelSurfaceBytes({16384, 16384}), uint64_t{1} << 30);
}

TEST(Popups, APictureOverTheBudgetShowsAtOnceAndAWideOneIsCutToTheWorkArea) {
    struct row {
        platform::extent size;
        bool fades;
    } rows[] = {{{2000, 2000}, true}, {{2001, 2000}, false}, {{4000, 100}, true}};
    for (const row& r : rows) {
        popupfixture f;
        f.system.MoveCursor({500, 400});
        platform::pixelsurface* source = f.popups.ShowImagePopup(r.size.width, r.size.height);
        ASSERT_NE(source, nullptr);
        source->Pixels()[0] = 0x123456;
        const auto& popup = static_cast<const oknobmp&>(*f.popups.Current());
        EXPECT_EQ(popup.Fades(), r.fades);
        EXPECT_EQ(popup.Shown().Pixels()[0], r.fades ? PopupBackgroundPixel : 0x123456u);
        f.Tick(11);
        EXPECT_EQ(popup.Shown().Pixels()[0], 0x123456u);
        const platform::rect bounds = f.Shown().Bounds();
        EXPECT_GE(bounds.left, 0);
        EXPECT_GE(bounds.top, 0);
        EXPECT_LE(bounds.right, 1024);
        EXPECT_LE(bounds.bottom, 768);
        EXPECT_EQ(bounds.Width(), std::min(1024, r.size.width + 10));
    }
}

}  // namespace
}  // namespace quillmap::testing
