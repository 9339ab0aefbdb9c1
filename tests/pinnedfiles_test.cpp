#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/appearance.h"
#include "app/dialogforms.h"
#include "app/pinnedchoices.h"
#include "app/statefile.h"
#include "app/tform1.h"
#include "base/bytefile.h"
#include "base/cp1251.h"
#include "base/settings.h"
#include "dialogs/tform6.h"
#include "platform/headless/headlessapplication.h"
#include "platform/headless/headlesssystem.h"
#include "support/corpus.h"
#include "support/menutext.h"
#include "support/scratchfolder.h"
#include "support/settingsguard.h"
#include "support/utf8.h"

namespace quillmap::testing {
namespace {

using platform::headlessdialogform;

std::vector<std::string> PathsOf(const std::vector<winposit>& pinned) {
    std::vector<std::string> paths;
    for (const winposit& look : pinned) paths.push_back(look.path);
    return paths;
}

std::vector<std::string> Listed(const headlessdialogform& form) {
    std::vector<std::string> paths;
    for (const auto& item : form.CheckLists().at(TForm6::List).items) paths.push_back(item.text);
    return paths;
}

std::vector<winposit> PinnedTo(const std::vector<std::string>& paths) {
    std::vector<winposit> pinned;
    for (const std::string& path : paths) PinAppearance(pinned, winposit{}, path);
    return pinned;
}

// f0.gif, f1.gif, ...: as many different paths as asked for.
std::vector<std::string> ManyPaths(size_t count) {
    std::vector<std::string> paths;
    for (size_t k = 0; k < count; ++k) paths.push_back("C:\\f" + std::to_string(k) + ".gif");
    return paths;
}

std::vector<std::string> Concat(std::vector<std::string> first, const std::vector<std::string>& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

TEST(PinnedChoices, PinTheNewCheckedOnesDropTheUncheckedAndStopWhenFull) {
    struct sample {
        const char* what;
        std::vector<std::string> pinned;
        std::vector<checkedtext> choices;
        std::vector<std::string> expected;
        std::vector<std::string> pins;  // the paths the window was asked to pin, in order
        bool complete;
    };
    const std::vector<std::string> full99 = ManyPaths(99);
    const sample samples[] = {
        {"new checked paths are pinned in list order, a pinned one is left as it is",
         {"A"}, {{"A", true}, {"C", true}, {"B", true}}, {"A", "C", "B"}, {"C", "B"}, true},
        {"an unchecked path loses every record of it, the later ones move up",
         {"A", "B", "A", "C"}, {{"A", false}, {"B", true}}, {"B", "C"}, {}, true},
        {"unchecking a path that has no record changes nothing",
         {"A"}, {{"Z", false}}, {"A"}, {}, true},
        {"paths differing in letter case are different files",
         {"C:\\A.gif"}, {{"c:\\a.gif", true}}, {"C:\\A.gif", "c:\\a.gif"}, {"c:\\a.gif"}, true},
        {"the 101st pin stops: the entries after it are not processed",
         full99, {{"X", true}, {"Y", true}, {"C:\\f0.gif", false}, {"Z", true}},
         Concat(full99, {"X"}), {"X", "Y"}, false},
        {"a removal before the pins makes room",
         full99, {{"C:\\f0.gif", false}, {"X", true}, {"Y", true}},
         Concat(std::vector<std::string>(full99.begin() + 1, full99.end()), {"X", "Y"}), {"X", "Y"}, true},
    };
    for (const sample& s : samples) {
        std::vector<winposit> pinned = PinnedTo(s.pinned);
        std::vector<std::string> pins;
        const bool complete = ApplyPinnedChoices(pinned, s.choices, [&](const std::string& path) {
            pins.push_back(path);
            return PinAppearance(pinned, winposit{}, path);
        });
        EXPECT_EQ(PathsOf(pinned), s.expected) << s.what;
        EXPECT_EQ(pins, s.pins) << s.what;
        EXPECT_EQ(complete, s.complete) << s.what;
    }
}

class PinnedFilesDialog : public ::testing::Test {
protected:
    PinnedFilesDialog() { system.MoveCursor({500, 100}); }

    // Shows the dialog, in which the user does what is given.
    std::optional<std::vector<checkedtext>> Run(pinnedfilesrequest request,
                                                 std::function<void(headlessdialogform&)> user) {
        app.QueueModalAnswer(std::move(user));
        return dialog.Execute(std::move(request));
    }

    settingsguard guard;
    platform::headlessapplication app;
    platform::headlesssystem system;
    TForm6 dialog{app, system};
};

TEST_F(PinnedFilesDialog, ListsThePinnedPathsCheckedAndAnswersTheListOnOk) {
    pinnedfilesrequest request;
    request.pinned = {"C:\\a.gif", "C:\\b.gif"};
    request.background = platform::Rgb(1, 2, 3);
    request.text = platform::Rgb(4, 5, 6);
    const auto answer = Run(request, [](headlessdialogform& form) {
        EXPECT_EQ(Cp1251ToUtf8(form.Caption()), Utf8(u8"Закреплённые файлы"));
        std::vector<std::string> captions;
        for (const auto& button : form.Buttons()) captions.push_back(Cp1251ToUtf8(button.caption));
        EXPECT_EQ(captions, (std::vector<std::string>{Utf8(u8"Добавить текущий"), Utf8(u8"Добавить другой"),
                                                      Utf8(u8"ОК"), Utf8(u8"Отмена")}));
        const auto& list = form.CheckLists().at(TForm6::List);
        ASSERT_EQ(list.items.size(), 2u);
        EXPECT_TRUE(list.items[0].checked && list.items[1].checked);
        EXPECT_EQ(list.background, platform::Rgb(1, 2, 3));
        EXPECT_EQ(list.text, platform::Rgb(4, 5, 6));
        // Without a document name there is nothing current to add.
        EXPECT_FALSE(form.ButtonEnabled(TForm6::AddCurrentButton));
        form.ToggleCheckListItem(TForm6::List, 0);
        form.ClickButton(TForm6::OkButton);
    });
    ASSERT_TRUE(answer.has_value());
    EXPECT_EQ(*answer, (std::vector<checkedtext>{{"C:\\a.gif", false}, {"C:\\b.gif", true}}));

    // Shown again, the list starts from the pinned paths once more, all checked.
    const auto again = Run(request, [](headlessdialogform& form) { form.ClickButton(TForm6::OkButton); });
    EXPECT_EQ(*again, (std::vector<checkedtext>{{"C:\\a.gif", true}, {"C:\\b.gif", true}}));
}

TEST_F(PinnedFilesDialog, AddsTheDocumentAndOtherFilesCheckedButNeverTwice) {
    pinnedfilesrequest request;
    request.pinned = {"C:\\a.gif"};
    request.documentname = "C:\\doc.gif";
    // The open dialog's answers, one per click on "Добавить другой"; none: the user gave up.
    std::vector<std::optional<std::string>> chosen{"C:\\a.gif", "C:\\e.gif", "C:\\doc.gif", std::nullopt,
                                                   "C:\\E.gif"};
    size_t asked = 0;
    request.chooseother = [&]() { return chosen.at(asked++); };
    const auto answer = Run(request, [&](headlessdialogform& form) {
        EXPECT_TRUE(form.ButtonEnabled(TForm6::AddCurrentButton));
        form.ClickButton(TForm6::AddCurrentButton);
        form.ClickButton(TForm6::AddCurrentButton);
        for (size_t k = 0; k < chosen.size(); ++k) form.ClickButton(TForm6::AddOtherButton);
        form.ToggleCheckListItem(TForm6::List, 0);
        form.ClickButton(TForm6::OkButton);
    });
    EXPECT_EQ(asked, chosen.size());
    ASSERT_TRUE(answer.has_value());
    EXPECT_EQ(*answer, (std::vector<checkedtext>{
                           {"C:\\a.gif", false}, {"C:\\doc.gif", true}, {"C:\\e.gif", true}, {"C:\\E.gif", true}}));
}

TEST_F(PinnedFilesDialog, CancelEscAndTheTitleBarAnswerNothing) {
    const std::pair<const char*, std::function<void(headlessdialogform&)>> ways[] = {
        {"Отмена", [](headlessdialogform& form) { form.ClickButton(TForm6::CancelButton); }},
        {"Esc", [](headlessdialogform& form) { form.PressKey(platform::EscapeKey); }},
        {"title bar", [](headlessdialogform& form) { form.CloseFromTitleBar(); }},
    };
    for (const auto& [what, user] : ways) {
        pinnedfilesrequest request;
        request.pinned = {"C:\\a.gif"};
        EXPECT_FALSE(Run(request, [&](headlessdialogform& form) {
                         form.ToggleCheckListItem(TForm6::List, 0);
                         user(form);
                     }).has_value())
            << what;
    }
}

TEST_F(PinnedFilesDialog, OpensBelowTheMouseOrAboveItNearTheBottomOfTheScreen) {
    system.SetScreenSize({1024, 768});
    const platform::extent window{PinnedFilesClient.width + platform::HeadlessDialogFrame.width,
                                  PinnedFilesClient.height + platform::HeadlessDialogFrame.height};
    for (const platform::point mouse : {platform::point{500, 100}, platform::point{500, 700}}) {
        system.MoveCursor(mouse);
        Run({}, [&](headlessdialogform& form) {
            const int32_t top = mouse.y + 1 + window.height > 768 ? mouse.y - window.height - 1 : mouse.y + 1;
            EXPECT_EQ(form.Position(), (platform::point{mouse.x - window.width / 2, top})) << mouse.y;
            form.ClickButton(TForm6::CancelButton);
        });
    }
}

// The dialog as the main window's menu opens it: data.dat in a scratch folder holds the pinned
// list before and after.
class PinnedFilesCommand : public ::testing::Test {
protected:
    PinnedFilesCommand() {
        app.programfolder = folder.path().string();
        form.SetPinnedFiles(dialogs.PinnedFiles());
    }
    void LoadPinned(const std::vector<std::string>& paths) {
        statedata state;
        state.pinned = PinnedTo(paths);
        bytefile file(folder / "data.dat", bytefile::openmode::writing);
        WriteState(file, state, DefaultSettings());
        file.Close();
        form.LoadState();
    }
    std::vector<winposit> SavedPinned() {
        form.SaveState();
        statedata state;
        settingvalues settings = DefaultSettings();
        bytefile file(folder / "data.dat", bytefile::openmode::reading);
        ReadState(file, state, settings);
        return state.pinned;
    }
    void OpenDialog(std::function<void(headlessdialogform&)> user) {
        app.QueueModalAnswer(std::move(user));
        ItemCalled(form.Menu().Extra(), Utf8(u8"Закрепить внешний вид за файлами...")).Click();
    }
    platform::headlesswindow& Window() { return *app.Windows().at(0); }

    settingsguard guard;
    scratchfolder folder;
    platform::headlessapplication app;
    platform::headlesssystem system;
    Tform1 form{app, system};
    dialogforms dialogs{app, system};
};

TEST_F(PinnedFilesCommand, AFileAddedFromTheOpenDialogGetsTheWindowAsItIsAtOk) {
    Window().SetBounds({10, 20, 610, 420});
    app.QueueFileAnswer("C:\\other.gif");
    OpenDialog([this](headlessdialogform& shown) {
        // The list looks like the drawing area.
        const auto& list = shown.CheckLists().at(TForm6::List);
        EXPECT_EQ(list.background, Tform1::PictureBackground);
        EXPECT_EQ(list.text, form.Picture().Canvas().Font().textcolour);
        shown.ClickButton(TForm6::AddOtherButton);
        EXPECT_EQ(Listed(shown), std::vector<std::string>{"C:\\other.gif"});
        // The window moves while the dialog is up: the pin records where it is at "ОК".
        Window().SetBounds({100, 150, 900, 750});
        shown.ClickButton(TForm6::OkButton);
    });
    const std::vector<winposit> pinned = SavedPinned();
    ASSERT_EQ(pinned.size(), 1u);
    EXPECT_EQ(pinned[0].path, "C:\\other.gif");
    EXPECT_EQ((platform::rect{pinned[0].left, pinned[0].top, pinned[0].left + pinned[0].width,
                              pinned[0].top + pinned[0].height}),
              (platform::rect{100, 150, 900, 750}));
    // The open dialog asked was the main one.
    ASSERT_FALSE(app.FileDialogs().empty());
    EXPECT_FALSE(app.FileDialogs().back().save);
}

TEST_F(PinnedFilesCommand, AnUncheckedFileLosesItsRecordsAndCancelKeepsThemAll) {
    LoadPinned({"C:\\a.gif", "C:\\b.gif", "C:\\a.gif"});
    OpenDialog([](headlessdialogform& form) {
        form.ToggleCheckListItem(TForm6::List, 0);
        form.ClickButton(TForm6::CancelButton);
    });
    EXPECT_EQ(PathsOf(SavedPinned()), (std::vector<std::string>{"C:\\a.gif", "C:\\b.gif", "C:\\a.gif"}));
    OpenDialog([](headlessdialogform& form) {
        EXPECT_EQ(Listed(form), (std::vector<std::string>{"C:\\a.gif", "C:\\b.gif", "C:\\a.gif"}));
        // Both entries of the path unchecked: one left checked would pin it again, in its turn.
        form.ToggleCheckListItem(TForm6::List, 0);
        form.ToggleCheckListItem(TForm6::List, 2);
        form.ClickButton(TForm6::OkButton);
    });
    EXPECT_EQ(PathsOf(SavedPinned()), std::vector<std::string>{"C:\\b.gif"});
    EXPECT_TRUE(app.Errors().empty());
}

TEST_F(PinnedFilesCommand, AFileUncheckedInTheDialogOpensWithTheDefaultAppearanceAgain) {
    const platform::rect defaultplace{10, 20, 610, 420};
    const platform::rect pinnedplace{200, 150, 900, 650};
    Window().SetBounds(defaultplace);
    form.chfls();
    const std::string path = (CorpusDir() / "welcome2.gif").string();
    form.OpenDocument(path);
    Window().SetBounds(pinnedplace);
    OpenDialog([](headlessdialogform& shown) {
        shown.ClickButton(TForm6::AddCurrentButton);
        shown.ClickButton(TForm6::OkButton);
    });
    Window().SetBounds({0, 0, 300, 300});
    form.OpenDocument(path);
    EXPECT_EQ(Window().Bounds(), pinnedplace);

    OpenDialog([](headlessdialogform& shown) {
        shown.ToggleCheckListItem(TForm6::List, 0);
        shown.ClickButton(TForm6::OkButton);
    });
    form.OpenDocument(path);
    EXPECT_EQ(Window().Bounds(), defaultplace);
}

TEST_F(PinnedFilesCommand, TheHundredAndFirstPinStopsWithTheMessage) {
    LoadPinned(ManyPaths(99));
    for (const char* other : {"C:\\x.gif", "C:\\y.gif"}) app.QueueFileAnswer(other);
    OpenDialog([](headlessdialogform& form) {
        form.ClickButton(TForm6::AddOtherButton);
        form.ClickButton(TForm6::AddOtherButton);
        form.ClickButton(TForm6::OkButton);
    });
    EXPECT_EQ(PathsOf(SavedPinned()), Concat(ManyPaths(99), {"C:\\x.gif"}));
    ASSERT_EQ(app.Errors().size(), 1u);
    EXPECT_EQ(Cp1251ToUtf8(app.Errors()[0]),
              Utf8(u8"Я могу закрепить внешний вид максимум только за 100 файлами. Больше у меня не получается. Извимните."));
}

TEST_F(PinnedFilesCommand, TheCurrentDocumentIsOfferedOnlyWithANameAndListedOnce) {
    OpenDialog([](headlessdialogform& form) {
        EXPECT_FALSE(form.ButtonEnabled(TForm6::AddCurrentButton));
        form.ClickButton(TForm6::AddCurrentButton);
        EXPECT_TRUE(Listed(form).empty());
        form.ClickButton(TForm6::OkButton);
    });
    EXPECT_TRUE(SavedPinned().empty());
    const std::string path = (CorpusDir() / "welcome2.gif").string();
    form.OpenDocument(path);
    OpenDialog([](headlessdialogform& form) {
        EXPECT_TRUE(form.ButtonEnabled(TForm6::AddCurrentButton));
        form.ClickButton(TForm6::AddCurrentButton);
        form.ClickButton(TForm6::AddCurrentButton);
        form.ClickButton(TForm6::OkButton);
    });
    EXPECT_EQ(PathsOf(SavedPinned()), std::vector<std::string>{path});
    OpenDialog([&](headlessdialogform& form) {
        form.ClickButton(TForm6::AddCurrentButton);
        EXPECT_EQ(Listed(form), std::vector<std::string>{path});
        form.ClickButton(TForm6::OkButton);
    });
    EXPECT_EQ(PathsOf(SavedPinned()), std::vector<std::string>{path});
}

}  // namespace
}  // namespace quillmap::testing
