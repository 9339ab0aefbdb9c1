#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <vector>


#include "app/fileidentity.h"
#include "app/statusbartexts.h"
#include "app/tform1.h"
#include "base/cp1251.h"
#include "base/settings.h"
#include "platform/eventguard.h"
#include "platform/headless/headlessapplication.h"
#include "platform/headless/headlesssystem.h"
#include "support/allocationlimit.h"
#include "support/corpus.h"
#include "support/scratchfolder.h"
#include "support/settingsguard.h"
#include "support/utf8.h"

namespace quillmap {
namespace {

namespace fs = std::filesystem;

struct filecommands : ::testing::Test {
    filecommands() {
        fs::copy_file(testing::CorpusDir() / "welcome2.gif", folder / "welcome2.gif",
                      fs::copy_options::overwrite_existing);
        // The corpus may be read-only; the copy is the user's own file.
        fs::permissions(folder / "welcome2.gif", fs::perms::owner_read | fs::perms::owner_write);
    }

    // Types a byte into the document the way an edit would, and marks it changed.
    void Change() {
        form.View().ReplaceBytes(6, 1, "\x07", 0, 7);
        form.SetModified(true);
    }
    void Answer(size_t button) {
        app.QueueModalAnswer([button](platform::headlessdialogform& box) { box.ClickButton(button); });
    }

