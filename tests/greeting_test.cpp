#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "app/association.h"
#include "app/dialogforms.h"
#include "app/statefile.h"
#include "app/tform1.h"
#include "base/bytefile.h"
#include "base/cp1251.h"
#include "base/extensionnames.h"
#include "platform/headless/headlessapplication.h"
#include "platform/headless/headlesssystem.h"
#include "support/menutext.h"
#include "support/scratchfolder.h"
#include "support/settingsguard.h"
#include "support/utf8.h"

namespace quillmap::testing {
namespace {

using platform::headlessdialogform;
using strings = std::vector<std::string>;

constexpr char PlainFilter[] = "Картинки gif|*.gif|Все файлы|*.*";

// The main window and its dialogs as start-up makes them, with the program in a scratch folder.
class FileTypes : public ::testing::Test {
protected:
    FileTypes() {
        app.programfolder = folder.path().string();
        system.SetScreenSize({1024, 768});
        form.SetAssociationDialogs(dialogs.Greeting(), dialogs.Extensions());
    }
    void User(std::function<void(headlessdialogform&)> answer) { app.QueueModalAnswer(std::move(answer)); }
    platform::headlessregistry& Registry() { return system.Registry(); }
    // The filters the open dialog offers now.
    std::string OpenFilter() {
        app.QueueFileAnswer("");
        form.OpenCommand();
        return app.FileDialogs().back().filter;
    }
    void ExtensionsDialog(std::function<void(headlessdialogform&)> answer) {
        User(std::move(answer));
        ItemCalled(form.Menu().Extra(), Utf8(u8"Закрепить за расширениями...")).Click();
    }
    strings Rows(const headlessdialogform& box) {
        strings rows;
        for (const auto& item : box.CheckLists().at(TForm5::List).items)
            rows.push_back(item.text + (item.checked ? "+" : "-"));
        return rows;
    }
    // The input box of "Добавить..." answered with a text.
    void Add(headlessdialogform& box, const std::string& typed) {
        User([typed](headlessdialogform& input) {
            input.TypeInEdit(0, typed);
            input.ClickButton(0);
        });
        box.ClickButton(TForm5::AddButton);
    }

