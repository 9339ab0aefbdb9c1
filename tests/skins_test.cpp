#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "app/statefile.h"
#include "app/tform1.h"
#include "base/bytefile.h"
#include "platform/headless/headlessapplication.h"
#include "platform/headless/headlesssystem.h"
#include "support/menutext.h"
#include "support/scratchfolder.h"
#include "support/settingsguard.h"
#include "support/utf8.h"

namespace quillmap::testing {
namespace {

using platform::drawop;
using platform::headlesscanvas;
using platform::headlesslibraryfile;

// What the test skins were asked, in order, and whether drawing faults.
std::vector<std::string> calls;
bool drawfaults = false;
constexpr platform::colour SkinColour = 0x123456;

void QM_CALL TestCrskin(qm_cell width, qm_cell height) {
    calls.push_back("crskin " + std::to_string(width) + "x" + std::to_string(height));
}
void QM_CALL TestChskin(qm_cell, qm_cell) { calls.push_back("chskin"); }
void QM_CALL TestDeletskin() { calls.push_back("deletskin"); }
void QM_CALL TestDrskin(void* dc, qm_cell width, qm_cell height) {
    calls.push_back("drskin");
    if (drawfaults) throw std::runtime_error("fault");
    auto& canvas = *static_cast<headlesscanvas*>(dc);
    canvas.SetBrush(SkinColour);
    canvas.FillRect({0, 0, width, height});
}
void QM_CALL TestNastroj() { calls.push_back("nastroj"); }

headlesslibraryfile Skin(const std::string& signature, const std::string& caption, bool withchskin = true) {
    headlesslibraryfile file;
    file.strings = {{1, signature}, {2, caption}};
    file.entries = {{"crskin", reinterpret_cast<void*>(&TestCrskin)},
                    {"deletskin", reinterpret_cast<void*>(&TestDeletskin)},
                    {"drskin", reinterpret_cast<void*>(&TestDrskin)},
                    {"nastroj", reinterpret_cast<void*>(&TestNastroj)}};
    if (withchskin) file.entries["chskin"] = reinterpret_cast<void*>(&TestChskin);
    return file;
}

class Skins : public ::testing::Test {
protected:
    Skins() {
        calls.clear();
        drawfaults = false;
        app.programfolder = folder.path().string();
        const std::string skins = app.programfolder + "\\skins\\";
        app.libraryfiles[skins + "blue.dll"] = Skin("skindll", "Синий");
        app.libraryfiles[skins + "lame.dll"] = Skin("skindll", "Без chskin", false);
        app.libraryfiles[skins + "plugin.dll"] = Skin("plugindll", "Плагин");
        app.libraryfiles[skins + "nostrings.dll"] = headlesslibraryfile{};
        headlesslibraryfile damaged = Skin("skindll", "Повреждённый");
        damaged.loads = false;
        app.libraryfiles[skins + "damaged.dll"] = damaged;
        app.libraryfiles[skins + "deeper\\inner.dll"] = Skin("skindll", "Вложенный");
        app.libraryfiles[app.programfolder + "\\plugins\\elsewhere.dll"] = Skin("skindll", "Не там");
        form.ScanSkins();
    }
    platform::menu& SkinMenu() { return form.Menu().Skins(); }
    void Choose(const char8_t* caption) { ItemCalled(SkinMenu(), Utf8(caption)).Click(); }
    std::string Checked() {
        for (size_t i = 0; i < SkinMenu().Count(); ++i)
            if (SkinMenu().Item(i).Checked()) return SkinMenu().Item(i).Caption();
        return {};
    }
    // The first drawing of a fresh render: the background.
    drawop Background() {
        headlesscanvas& canvas = static_cast<headlesscanvas&>(form.Picture().Canvas());
        canvas.ClearOperations();
        form.RenderView();
        return canvas.Operations().at(0);
    }

