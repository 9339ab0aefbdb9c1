#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "platform/headless/headlesscanvas.h"
#include "support/inputwindow.h"
#include "support/menutext.h"
#include "support/utf8.h"

namespace quillmap {
namespace {

using namespace platform;
using testing::inputwindow;
using testing::ItemCalled;
using testing::Utf8;

// Selects the bytes from..to-1 with the keys, two digits to a byte.
void SelectBytes(inputwindow& w, int from, int to) {
    w.window.Type(vkHome, 0, ssCtrl);
    for (int i = 0; i < 2 * from; ++i) w.window.Type(vkRight);
    for (int i = 0; i < 2 * (to - from); ++i) w.window.Type(vkRight, 0, ssShift);
}

TEST(WindowCommands, CopyThenPasteGivesEveryByteBackZerosIncluded) {
    std::mt19937 random(20261209);
    for (int round = 0; round < 25; ++round) {
        // Zeros are frequent, as in a GIF, and may come first.
        std::string bytes(1 + random() % 40, '\0');
        for (char& byte : bytes) byte = random() % 3 == 0 ? '\0' : static_cast<char>(random() % 256);
        SCOPED_TRACE(round);
        inputwindow w(bytes);
        w.window.Type('A', 0, ssCtrl);
        w.window.Type('C', 0, ssCtrl);
        // Other programs see text, which ends at the first zero.
        EXPECT_EQ(w.system.Clipboard().Text(), bytes.substr(0, bytes.find('\0')));
        w.window.Type(vkEnd, 0, ssCtrl);
        w.window.Type('V', 0, ssCtrl);
        EXPECT_EQ(w.Bytes(), bytes + bytes);
        EXPECT_TRUE(w.form.Modified());
    }
}

TEST(WindowCommands, CutAndPasteByEveryKeyAndPasteOverASelectionIsOneStep) {
    inputwindow w(std::string("\x01\x02\x03\x04", 4));
    SelectBytes(w, 1, 3);
    w.window.Type(vkDelete, 0, ssShift);
    EXPECT_EQ(w.Bytes(), std::string("\x01\x04", 2));
    EXPECT_EQ(w.system.Clipboard().Get(), std::string("\x02\x03", 2));
    EXPECT_TRUE(w.form.Modified());
    w.window.Type('Z', 0, ssCtrl);
    EXPECT_EQ(w.Bytes(), std::string("\x01\x02\x03\x04", 4));

    // Text another program put there replaces the selection; one undo brings both back.
    w.system.Clipboard().PutForeignText("AB");
    SelectBytes(w, 0, 1);
    w.window.Type(vkInsert, 0, ssShift);
    EXPECT_EQ(w.Bytes(), std::string("AB\x02\x03\x04", 5));
    EXPECT_TRUE(w.form.Menu().Undo().Enabled());
    w.window.Type('Z', 0, ssCtrl);
    EXPECT_EQ(w.Bytes(), std::string("\x01\x02\x03\x04", 4));
    EXPECT_TRUE(w.form.Menu().Redo().Enabled());

    SelectBytes(w, 3, 4);
    w.window.Type(vkInsert, 0, ssCtrl);
    EXPECT_EQ(w.system.Clipboard().Get(), "\x04");
    w.window.Type('X', 0, ssCtrl);
    EXPECT_EQ(w.Bytes(), std::string("\x01\x02\x03", 3));

    // Ctrl+Delete cuts only when the user asked for it; otherwise it deletes.
    SelectBytes(w, 0, 1);
    Settings().CutOnCtrlDel = true;
    w.window.Type(vkDelete, 0, ssCtrl);
    EXPECT_EQ(w.Bytes(), std::string("\x02\x03", 2));
    EXPECT_EQ(w.system.Clipboard().Get(), "\x01");
    SelectBytes(w, 0, 1);
    Settings().CutOnCtrlDel = false;
    w.window.Type(vkDelete, 0, ssCtrl);
    EXPECT_EQ(w.Bytes(), "\x03");
    EXPECT_EQ(w.system.Clipboard().Get(), "\x01");
}

TEST(WindowCommands, AClipboardThatCannotBeTakenLosesNothing) {
    inputwindow w(std::string("\x01\x02\x03", 3));
    w.system.Clipboard().PutForeignText("kept");
    w.system.Clipboard().busy = true;
    SelectBytes(w, 0, 2);
    w.window.Type('C', 0, ssCtrl);
    w.window.Type('X', 0, ssCtrl);
    w.window.Type('V', 0, ssCtrl);
    EXPECT_EQ(w.system.Beeps(), 3);
    EXPECT_EQ(w.Bytes(), std::string("\x01\x02\x03", 3));
    EXPECT_FALSE(w.form.Modified());
    w.system.Clipboard().busy = false;
    EXPECT_EQ(w.system.Clipboard().Get(), "kept");
    // Nothing selected: copy and cut leave the clipboard alone, and an empty one pastes nothing.
    w.window.Type(vkHome, 0, ssCtrl);
    w.window.Type('X', 0, ssCtrl);
    EXPECT_EQ(w.system.Clipboard().Get(), "kept");
    w.system.Clipboard().PutForeignText("");
    w.window.Type('V', 0, ssCtrl);
    EXPECT_EQ(w.Bytes(), std::string("\x01\x02\x03", 3));
    EXPECT_FALSE(w.form.Modified());
}

TEST(WindowCommands, F2TakesEverythingExtraAwayAfterAWarningAndF2GivesItBack) {
    inputwindow w("\x01");
    std::vector<std::string> shown;
    std::string drawn;
    // "Не показывать в будущем".
    w.app.QueueModalAnswer([&](headlessdialogform& box) {
        shown.push_back(box.Caption());
        for (const auto& button : box.Buttons()) shown.push_back(button.caption);
        box.Paint();
        for (const drawop& op : box.Surface().Operations())
            if (op.what == drawop::kind::text) drawn += op.text + "|";
        box.ClickButton(1);
    });
    w.window.Type(vkF2);
    EXPECT_EQ(shown, (std::vector<std::string>{"ПРЕДУПРЕЖДЕНИЕ", "Продолжить", "Не показывать в будущем"}));
    // The way back names the mode's key.
    EXPECT_NE(drawn.find("клавиши F2;"), std::string::npos) << drawn;
    EXPECT_FALSE(Settings().NoExtrasWarningShown);
    EXPECT_TRUE(w.form.Menu().AllRemoved().Checked());
    EXPECT_FALSE(w.window.TitleBarShown());
    EXPECT_EQ(w.window.MenuBar(), nullptr);
    EXPECT_FALSE(w.window.StatusBar()->Visible());
    EXPECT_GT(w.window.Focused(), 0);
    // The corner between the bars sizes the window now.
    const extent picture = w.form.Picture().Size();
    EXPECT_EQ(w.window.SizeGrip(), (rect{picture.width, picture.height, picture.width + Tform1::ScrollBarSize,
                                         picture.height + Tform1::ScrollBarSize}));
    // With SaveOnF2 off, F12 is nothing.
    w.window.Type(vkF12);
    EXPECT_TRUE(w.form.Menu().AllRemoved().Checked());

    w.window.Type(vkF2);
    EXPECT_EQ(shown.size(), 3u);
    EXPECT_TRUE(w.window.TitleBarShown());
    EXPECT_EQ(w.window.MenuBar(), &w.form.Menu().Bar());
    EXPECT_TRUE(w.window.StatusBar()->Visible());
    EXPECT_EQ(w.window.SizeGrip(), rect{});

    // A status bar the user hid stays hidden when the mode ends; the context menu switches too.
    w.form.ToggleStatusBar();
    w.form.Popup().AllRemoved().Click();
    w.form.Popup().AllRemoved().Click();
    EXPECT_FALSE(w.window.StatusBar()->Visible());
    EXPECT_TRUE(w.window.TitleBarShown());
}

TEST(WindowCommands, WithSaveOnF2F2SavesAndF12SwitchesTheMode) {
    inputwindow w("\x01");
    Settings().SaveOnF2 = true;
    w.window.Type('7', '7');
    ASSERT_TRUE(w.form.Modified());
    w.window.Type(vkF2);
    EXPECT_FALSE(w.form.Modified());
    std::ifstream saved(w.folder / "codes.bin", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(saved), {}), w.Bytes());
    EXPECT_FALSE(w.form.Menu().AllRemoved().Checked());
    // "Продолжить": the warning comes again next time.
    w.app.QueueModalAnswer([](headlessdialogform& box) { box.ClickButton(0); });
    w.window.Type(vkF12);
    EXPECT_TRUE(w.form.Menu().AllRemoved().Checked());
    EXPECT_TRUE(Settings().NoExtrasWarningShown);
}

TEST(WindowCommands, OnTopLeavesTheBandForEveryDialogAndComesBack) {
    inputwindow w("\x01");
    w.window.Type(vkF4, 0, ssShift);
    EXPECT_FALSE(w.window.Topmost());
    w.window.Type(vkF4);
    EXPECT_TRUE(w.form.Menu().OnTop().Checked());
    EXPECT_TRUE(w.window.Topmost());
    EXPECT_TRUE(w.window.AcceptsDrops());

    w.window.Type('7', '7');
    std::vector<bool> topmostduringdialog;
    w.app.QueueModalAnswer([&](headlessdialogform& box) {
        topmostduringdialog.push_back(w.window.Topmost());
        box.ClickButton(2);
    });
    w.window.Type('N', 0, ssCtrl);
    EXPECT_EQ(topmostduringdialog, std::vector<bool>{false});
    EXPECT_TRUE(w.window.Topmost());
    // The document information, which waits for nobody, stays on top with the window.
    w.form.DocumentInfo(true);
    ASSERT_NE(w.form.InfoWindow(), nullptr);
    EXPECT_TRUE(static_cast<headlessdialogform&>(w.form.InfoWindow()->Form()).OnTop());
    w.form.Menu().OnTop().Click();
    EXPECT_FALSE(w.window.Topmost());
}

TEST(WindowCommands, OwnedWindowsOnTopLeaveTheBandWhileTheProgramIsInTheBackground) {
    inputwindow w("\x01");
    w.window.Activate(true);
    w.window.ownedtopmost = {7, 9};
    w.window.Activate(false);
    EXPECT_TRUE(w.window.ownedtopmost.empty());
    w.window.Activate(true);
    EXPECT_EQ(w.window.ownedtopmost, (std::vector<uintptr_t>{7, 9}));
    // A window that is itself on top keeps its own windows above others too.
    w.form.ToggleOnTop();
    w.window.Activate(false);
    EXPECT_EQ(w.window.ownedtopmost, (std::vector<uintptr_t>{7, 9}));
}

TEST(WindowCommands, TheContextAndTaskbarMenusShowTheWindowsState) {
    inputwindow w("\x01");
    w.window.Type('7', '7');
    w.window.ContextMenu({40, 50});
    ASSERT_EQ(w.window.Popups().size(), 1u);
    EXPECT_EQ(w.window.Popups()[0].popup, &w.form.Popup().Popup());
    EXPECT_EQ(w.window.Popups()[0].screen, (point{40, 50}));
    EXPECT_TRUE(ItemCalled(w.form.Popup().Popup(), Utf8(u8"Отменить")).Enabled());
    EXPECT_FALSE(ItemCalled(w.form.Popup().Popup(), Utf8(u8"Повторить")).Enabled());
    ItemCalled(w.form.Popup().Popup(), Utf8(u8"Отменить")).Click();
    w.window.ContextMenu({40, 50});
    EXPECT_FALSE(ItemCalled(w.form.Popup().Popup(), Utf8(u8"Отменить")).Enabled());
    EXPECT_TRUE(ItemCalled(w.form.Popup().Popup(), Utf8(u8"Повторить")).Enabled());

    platform::menu& taskbar = w.form.Taskbar().Popup();
    const struct {
        uint32_t showcommand;
        std::vector<bool> offered;  // minimise, maximise, restore
    } placements[] = {{1, {true, true, false}}, {2, {false, true, true}}, {3, {true, false, true}}};
    for (const auto& p : placements) {
        w.window.SetShowCommand(p.showcommand);
        w.window.TaskbarMenu({1, 2});
        EXPECT_EQ(w.window.Popups().back().popup, &taskbar);
        EXPECT_EQ((std::vector<bool>{taskbar.Item(0).Enabled(), taskbar.Item(1).Enabled(), taskbar.Item(2).Enabled()}),
                  p.offered)
            << p.showcommand;
    }
    taskbar.Item(0).Click();
    EXPECT_EQ(w.window.ShowCommand(), 6u);
    taskbar.Item(2).Click();
    EXPECT_EQ(w.window.ShowCommand(), 9u);
}

TEST(WindowCommands, ADroppedFileOpensAndOneThatCannotLeavesTheDocument) {
    inputwindow w("\x01");
    const std::string other = (w.folder / "other.gif").string();
    std::ofstream(other, std::ios::binary) << "GIF89a";
    const std::string first = w.form.DocumentName();
    w.window.DropFile((w.folder / "missing.gif").string());
    EXPECT_EQ(w.system.Beeps(), 1);
    EXPECT_EQ(w.form.DocumentName(), first);
    w.window.DropFile((w.folder / "a?b.gif").string());
    EXPECT_EQ(w.form.DocumentName(), first);
    EXPECT_EQ(w.app.Errors().size(), 1u);
    // A changed document is asked about first; "Отмена" keeps it.
    w.window.Type('7', '7');
    w.app.QueueModalAnswer([](headlessdialogform& box) { box.ClickButton(2); });
    w.window.DropFile(other);
    EXPECT_EQ(w.form.DocumentName(), first);
    w.app.QueueModalAnswer([](headlessdialogform& box) { box.ClickButton(1); });
    w.window.DropFile(other);
    EXPECT_EQ(w.form.DocumentName(), other);
    EXPECT_EQ(w.Bytes(), "GIF89a");
    EXPECT_FALSE(w.form.Modified());
}

TEST(WindowCommands, TheFontDialogStartsWithTheViewsFontAndTheViewTakesTheChosenOne) {
    inputwindow w("\x01");
    const fontspec before = w.form.Picture().Canvas().Font();
    const int32_t lineheight = w.form.View().LineHeight();
    ItemCalled(ItemCalled(w.form.Menu().Bar(), Utf8(u8"Формат")).Items(), Utf8(u8"Шрифт...")).Click();
    EXPECT_EQ(w.form.Picture().Canvas().Font(), before);
    fontspec chosen = before;
    chosen.face = "Courier New";
    chosen.height = -26;
    w.app.fontanswer = chosen;
    w.form.ChooseFont();
    ASSERT_EQ(w.app.fontdialogs.size(), 2u);
    EXPECT_EQ(w.app.fontdialogs[1], before);
    EXPECT_EQ(w.form.Picture().Canvas().Font(), chosen);
    EXPECT_GT(w.form.View().LineHeight(), lineheight);
}

TEST(WindowCommands, TheFirstPaintAppliesTheModesTheMenuShows) {
    inputwindow w("\x01");
    w.form.Menu().AllRemoved().SetChecked(true);
    w.form.Menu().OnTop().SetChecked(true);
    headlesscanvas screen;
    w.window.Paint(screen);
    EXPECT_FALSE(w.window.TitleBarShown());
    EXPECT_EQ(w.window.MenuBar(), nullptr);
    EXPECT_FALSE(w.window.StatusBar()->Visible());
    EXPECT_TRUE(w.window.Topmost());
    // Only the first paint.
    w.form.Menu().OnTop().SetChecked(false);
    w.window.SetTopmost(false);
    w.window.Paint(screen);
    EXPECT_FALSE(w.window.Topmost());
}

TEST(WindowCommands, F8StepsThroughTheEncodingsButNeverLoadsOne) {
    inputwindow w("\x01");
    platform::menu& encodings = w.form.Menu().Encodings();
    const auto next = [&](int checked) {
        for (size_t i = 0; i < encodings.Count(); ++i) encodings.Item(i).SetChecked(static_cast<int>(i) == checked);
        return encodings.IndexOf(NextEncodingItem(encodings));
    };
    // Windows, DOS, "Загрузить из файла...".
    EXPECT_EQ(next(0), 1u);
    EXPECT_EQ(next(1), 0u);
    EXPECT_EQ(next(-1), 0u);
    encodings.Insert(2, "KOI8-R");
    EXPECT_EQ(next(1), 2u);
    EXPECT_EQ(next(2), 0u);
}

}  // namespace
}  // namespace quillmap
