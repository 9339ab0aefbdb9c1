#include <gtest/gtest.h>

#include "dialogs/dialogplacement.h"

namespace quillmap::testing {
namespace {

TEST(DialogPlacement, AtTheMouseInsideTheWorkArea) {
    const platform::extent window{657, 419};
    const platform::rect workarea{0, 0, 1024, 738};
    struct sample {
        platform::point mouse;
        platform::point expected;
    };
    const sample samples[] = {
        {{500, 100}, {500 - 328, 100}},        // centred across the pointer, top at it
        {{100, 100}, {0, 100}},                // not past the left edge
        {{1000, 100}, {1024 - 657, 100}},      // nor the right one
        {{500, 400}, {172, 400 - 419}},        // above the pointer when it would reach below
        {{500, 319}, {172, 319}},              // exactly reaching the bottom stays
        {{500, 320}, {172, 320 - 419}},
    };
    for (const sample& s : samples) {
        const platform::point at = PlaceAtMouse(s.mouse, window, workarea);
        EXPECT_EQ(at, s.expected) << s.mouse.x << "," << s.mouse.y;
    }
}

TEST(DialogPlacement, BesideTheMouseBelowItOrAboveItAndOnTheScreen) {
    const platform::extent window{463, 322};
    const platform::extent screen{1024, 768};
    struct sample {
        platform::point mouse;
        platform::point expected;
    };
    const sample samples[] = {
        {{500, 100}, {500 - 231, 101}},      // centred across the pointer, just below it
        {{100, 100}, {0, 101}},              // not past the left edge
        {{1000, 100}, {1024 - 463, 101}},    // nor the right one
        {{500, 445}, {269, 446}},            // exactly reaching the bottom stays
        {{500, 446}, {269, 446 - 322 - 1}},  // just above the pointer when it would pass it
        {{500, 700}, {269, 700 - 322 - 1}},
        {{500, 0}, {269, 1}},
    };
    for (const sample& s : samples) {
        EXPECT_EQ(PlaceBesideMouse(s.mouse, window, screen), s.expected) << s.mouse.x << "," << s.mouse.y;
    }
    // A screen too low for the window either way: never above its top.
    EXPECT_EQ(PlaceBesideMouse({500, 200}, window, {1024, 400}), (platform::point{269, 0}));
}

TEST(DialogPlacement, CentredOverTheOwnerAndBackOnTheScreen) {
    const platform::extent window{433, 112};
    const platform::extent screen{1024, 768};
    struct sample {
        platform::rect owner;
        platform::point expected;
    };
    const sample samples[] = {
        {{100, 100, 900, 700}, {100 + (800 - 433) / 2, 100 + (600 - 112) / 2}},
        {{-500, -400, 100, 0}, {0, 0}},                   // owner off the top left corner
        {{800, 700, 1400, 1000}, {1024 - 433, 768 - 112}}, // and off the bottom right one
        {{0, 0, 200, 50}, {0, 0}},                        // a small owner: not left of 0
    };
    for (const sample& s : samples) EXPECT_EQ(CentreOver(s.owner, window, screen), s.expected) << s.owner.left;
}

}  // namespace
}  // namespace quillmap::testing