    settingsguard guard;
    scratchfolder folder;
    platform::headlessapplication app;
    platform::headlesssystem system;
    Tform1 form{app, system};
    dialogforms dialogs{app, system};
};

TEST_F(FileTypes, TheFirstStartGreetsAndBindsTheExtensionsTypedThere) {
    User([](headlessdialogform& box) {
        EXPECT_EQ(box.Caption(), "Здравствуйте!");
        ASSERT_EQ(box.Buttons().size(), 2u);
        EXPECT_EQ(box.Buttons()[0].caption, "ОК");
        EXPECT_EQ(box.Buttons()[1].caption, "Это мне не нужно");
        EXPECT_EQ(box.EditText(TForm4::Extensions), "*.gif");
        // Centred on the screen.
        const platform::extent size = box.WindowSize();
        EXPECT_EQ(box.Position(), (platform::point{(1024 - size.width) / 2, (768 - size.height) / 2}));
        // The label: four lines in navy Times New Roman, above the box.
        box.Paint();
        strings lines;
        for (const platform::drawop& op : box.Surface().Operations()) {
            if (op.what != platform::drawop::kind::text) continue;
            lines.push_back(op.text);
            EXPECT_EQ(op.font.face, "Times New Roman");
            EXPECT_EQ(op.font.height, -16);
            EXPECT_EQ(op.font.textcolour, platform::Rgb(0, 0, 128));
            EXPECT_LT(op.points[0].y, box.Edits()[0].bounds.top);
        }
        EXPECT_EQ(lines, (strings{"   Вас приветствует программа Quillmap. Я загру-",
                                  "жаюсь в первый раз на вашем комьютере. Введите,",
                                  "пожалуйста через запятую те расширения, которые",
                                  "вы хотите, чтобы я открывал."}));
        box.SetEditText(TForm4::Extensions, "*.gif, *.png;*.exe");
        box.TypeInEdit(TForm4::Extensions, "\r");
    });
    form.LoadState();
    EXPECT_EQ(form.Extensions(), (strings{".gif", ".png"}));
    EXPECT_TRUE(IsAssociated(Registry(), ".gif"));
    EXPECT_TRUE(IsAssociated(Registry(), ".png"));
    EXPECT_EQ(Registry().ReadValue("applications\\quillmap.exe\\shell\\open\\command", ""),
              OpenCommand(app.ExecutablePath()));
    EXPECT_EQ(app.Errors(), strings{SystemExtensionStart + std::string(".exe") + SystemExtensionEnd});
    form.BuildFileFilters();
    EXPECT_EQ(OpenFilter(), "Картинки gif|*.gif|Поддерживаемые файлы|*.gif;*.png|Все файлы|*.*");

    // The next start reads the list, and greets no more; an extension another program took
    // meanwhile leaves it.
    form.SaveState();
    Registry().WriteValue(".png", "", "pngfile");
    platform::headlessapplication again;
    again.programfolder = app.programfolder;
    Tform1 next(again, system);
    dialogforms nextdialogs(again, system);
    next.SetAssociationDialogs(nextdialogs.Greeting(), nextdialogs.Extensions());
    next.LoadState();
    EXPECT_EQ(next.Extensions(), strings{".gif"});
}

TEST_F(FileTypes, DecliningTheGreetingStillRegistersTheProgramButBindsNothing) {
    const std::vector<std::function<void(headlessdialogform&)>> declines{
        [](headlessdialogform& box) { box.ClickButton(TForm4::DeclineButton); },
        [](headlessdialogform& box) { box.TypeInEdit(TForm4::Extensions, "\x1B"); },
        [](headlessdialogform& box) { box.CloseFromTitleBar(); },
    };
    for (const auto& decline : declines) {
        platform::headlesssystem fresh;
        platform::headlessapplication otherapp;
        otherapp.programfolder = app.programfolder;
        Tform1 other(otherapp, fresh);
        dialogforms otherdialogs(otherapp, fresh);
        other.SetAssociationDialogs(otherdialogs.Greeting(), otherdialogs.Extensions());
        otherapp.QueueModalAnswer(decline);
        other.LoadState();
        EXPECT_TRUE(other.Extensions().empty());
        EXPECT_TRUE(fresh.Registry().KeyExists("applications\\quillmap.exe\\shell\\open\\command"));
        EXPECT_FALSE(fresh.Registry().KeyExists(".gif"));
        EXPECT_FALSE(fresh.Registry().KeyExists("tarnixfile"));
    }
}

TEST_F(FileTypes, AStateFileThatCannotBeReadGreetsNobody) {
    // A folder in the file's place: there, but nothing can be read from it.
    std::filesystem::create_directory(folder / "data.dat");
    form.LoadState();
    EXPECT_TRUE(Registry().Keys().empty());
}

TEST_F(FileTypes, TheExtensionsDialogListsEditsAndAppliesTheList) {
    system.MoveCursor({500, 100});
    Registry().WriteValue(".gif", "", "giffile");
    User([](headlessdialogform& box) {
        box.SetEditText(TForm4::Extensions, "*.gif, *.png, *.bmp");
        box.ClickButton(TForm4::OkButton);
    });
    form.LoadState();
    // Another program took .bmp meanwhile: it shows unchecked.
    Registry().WriteValue(".bmp", "", "paint");
    ExtensionsDialog([&](headlessdialogform& box) {
        EXPECT_EQ(box.Caption(), "Расширения");
        strings captions;
        for (const auto& button : box.Buttons()) captions.push_back(button.caption);
        EXPECT_EQ(captions, (strings{"Добавить...", "ОК", "Отмена"}));
        EXPECT_EQ(Rows(box), (strings{".gif+", ".png+", ".bmp-"}));
        EXPECT_EQ(box.CheckLists()[0].background, form.Background());
        // Beside the mouse: centred across it, just below it.
        EXPECT_EQ(box.Position(), (platform::point{500 - box.WindowSize().width / 2, 101}));
        Add(box, "*.JPG ");
        Add(box, ".PNG");
        Add(box, "*.exe");
        Add(box, "a b");
        Add(box, "  ");
        EXPECT_EQ(app.Messages(), (strings{"Это расширение очень важно для системы. И если я закреплюсь за ним, то "
                                           "это может привести к её краху. Так что я рисковать не буду.",
                                           UnreadableExtensionsMessage}));
        box.ToggleCheckListItem(TForm5::List, 0);
        box.ToggleCheckListItem(TForm5::List, 2);
        EXPECT_EQ(Rows(box), (strings{".gif-", ".png+", ".bmp+", ".JPG+"}));
        box.ClickButton(TForm5::OkButton);
    });
    EXPECT_EQ(form.Extensions(), (strings{".png", ".bmp", ".JPG"}));
    EXPECT_EQ(Registry().ReadValue(".gif", ""), "giffile");
    EXPECT_FALSE(Registry().ReadValue(".gif", "prevvalue"));
    EXPECT_EQ(Registry().ReadValue(".bmp", "prevvalue"), "paint");
    EXPECT_TRUE(IsAssociated(Registry(), ".jpg"));
    EXPECT_EQ(OpenFilter(), "Картинки gif|*.gif|Поддерживаемые файлы|*.png;*.bmp;*.JPG|Все файлы|*.*");

    // Cancelled, nothing changes; with every row unchecked the filter is the plain one again.
    ExtensionsDialog([](headlessdialogform& box) {
        box.ToggleCheckListItem(TForm5::List, 0);
        box.PressKey(platform::EscapeKey);
    });
    EXPECT_EQ(form.Extensions(), (strings{".png", ".bmp", ".JPG"}));
    ExtensionsDialog([](headlessdialogform& box) {
        for (size_t k = 0; k < 3; ++k) box.ToggleCheckListItem(TForm5::List, k);
        box.ClickButton(TForm5::OkButton);
    });
    EXPECT_TRUE(form.Extensions().empty());
    EXPECT_EQ(Registry().ReadValue(".bmp", ""), "paint");
    EXPECT_FALSE(Registry().KeyExists(".png"));
    EXPECT_EQ(OpenFilter(), PlainFilter);
    EXPECT_TRUE(app.Errors().empty());
}

TEST_F(FileTypes, ARegistryThatRefusesIsToldOnceForEveryExtensionTheDialogBinds) {
    User([](headlessdialogform& box) { box.ClickButton(TForm4::DeclineButton); });
    form.LoadState();
    Registry().lockedkeys.insert("tarnixfile");
    ExtensionsDialog([&](headlessdialogform& box) {
        Add(box, "gif");
        Add(box, "png");
        box.ClickButton(TForm5::OkButton);
    });
    EXPECT_EQ(app.Errors(), (strings{RegistryFailedMessage, RegistryFailedMessage}));
    EXPECT_FALSE(Registry().KeyExists(".gif"));
    EXPECT_FALSE(Registry().KeyExists(".png"));
}

}  // namespace
}  // namespace quillmap::testing
