#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/dialogforms.h"
#include "dialogs/aboutpicture.h"
#include "dialogs/floodfill.h"
#include "platform/headless/headlesscanvas.h"
#include "support/inputwindow.h"
#include "support/menutext.h"
#include "support/utf8.h"

namespace quillmap::testing {
namespace {

using platform::headlessdialogform;

class AboutBox : public ::testing::Test {
protected:
    AboutBox() {
        about.focusmain = [this] { calls.push_back("focus"); };
        about.restoretopmost = [this] { calls.push_back("topmost"); };
        system.SetScreenSize({1024, 768});
    }
    headlessdialogform& Form() { return static_cast<headlessdialogform&>(about.Form()); }

    platform::headlessapplication app;
    platform::headlesssystem system;
    TForm8 about{app, system};
    std::vector<std::string> calls;
};

TEST_F(AboutBox, OpensCentredOverTheMainWindowKeptOnTheScreenAndFocused) {
    EXPECT_EQ(Form().Caption(), "О программе");
    EXPECT_EQ(Form().ClientSize(), (platform::extent{348, 223}));
    ASSERT_EQ(Form().Buttons().size(), 1u);
    EXPECT_EQ(Form().Buttons()[0].caption, "ОК");
    EXPECT_EQ(Form().Buttons()[0].bounds, (platform::rect{134, 188, 209, 213}));
    const platform::extent size = Form().WindowSize();
    about.Show({100, 100, 700, 500});
    EXPECT_EQ(Form().Position(), (platform::point{100 + (600 - size.width) / 2, 100 + (400 - size.height) / 2}));
    EXPECT_TRUE(about.Visible());
    EXPECT_EQ(app.ActiveWindow(), static_cast<platform::headlessactivatable*>(&Form()));
    about.Button1Click();
    about.Show({900, 700, 1300, 1000});
    EXPECT_EQ(Form().Position(), (platform::point{1024 - size.width, 768 - size.height}));
}

TEST_F(AboutBox, OkEscAndLosingActivationHideItOnce) {
    const struct {
        const char* name;
        std::function<void()> act;
        std::vector<std::string> calls;
    } ways[] = {
        {"ОК", [this] { Form().ClickButton(TForm8::OkButton); }, {"topmost"}},
        {"Esc", [this] { Form().PressKey(platform::EscapeKey); }, {"topmost", "focus"}},
        {"deactivated", [this] { app.Activate(nullptr); }, {"topmost"}},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.name);
        calls.clear();
        about.Show({0, 0, 800, 600});
        Form().PressKey('a');
        EXPECT_TRUE(about.Visible());
        way.act();
        EXPECT_FALSE(about.Visible());
        // Hiding took the activation away too, which does not count a second time.
        EXPECT_EQ(calls, way.calls);
    }
}

TEST_F(AboutBox, PaintsThePictureAndTheLabelsInTheirColours) {
    about.Show({0, 0, 800, 600});
    Form().Surface().ClearOperations();
    Form().Paint();
    std::vector<std::string> texts;
    std::vector<platform::drawop> ops;
    platform::headlesscanvas measure;
    for (const auto& op : Form().Surface().Operations()) {
        if (op.what != platform::drawop::kind::text && op.what != platform::drawop::kind::pixelcopy) continue;
        ops.push_back(op);
        if (op.what != platform::drawop::kind::text) continue;
        texts.push_back(op.text + " " + std::to_string(op.font.textcolour) + " " + std::to_string(op.font.height));
        // Every label within the box, above "ОК".
        measure.SetFont(op.font);
        const platform::extent extent = measure.TextExtent(op.text);
        EXPECT_TRUE(op.points[0].x >= 0 && op.points[0].x + extent.width <= 348) << op.text;
        EXPECT_LE(op.points[0].y + extent.height, 188) << op.text;
    }
    ASSERT_EQ(ops.size(), 6u);
    EXPECT_EQ(ops[0].area, (platform::rect{8, 4, 113, 125}));
    const std::string maroon = std::to_string(platform::Rgb(128, 0, 0)), blue = std::to_string(platform::Rgb(0, 0, 255)),
                      purple = std::to_string(platform::Rgb(128, 0, 128));
    EXPECT_EQ(texts, (std::vector<std::string>{"QUILLMAP 2.4 " + maroon + " -21", "Просмотрщик и редактор " + blue + " -11",
                                        "внутренней структуры gif-файлов " + blue + " -11",
                                        "Формат GIF (Graphics Interchange Format) был разработан " + purple + " -11",
                                        " компанией Compuserve Inc " + purple + " -11"}));
    EXPECT_EQ(ops[1].font.face, "Times New Roman");
    // The name right of the picture; the second purple line goes on from the first one's left edge.
    EXPECT_GT(ops[1].points[0].x, 113);
    EXPECT_EQ(ops[5].points[0].x, ops[4].points[0].x);
}

TEST_F(AboutBox, ShowingRepaintsOnlyThePictureBackgroundInTheFaceColour) {
    const std::vector<uint32_t> drawn = AboutPicture();
    system.schemecolours[platform::clBtnFace] = platform::Rgb(212, 208, 200);
    about.Show({0, 0, 800, 600});
    ASSERT_EQ(about.Picture()->Size(), AboutPictureSize);
    size_t background = 0;
    for (size_t i = 0; i < drawn.size(); ++i) {
        const bool white = drawn[i] == 0x00FFFFFF;
        background += white ? 1 : 0;
        ASSERT_EQ(about.Picture()->Pixels()[i], white ? 0x00D4D0C8 : drawn[i]) << i % 105 << "," << i / 105;
    }
    // The corners are background, and most of the picture is not.
    EXPECT_EQ(drawn[104], 0x00FFFFFFu);
    EXPECT_GT(background, 1000u);
    EXPECT_LT(background, drawn.size() / 2);
}

// Rows of a picture: '#' the border, '.' and 'o' two other colours, '*' the fill.
std::vector<uint32_t> Pixels(const std::string& rows) {
    std::vector<uint32_t> pixels;
    for (const char c : rows)
        if (c != '|') pixels.push_back(c == '#' ? 0 : c == '.' ? 1 : c == 'o' ? 2 : 9);
    return pixels;
}

TEST(FloodFill, FillsWhatIsReachableWithoutCrossingTheBorder) {
    const struct {
        const char* name;
        platform::extent size;
        platform::point start;
        std::string before, after;
    } cases[] = {
        {"inside a ring", {6, 4}, {2, 2}, "......|.####.|.#.o#.|.####.", "......|.####.|.#**#.|.####."},
        {"around a ring to every edge", {6, 4}, {5, 0}, "o.....|.####.|.#..#.|.####.", "******|*####*|*#..#*|*####*"},
        {"on the border", {6, 4}, {1, 1}, "......|.####.|.#..#.|.####.", "......|.####.|.#..#.|.####."},
        {"outside the picture", {3, 2}, {3, 0}, "...|...", "...|..."},
        {"no way through a diagonal", {5, 3}, {0, 0}, "..#..|.#...|#....", "**#..|*#...|#...."},
        {"through the fill colour", {5, 3}, {0, 0}, "..#..|**#**|.....", "**#**|**#**|*****"},
        {"a winding corridor", {5, 5}, {0, 0}, ".#...|.#.#.|.#.#.|...#.|####.", "*#***|*#*#*|*#*#*|***#*|####*"},
        {"fewer pixels than the size", {4, 2}, {0, 0}, "....|...", "....|..."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<uint32_t> pixels = Pixels(c.before);
        FloodFill(pixels, c.size, c.start, 0, 9);
        EXPECT_EQ(pixels, Pixels(c.after));
    }
}

TEST(AboutCommand, CentresTheBoxAndTheMainWindowLeavesTheTopmostBandOnlyWhileItIsShown) {
    for (const bool ontop : {false, true}) {
        for (const char key : {'\r', platform::EscapeKey}) {
            SCOPED_TRACE(std::string(ontop ? "on top, " : "not on top, ") + (key == '\r' ? "ОК" : "Esc"));
            inputwindow w("\x01");
            dialogforms dialogs(w.app, w.system);
            w.form.SetAbout(dialogs.About());
            auto& box = static_cast<headlessdialogform&>(dialogs.About().Form());
            w.window.SetBounds({100, 100, 700, 500});
            if (ontop) w.form.ToggleOnTop();
            ItemCalled(ItemCalled(w.form.Menu().Bar(), Utf8(u8"Помощь")).Items(), Utf8(u8"О программе...")).Click();
            const platform::extent size = box.WindowSize();
            EXPECT_EQ(box.Position(), (platform::point{100 + (600 - size.width) / 2, 100 + (400 - size.height) / 2}));
            EXPECT_FALSE(w.window.Topmost());
            const int focused = w.window.Focused();
            if (key == '\r') box.PressEnter();
            else box.PressKey(key);
            EXPECT_FALSE(dialogs.About().Visible());
            EXPECT_EQ(w.window.Topmost(), ontop);
            // Only Esc hands the keyboard back itself.
            EXPECT_EQ(w.window.Focused(), focused + (key == '\r' ? 0 : 1));
        }
    }
}

}  // namespace
}  // namespace quillmap::testing
