#include <gtest/gtest.h>

#include "app/startup.h"
#include "app/tform1.h"
#include "dialogs/tform4.h"
#include "base/bytefile.h"
#include "base/cp1251.h"
#include "base/settings.h"
#include "platform/headless/headlessapplication.h"
#include "platform/headless/headlesssystem.h"
#include "support/corpus.h"
#include "support/scratchfolder.h"
#include "support/settingsguard.h"
#include "support/utf8.h"

namespace quillmap {
namespace {

TEST(Startup, MakesTheApplicationAToolWindowAndShowsTheMainWindow) {
    testing::settingsguard settings;
    platform::headlessapplication app;
    platform::headlesssystem system;
    // Without a state file the program greets the user first, before its window shows.
    std::vector<std::string> greeted;
    std::vector<std::string> dialogs;
    app.QueueModalAnswer([&](platform::headlessdialogform& greeting) {
        greeted.push_back(greeting.Caption());
        for (const auto* dialog : app.Dialogs()) dialogs.push_back(dialog->Caption());
        EXPECT_FALSE(app.Windows().at(0)->Visible());
        greeting.ClickButton(TForm4::DeclineButton);
    });
    EXPECT_EQ(RunProgram(app, system, {}), 0);
    EXPECT_EQ(greeted, std::vector<std::string>{"Здравствуйте!"});
    ASSERT_EQ(dialogs.size(), 7u);
    EXPECT_EQ(dialogs[5], "Здравствуйте!");
    EXPECT_EQ(dialogs[6], "Расширения");
    EXPECT_TRUE(app.IsToolWindow());
    // "Quillmap" at first; without a file the untitled caption is the application's title too.
    EXPECT_EQ(Cp1251ToUtf8(app.Title()), testing::Utf8(u8"Безымянный.gif - Quillmap"));
    EXPECT_EQ(app.HelpFile(), "quillmap.chm");
    EXPECT_EQ(Settings().TextSize, 16);
    // The main window was the first form created, the dialogs followed (find, replace, the
    // pinned files, the fine settings, the about box, the greeting and the extensions as dialogs
    // of their own, and the switcher); all are gone once the loop ended.
    ASSERT_EQ(app.Windows().size(), 2u);
    for (const auto* window : app.Windows()) EXPECT_EQ(window, nullptr);
    ASSERT_EQ(app.Dialogs().size(), 7u);
    for (const auto* dialog : app.Dialogs()) EXPECT_EQ(dialog, nullptr);
}

TEST(Startup, AFileTooLargeToLoadOnTheCommandLineOpensEmptyUnderItsName) {
    testing::settingsguard settings;
    testing::scratchfolder scratch;
    // Positions are 32-bit: one byte more than 2 GiB - 1 is too many.
    const std::filesystem::path big = scratch / "big.gif";
    testing::PutSparseFile(big, std::uintmax_t{1} << 31);
    platform::headlessapplication app;
    platform::headlesssystem system;
    app.QueueModalAnswer([](platform::headlessdialogform& greeting) { greeting.ClickButton(TForm4::DeclineButton); });
    RunProgram(app, system, {big.string()});
    EXPECT_EQ(system.Beeps(), 1);
    ASSERT_EQ(app.Errors().size(), 1u);
    EXPECT_EQ(Cp1251ToUtf8(app.Errors()[0]), testing::Utf8(u8"Файл открыть не получилось (возможно, он слишком велик)"));
    EXPECT_EQ(app.Title(), "big.gif - Quillmap");
}

TEST(Startup, ANameTheSystemGaveOnlyApproximatelyIsRefusedAndTheProgramStartsUntitled) {
    testing::settingsguard settings;
    testing::scratchfolder scratch;
    // "café.gif" arrives as "caf?.gif": a name this file system allows, so the file is there to
    // be wrongly opened.
    const std::filesystem::path lookalike = scratch / "caf?.gif";
    std::filesystem::copy_file(testing::CorpusDir() / "welcome2.gif", lookalike);
    platform::headlessapplication app;
    platform::headlesssystem system;
    app.QueueModalAnswer([](platform::headlessdialogform& greeting) { greeting.ClickButton(TForm4::DeclineButton); });
    RunProgram(app, system, {lookalike.string()});
    EXPECT_EQ(system.Beeps(), 1);
    ASSERT_EQ(app.Errors().size(), 1u);
    EXPECT_NE(app.Errors()[0].find(lookalike.string()), std::string::npos);
    EXPECT_EQ(Cp1251ToUtf8(app.Title()), testing::Utf8(u8"Безымянный.gif - Quillmap"));
}

TEST(Startup, MainWindowCaptionSizeAndBackground) {
    testing::scratchfolder programfolder;
    platform::headlessapplication app;
    app.programfolder = programfolder.path().string();
    platform::headlesssystem system;
    Tform1 form(app, system);
    auto& window = *app.Windows().at(0);
    EXPECT_FALSE(window.Visible());
    EXPECT_EQ(Cp1251ToUtf8(window.Caption()), testing::Utf8(u8"Безымянный.gif - Quillmap"));
    EXPECT_EQ(window.Caption(), "\xC1\xE5\xE7\xFB\xEC\xFF\xED\xED\xFB\xE9.gif - Quillmap");
    EXPECT_EQ(window.ClientSize(), (platform::extent{792, 454}));
    EXPECT_EQ(window.Design().background, platform::clWhite);
    EXPECT_TRUE(window.Design().mainwindow);
    // The user cannot size it below 100 x 100.
    EXPECT_EQ(window.Design().minimum, (platform::extent{100, 100}));

    // The picture leaves room for the two scroll bars (18) and the status bar (19), and is
    // copied to the window but for its one-pixel border.
    platform::headlesscanvas canvas;
    window.Paint(canvas);
    ASSERT_EQ(canvas.Operations().size(), 3u);
    EXPECT_EQ(canvas.Operations()[0].what, platform::drawop::kind::bitmapcopy);
    EXPECT_EQ(canvas.Operations()[0].area, (platform::rect{1, 1, 773, 416}));
    // A shadow along the top and left edges, and the corner between the bars filled.
    EXPECT_EQ(canvas.Operations()[1].points, (std::vector<platform::point>{{792, 0}, {0, 0}, {0, 454}}));
    EXPECT_EQ(canvas.Operations()[1].pen.linecolour, platform::clBtnShadow);
    EXPECT_EQ(canvas.Operations()[2].what, platform::drawop::kind::fillrect);
    EXPECT_EQ(canvas.Operations()[2].area, (platform::rect{774, 417, 792, 435}));

    const int invalidations = window.Invalidations();
    window.Resize({400, 300});
    EXPECT_EQ(window.Invalidations(), invalidations + 1);
    EXPECT_EQ(form.Picture().Size(), (platform::extent{382, 263}));
    window.Close();
    EXPECT_TRUE(app.Terminated());
}

TEST(Startup, TheMainWindowShowsAnOpenedFilesStructure) {
    platform::headlessapplication app;
    platform::headlesssystem system;
    Tform1 form(app, system);
    form.OpenDocument((testing::CorpusDir() / "welcome2.gif").string());
    auto& window = *app.Windows().at(0);
    EXPECT_EQ(window.Caption(), "welcome2.gif - Quillmap");
    EXPECT_EQ(form.View().DocumentLength(), 36832);

    // Drawn inside the margins of 2 pixels: the header, and the signature's codes on the first row.
    const auto& picture = dynamic_cast<platform::headlesscanvas&>(form.Picture().Canvas());
    std::string firstrow;
    bool caption = false;
    for (const platform::drawop& op : picture.Operations()) {
        if (op.what != platform::drawop::kind::text) continue;
        caption = caption || op.text == "\xE7\xED\xE0\xF7\xE5\xED\xE8\xE5";  // "значение"
        if (op.points[0].y == 2 + 20 && op.points[0].x >= 2 + 68 && op.points[0].x < 2 + 212) firstrow += op.text;
    }
    EXPECT_TRUE(caption);
    EXPECT_EQ(firstrow, "474946");

    // A file that cannot be read leaves the window as it was.
    EXPECT_THROW(form.OpenDocument("/no/such/file.gif"), bytefileerror);
    EXPECT_EQ(window.Caption(), "welcome2.gif - Quillmap");
    EXPECT_EQ(form.View().DocumentLength(), 36832);
}

TEST(Cp1251, ConvertsEveryDefinedByteToUtf8) {
    EXPECT_EQ(Cp1251ToUtf8("GIF-\xD4\xC0\xC9\xCB"), testing::Utf8(u8"GIF-ФАЙЛ"));
    EXPECT_EQ(Cp1251ToUtf8("\xA8\xB8\xB9\x88"), testing::Utf8(u8"Ёё№€"));
    EXPECT_EQ(Cp1251ToUtf8("\x98"), "\xEF\xBF\xBD");
    EXPECT_EQ(Cp1251ToUtf8(std::string_view("a\0b", 3)), std::string("a\0b", 3));
}

}  // namespace
}  // namespace quillmap