    settingsguard guard;
    scratchfolder folder;
    platform::headlessapplication app;
    platform::headlesssystem system;
    Tform1 form{app, system};
};

TEST_F(Skins, TheScanListsTheSkinsOfItsFolderAndLetsEveryLibraryGo) {
    EXPECT_EQ(MenuLines(SkinMenu()), (std::vector<std::string>{Utf8(u8"Без шкурок\t"), Utf8(u8"Синий\t"), Utf8(u8"Без chskin\t")}));
    EXPECT_EQ(Checked(), "Без шкурок");
    EXPECT_EQ(app.LiveLibraries(), 0);
    EXPECT_TRUE(calls.empty());
    // Loaded by full path from the program's folder, whatever the current folder is.
    for (const std::string& loaded : app.libraryloads) EXPECT_EQ(loaded.rfind(app.programfolder + "\\skins\\", 0), 0u);
    EXPECT_EQ(form.Skins().Items()[1].path, "skins\\blue.dll");
}

TEST_F(Skins, AChosenSkinIsCreatedOnceAndPaintsUnderTheCodes) {
    Choose(u8"Синий");
    const platform::extent size = form.Picture().Size();
    EXPECT_EQ(calls, (std::vector<std::string>{"crskin " + std::to_string(size.width) + "x" + std::to_string(size.height),
                                               "drskin"}));
    EXPECT_EQ(app.LiveLibraries(), 1);
    const drawop first = Background();
    EXPECT_EQ(first.what, drawop::kind::fillrect);
    EXPECT_EQ(first.brush, SkinColour);
    // Choosing the checked skin again does nothing at all.
    calls.clear();
    Choose(u8"Синий");
    EXPECT_TRUE(calls.empty());
    // Another choice lets the skin go first.
    Choose(u8"Без шкурок");
    EXPECT_EQ(calls.front(), "deletskin");
    EXPECT_EQ(app.LiveLibraries(), 0);
    EXPECT_EQ(Background().brush, Tform1::PictureBackground);
}

TEST_F(Skins, ASkinLackingAnEntryPointIsListedButGivesThePlainBackground) {
    Choose(u8"Без chskin");
    EXPECT_EQ(Checked(), "Без chskin");
    EXPECT_TRUE(calls.empty()) << "its crskin must not be called";
    EXPECT_EQ(app.LiveLibraries(), 0);
    EXPECT_EQ(Background().brush, Tform1::PictureBackground);
}

TEST_F(Skins, ASkinThatFaultsGivesWayToThePlainBackground) {
    Choose(u8"Синий");
    drawfaults = true;
    const drawop first = Background();
    EXPECT_EQ(first.what, drawop::kind::fillrect);
    EXPECT_EQ(first.brush, Tform1::PictureBackground);
    EXPECT_EQ(Checked(), "Без шкурок");
    EXPECT_EQ(app.LiveLibraries(), 0);
}

TEST_F(Skins, SettingsAreTheSkinsOwnOrTheBackgroundColourDialog) {
    app.colouranswer = 0xEEFFEE;
    static_cast<headlesscanvas&>(form.Picture().Canvas()).ClearOperations();
    ItemCalled(form.Menu().Format(), Utf8(u8"Настройка шкурки...")).Click();
    ASSERT_EQ(app.customcolours.size(), 1u);
    EXPECT_EQ(app.customcolours[0], std::vector<platform::colour>(SkinCustomColours.begin(), SkinCustomColours.end()));
    // The new colour shows at once.
    const auto& operations = static_cast<headlesscanvas&>(form.Picture().Canvas()).Operations();
    ASSERT_FALSE(operations.empty());
    EXPECT_EQ(operations.front().brush, 0xEEFFEEu);
    Choose(u8"Синий");
    calls.clear();
    ItemCalled(form.Menu().Format(), Utf8(u8"Настройка шкурки...")).Click();
    EXPECT_EQ(calls, (std::vector<std::string>{"nastroj", "drskin"}));
    EXPECT_EQ(app.customcolours.size(), 1u);
}

TEST_F(Skins, TheDefaultSkinOrColourComesBackAfterARestartAndAMissingOneLeavesNone) {
    Choose(u8"Синий");
    form.chfls();
    form.SaveState();
    {
        platform::headlessapplication again;
        again.programfolder = app.programfolder;
        again.libraryfiles = app.libraryfiles;
        Tform1 next(again, system);
        next.ScanSkins();
        next.LoadState();
        next.RestoreDefaultSkin();
        EXPECT_EQ(next.Skins().CheckedPath(), "skins\\blue.dll");
        // The skin's library is gone: no skin, the plain colour.
        again.libraryfiles.erase(app.programfolder + "\\skins\\blue.dll");
        Tform1 without(again, system);
        without.ScanSkins();
        without.LoadState();
        without.RestoreDefaultSkin();
        EXPECT_EQ(without.Skins().CheckedPath(), "");
    }
    // Without a skin the colour is what is remembered, and applied as data.dat is read.
    Choose(u8"Без шкурок");
    form.Skins().SetBackground(0xEEEEFF);
    form.chfls();
    form.SaveState();
    platform::headlessapplication again;
    again.programfolder = app.programfolder;
    Tform1 next(again, system);
    next.LoadState();
    EXPECT_EQ(next.Background(), 0xEEEEFFu);
}

}  // namespace
}  // namespace quillmap::testing
