#include <gtest/gtest.h>

#include "app/startup.h"
#include "app/tform1.h"
#include "base/cp1251.h"
#include "platform/headless/headlessapplication.h"
#include "support/utf8.h"

namespace quillmap {
namespace {

TEST(Startup, MakesTheApplicationAToolWindowAndShowsTheMainWindow) {
    platform::headlessapplication app;
    EXPECT_EQ(RunProgram(app), 0);
    EXPECT_TRUE(app.IsToolWindow());
    EXPECT_EQ(app.Title(), "Quillmap");
    EXPECT_EQ(app.HelpFile(), "quillmap.chm");
    // The main window was the first form created; it is gone once the loop ended.
    ASSERT_EQ(app.Windows().size(), 1u);
    EXPECT_EQ(app.Windows()[0], nullptr);
}

TEST(Startup, MainWindowCaptionSizeAndBackground) {
    platform::headlessapplication app;
    Tform1 form(app);
    auto& window = *app.Windows().at(0);
    EXPECT_FALSE(window.Visible());
    EXPECT_EQ(Cp1251ToUtf8(window.Caption()), testing::Utf8(u8"Безымянный.gif - Quillmap"));
    EXPECT_EQ(window.Caption(), "\xC1\xE5\xE7\xFB\xEC\xFF\xED\xED\xFB\xE9.gif - Quillmap");
    EXPECT_EQ(window.ClientSize(), (platform::extent{792, 454}));
    EXPECT_EQ(window.Design().background, platform::clWhite);
    EXPECT_TRUE(window.Design().mainwindow);

    platform::headlesscanvas canvas;
    window.Paint(canvas);
    ASSERT_EQ(canvas.Operations().size(), 1u);
    EXPECT_EQ(canvas.Operations()[0].area, (platform::rect{0, 0, 792, 454}));
    EXPECT_EQ(canvas.Operations()[0].brush, platform::clWhite);

    window.Resize({400, 300});
    EXPECT_EQ(window.Invalidations(), 1);
    window.Close();
    EXPECT_TRUE(app.Terminated());
}

TEST(Cp1251, ConvertsEveryDefinedByteToUtf8) {
    EXPECT_EQ(Cp1251ToUtf8("GIF-\xD4\xC0\xC9\xCB"), testing::Utf8(u8"GIF-ФАЙЛ"));
    EXPECT_EQ(Cp1251ToUtf8("\xA8\xB8\xB9\x88"), testing::Utf8(u8"Ёё№€"));
    EXPECT_EQ(Cp1251ToUtf8("\x98"), "\xEF\xBF\xBD");
    EXPECT_EQ(Cp1251ToUtf8(std::string_view("a\0b", 3)), std::string("a\0b", 3));
}

}  // namespace
}  // namespace quillmap