    testing::settingsguard settings;
    testing::scratchfolder scratch;
    const fs::path& folder = scratch.path();
    platform::headlessapplication app;
    platform::headlesssystem system;
    Tform1 form{app, system};
    platform::headlesswindow& window = *app.Windows().at(0);
};

TEST_F(filecommands, OpeningFromTheDialogShowsTheFileUnderItsName) {
    const std::string path = (folder / "welcome2.gif").string();
    app.QueueFileAnswer(path);
    form.OpenCommand();
    ASSERT_EQ(app.FileDialogs().size(), 1u);
    EXPECT_EQ(app.FileDialogs()[0].title, "\xCE\xF2\xEA\xF0\xFB\xF2\xFC \xF4\xE0\xE9\xEB");  // "Открыть файл"
    EXPECT_FALSE(app.FileDialogs()[0].save);
    EXPECT_EQ(window.Caption(), "welcome2.gif - Quillmap");
    EXPECT_EQ(app.Title(), "welcome2.gif - Quillmap");
    EXPECT_EQ(form.DocumentName(), path);
    EXPECT_EQ(form.View().DocumentLength(), 36832);
    EXPECT_GE(form.OpenTime(), 0);

    // A file that is not there: a beep, and the document stays.
    app.QueueFileAnswer((folder / "missing.gif").string());
    const int beeps = system.Beeps();
    form.OpenCommand();
    EXPECT_EQ(system.Beeps(), beeps + 1);
    EXPECT_EQ(form.DocumentName(), path);
}

TEST_F(filecommands, AFileThatDoesNotFitInMemoryLeavesTheDocumentShownAndSaysSo) {
    const std::string first = (folder / "welcome2.gif").string();
    app.QueueFileAnswer(first);
    form.OpenCommand();
    ASSERT_EQ(form.DocumentName(), first);
    fs::copy_file(testing::CorpusDir() / "porsche.gif", folder / "porsche.gif", fs::copy_options::overwrite_existing);
    const std::string second = (folder / "porsche.gif").string();
    const auto secondlength = static_cast<int32_t>(fs::file_size(folder / "porsche.gif"));
    int refused = 0;
    // Allocations failing ever further into "Открыть...", delivered as the system delivers the
    // command, until it gets through.
    for (int64_t n = 1;; n += 1 + n / 8) {
        SCOPED_TRACE("allocation " + std::to_string(n));
        std::string told;
        app.QueueModalAnswer([&told](platform::headlessdialogform& box) {
            told = Cp1251ToUtf8(box.Caption());
            box.ClickButton(0);
        });
        app.QueueFileAnswer(second);
        {
            testing::allocationlimit limit(n);
            platform::DeliverEvent([&] { form.OpenCommand(); });
            if (!limit.Struck()) break;
        }
        // Either the first file is still shown whole, or the second one is, each under its name.
        if (form.DocumentName() == first) {
            ++refused;
            EXPECT_EQ(told, testing::Utf8(u8"Не хватает памяти"));
            EXPECT_EQ(window.Caption(), "welcome2.gif - Quillmap");
            EXPECT_EQ(form.View().DocumentLength(), 36832);
            EXPECT_GT(form.View().Root().ChildCount(), 3);
            continue;
        }
        EXPECT_EQ(form.DocumentName(), second);
        EXPECT_EQ(window.Caption(), "porsche.gif - Quillmap");
        EXPECT_EQ(form.View().DocumentLength(), secondlength);
        // Back to the first for the next round.
        app.QueueFileAnswer(first);
        form.OpenCommand();
        ASSERT_EQ(form.DocumentName(), first);
    }
    EXPECT_GT(refused, 10);
    EXPECT_EQ(form.DocumentName(), second);
}

TEST_F(filecommands, AFileTooLargeToLoadOpensAsAnEmptyDocumentUnderItsName) {
    // Positions are 32-bit: one byte more than 2 GiB - 1 is too many.
    const fs::path big = folder / "big.gif";
    testing::PutSparseFile(big, std::uintmax_t{1} << 31);
    app.QueueFileAnswer(big.string());
    form.OpenCommand();
    EXPECT_EQ(system.Beeps(), 1);
    ASSERT_EQ(app.Errors().size(), 1u);
    EXPECT_EQ(Cp1251ToUtf8(app.Errors()[0]), testing::Utf8(u8"Файл открыть не получилось (возможно, он слишком велик)"));
    EXPECT_EQ(form.DocumentName(), big.string());
    EXPECT_EQ(window.Caption(), "big.gif - Quillmap");
    EXPECT_EQ(form.View().DocumentLength(), 0);
}

TEST_F(filecommands, ANameTheSystemGaveOnlyApproximatelyIsRefusedWithAMessage) {
    // "café.gif" arrives as "caf?.gif". This file system allows '?' in a name, so a file of that
    // name here stands for whatever such a name might otherwise reach.
    const std::string opened = (folder / "welcome2.gif").string();
    form.OpenDocument(opened);
    const fs::path lookalike = folder / "caf?.gif";
    fs::copy_file(folder / "welcome2.gif", lookalike);
    const std::string message = "Я не могу работать с \"" + lookalike.string() +
                                "\": в этом имени есть буквы, которых нет в кодировке Windows-1251 (вместо них "
                                "я вижу знаки \"?\"). Переименуйте, пожалуйста, файл или папку.";

    app.QueueFileAnswer(lookalike.string());
    form.OpenCommand();
    EXPECT_EQ(system.Beeps(), 1);
    ASSERT_EQ(app.Errors().size(), 1u);
    EXPECT_EQ(app.Errors()[0], message);
    EXPECT_EQ(form.DocumentName(), opened);

    // Saving under such a name writes nothing and keeps the document's own name.
    Change();
    const std::string before = testing::FileText(lookalike);
    app.QueueFileAnswer(lookalike.string());
    form.SaveAs();
    EXPECT_EQ(system.Beeps(), 2);
    ASSERT_EQ(app.Errors().size(), 2u);
    EXPECT_EQ(app.Errors()[1], message);
    EXPECT_EQ(testing::FileText(lookalike), before);
    EXPECT_EQ(form.DocumentName(), opened);
    EXPECT_TRUE(form.Modified());

    // Help lives in the program's folder: not in one that only looks like it.
    app.programfolder = "C:\\Caf?";
    form.Help();
    EXPECT_TRUE(app.ShellOpens().empty());
    ASSERT_EQ(app.Errors().size(), 3u);
    EXPECT_NE(app.Errors()[2].find("\"C:\\Caf?\""), std::string::npos);
}

TEST_F(filecommands, SaveAsWritesAByteIdenticalCopyAndTakesItsName) {
    form.OpenDocument((folder / "welcome2.gif").string());
    const fs::path copy = folder / "copy.gif";
    app.QueueFileAnswer(copy.string());
    form.SaveAs();
    ASSERT_TRUE(app.FileDialogs().back().save);
    EXPECT_EQ(testing::FileText(copy), testing::FileText(folder / "welcome2.gif"));
    EXPECT_EQ(window.Caption(), "copy.gif - Quillmap");
    EXPECT_EQ(form.DocumentName(), copy.string());

    // Saving again writes the edited bytes to the same file and clears the mark.
    Change();
    EXPECT_EQ(window.Caption(), "* copy.gif - Quillmap");
    form.Save();
    EXPECT_EQ(window.Caption(), "copy.gif - Quillmap");
    EXPECT_EQ(testing::FileText(copy)[6], '\x07');
}

TEST_F(filecommands, AChangedDocumentAsksBeforeItIsDropped) {
    form.OpenDocument((folder / "welcome2.gif").string());
    // "Отмена": nothing happens.
    Change();
    Answer(2);
    form.NewDocument();
    EXPECT_EQ(form.DocumentName(), (folder / "welcome2.gif").string());
    EXPECT_TRUE(form.Modified());
    // Esc is "Отмена" too.
    app.QueueModalAnswer([](platform::headlessdialogform& box) { box.PressKey(platform::EscapeKey); });
    form.NewDocument();
    EXPECT_TRUE(form.Modified());
    // "Нет": the changes are dropped, the file stays as it was.
    Answer(1);
    form.NewDocument();
    EXPECT_FALSE(form.Modified());
    EXPECT_EQ(form.DocumentName(), "");
    EXPECT_EQ(window.Caption(), "\xC1\xE5\xE7\xFB\xEC\xFF\xED\xED\xFB\xE9.gif - Quillmap");
    EXPECT_EQ(form.OpenTime(), -1);
    EXPECT_EQ(testing::FileText(folder / "welcome2.gif")[6], testing::FileText(testing::CorpusDir() / "welcome2.gif")[6]);

    // "Да": saved first, then dropped.
    form.OpenDocument((folder / "welcome2.gif").string());
    Change();
    Answer(0);
    form.NewDocument();
    EXPECT_EQ(testing::FileText(folder / "welcome2.gif")[6], '\x07');
    EXPECT_EQ(form.DocumentName(), "");
}

TEST_F(filecommands, AnUnsavedNewDocumentAsksForANameAndStaysWhenNoneIsGiven) {
    app.programfolder = folder.string();  // where the state file goes at the end
    Change();
    Answer(0);  // "Да", then the save dialog is cancelled
    form.Exit();
    EXPECT_FALSE(app.Terminated());
    EXPECT_TRUE(form.Modified());
    ASSERT_FALSE(app.FileDialogs().empty());
    EXPECT_TRUE(app.FileDialogs().back().save);

    // Closing the window asks the same question; "Нет" lets it go.
    Answer(1);
    window.Close();
    EXPECT_TRUE(app.Terminated());
}

TEST_F(filecommands, AFileThatCannotBeSavedLeavesTheDocumentChanged) {
    form.OpenDocument((folder / "welcome2.gif").string());
    Change();
    fs::remove_all(folder);  // the file's folder is gone: nowhere to write
    form.Save();
    EXPECT_TRUE(form.Modified());
    ASSERT_EQ(app.Errors().size(), 1u);
    EXPECT_EQ(app.Errors()[0],
              "\xCF\xEE \xE2\xF1\xE5\xE9 \xE2\xE8\xE4\xE8\xEC\xEE\xF1\xF2\xE8, \xF4\xE0\xE9\xEB \xE7\xE0\xF9\xE8\xF9"
              "\xB8\xED \xEE\xF2 \xE7\xE0\xEF\xE8\xF1\xE8. \xCD\xE5 \xEC\xEE\xE3\xF3 \xF1\xEE\xF5\xF0\xE0\xED\xE8\xF2"
              "\xFC \xE8\xE7\xEC\xE5\xED\xE5\xED\xE8\xFF.");
}

// The coordinates a printed sheet shows, joined digit by digit, one entry per row. At 254 dpi
// the coordinate column ends at 156 dots and the codes start at 168.
std::vector<std::string> PrintedRows(const std::vector<platform::drawop>& sheet) {
    std::map<int32_t, std::string> rows;
    for (const platform::drawop& op : sheet)
        if (op.what == platform::drawop::kind::text && op.points[0].x < 160 && op.text.size() == 1)
            rows[op.points[0].y] += op.text;
    std::vector<std::string> coordinates;
    for (const auto& [y, text] : rows)
        if (text.size() == 8) coordinates.push_back(text);
    return coordinates;
}

TEST_F(filecommands, PrintingPagesThreeToFourDrawsAndDiscardsTheFirstTwo) {
    form.OpenDocument((folder / "welcome2.gif").string());
    platform::headlessprinter& printer = app.Printer();
    // A small page: 600 x 300 pixels at 254 dots per inch, margins of 1 cm = 100 pixels but
    // none at the bottom; the page number takes one line of the font, 34 high at this resolution.
    printer.pagesize = {600, 300};
    printer.dotsperinch = {254, 254};
    printer.answer = platform::printrequest{true, 3, 4};
    form.Print();
    EXPECT_EQ(printer.origin, (platform::point{100, 100}));
    EXPECT_EQ(printer.clearedpages, 2);
    ASSERT_EQ(printer.sheets.size(), 2u);
    // 400 pixels of paper across hold no more than one column; the window's rows follow.
    EXPECT_EQ(Settings().ColumnCount, 1);
    EXPECT_EQ(form.View().Rows().Rows(0), 3);  // the signature, one code a row

    // The first five pages printed alone, for comparison: pages 3 and 4 are the third and
    // fourth of them.
    printer.sheets.clear();
    printer.clearedpages = 0;
    printer.answer = platform::printrequest{true, 1, 5};
    form.Print();
    ASSERT_EQ(printer.sheets.size(), 5u);
    EXPECT_EQ(printer.clearedpages, 0);
    const std::vector<std::string> third = PrintedRows(printer.sheets[2]);
    ASSERT_FALSE(third.empty());

    printer.sheets.clear();
    printer.answer = platform::printrequest{true, 3, 4};
    form.Print();
    EXPECT_EQ(PrintedRows(printer.sheets[0]), third);
    // The page number stands centred at the page's foot: "3" is 17 wide at (600 - 17) / 2 - 100.
    bool numbered = false;
    for (const platform::drawop& op : printer.sheets[0])
        numbered = numbered || (op.text == "3" && op.points[0] == platform::point{191, 300 - 34 - 100});
    EXPECT_TRUE(numbered);
}

TEST_F(filecommands, ACancelledPrintDialogPrintsNothing) {
    form.Print();
    EXPECT_TRUE(app.Printer().sheets.empty());
}

TEST_F(filecommands, SaveAsGivesANameWithoutExtensionTheGifOne) {
    form.OpenDocument((folder / "welcome2.gif").string());
    app.QueueFileAnswer((folder / "image").string());
    form.SaveAs();
    EXPECT_TRUE(fs::exists(folder / "image.gif"));
    EXPECT_EQ(window.Caption(), "image.gif - Quillmap");
    app.QueueFileAnswer((folder / "image.bin").string());
    form.SaveAs();
    EXPECT_TRUE(fs::exists(folder / "image.bin"));
    EXPECT_FALSE(fs::exists(folder / "image.bin.gif"));
}

TEST_F(filecommands, AReadOnlyFileIsSavedOnlyWhenTheUserAllowsIt) {
    const fs::path file = folder / "welcome2.gif";
    form.OpenDocument(file.string());
    Change();
    fs::permissions(file, fs::perms::owner_read);
    form.Save();
    EXPECT_TRUE(form.Modified());
    EXPECT_EQ(app.Errors().size(), 1u);
    Settings().TrySaveReadOnly = true;
    form.Save();
    EXPECT_FALSE(form.Modified());
    EXPECT_EQ(testing::FileText(file)[6], '\x07');
    // It stays read-only.
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::owner_write, fs::perms::none);
}

TEST_F(filecommands, AFileShownByAnotherCopyBringsThatCopyForward) {
    const std::string path = (folder / "welcome2.gif").string();
    app.otherwindows = {{"* welcome2.gif - Quillmap", FileIdentity(path)}};
    form.OpenDocument(path);
    EXPECT_EQ(app.broughtforward, std::optional<size_t>(0));
    EXPECT_EQ(form.DocumentName(), "");
    EXPECT_EQ(form.View().DocumentLength(), 0);

    // The same name in another folder is another file.
    fs::create_directories(folder / "other");
    fs::copy_file(folder / "welcome2.gif", folder / "other" / "welcome2.gif");
    app.broughtforward.reset();
    form.OpenDocument((folder / "other" / "welcome2.gif").string());
    EXPECT_FALSE(app.broughtforward);
    EXPECT_EQ(form.View().DocumentLength(), 36832);
    EXPECT_EQ(window.UserData(), FileIdentity((folder / "other" / "welcome2.gif").string()));
}

TEST_F(filecommands, TheStatusBarTellsCaretLinesModeAndOpenTime) {
    form.OpenDocument((folder / "welcome2.gif").string());
    const platform::headlessstatusbar& bar = *window.StatusBar();
    EXPECT_EQ(bar.Text(0), "1 : 1");
    EXPECT_EQ(bar.Text(1), "");
    EXPECT_EQ(bar.Text(2), LineCountPanelText(form.View().LineCount()));
    EXPECT_EQ(bar.Text(3), "\xC2\xF1\xF2\xE0\xE2\xEA\xE0");  // "Вставка"
    EXPECT_EQ(bar.Text(4), "0.000 \xF1\xE5\xEA.");           // "сек."
}

TEST_F(filecommands, DocumentInformationIsAMessageBesideTheWindow) {
    form.OpenDocument((folder / "welcome2.gif").string());
    window.KeyDown('I', platform::ssCtrl);
    mesokno* info = form.InfoWindow();
    ASSERT_NE(info, nullptr);
    // "У вас открыт документ "welcome2.gif"."
    const std::string opening =
        "\xD3 \xE2\xE0\xF1 \xEE\xF2\xEA\xF0\xFB\xF2 \xE4\xEE\xEA\xF3\xEC\xE5\xED\xF2 \"welcome2.gif\".\n";
    EXPECT_EQ(info->Text().substr(0, opening.size()), opening);
    EXPECT_EQ(info->ButtonCount(), 1u);
    // Esc closes it, and the main window lets it go once the key has been handled.
    auto& box = static_cast<platform::headlessdialogform&>(info->Form());
    box.PressKey(platform::EscapeKey);
    EXPECT_TRUE(box.Destroyed());
    app.RunPosted();
    EXPECT_EQ(form.InfoWindow(), nullptr);
    EXPECT_EQ(app.Dialogs().back(), nullptr);
}

TEST_F(filecommands, CtrlSOnANewDocumentAsksForAName) {
    window.KeyDown('N', platform::ssCtrl);
    window.KeyDown('S', platform::ssCtrl);
    ASSERT_EQ(app.FileDialogs().size(), 1u);
    EXPECT_TRUE(app.FileDialogs()[0].save);
}

TEST_F(filecommands, HelpAndThePluginPageGoThroughTheShell) {
    form.Help();
    form.DownloadPlugins();
    ASSERT_EQ(app.ShellOpens().size(), 2u);
    EXPECT_EQ(app.ShellOpens()[0], "quillmap.chm|C:\\Quillmap");  // from the program's folder
    EXPECT_EQ(app.ShellOpens()[1].substr(0, 8), "https://");
}

}  // namespace
}  // namespace quillmap
