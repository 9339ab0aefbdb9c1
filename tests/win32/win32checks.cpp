// Checks of the Windows backend that need real windows, activation and focus: run under Wine (or
// on Windows) by e2e/win32_backend.sh. One line per check; the exit status counts the failures.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>
#include <new>
#include <optional>
#include <string>
#include <vector>

#include "platform/eventguard.h"
#include "platform/win32/textcodec.h"
#include "platform/win32/win32application.h"
#include "platform/win32/win32bitmap.h"
#include "platform/win32/win32clipboard.h"
#include "platform/win32/win32dialogform.h"
#include "platform/win32/win32files.h"
#include "platform/win32/win32registry.h"
#include "platform/win32/win32system.h"
#include "platform/win32/win32window.h"
#include "platform/win32/winapi.h"

#include <commctrl.h>
#include <shlobj.h>

namespace {

using namespace quillmap;

int failures = 0;

void Check(const char* what, bool passed) {
    std::printf("%s: %s\n", passed ? "ok" : "FAIL", what);
    std::fflush(stdout);
    if (!passed) ++failures;
}

// What a dialog tells its owner, kept for the checks.
class dialogrecord final : public platform::dialogevents {
public:
    void OnShow(platform::canvas&) override {}
    void OnPaint(platform::canvas&) override {}
    void OnButtonClick(size_t index) override { clicks.push_back(index); }
    void OnKeyPress(char) override {}
    void OnClose() override {}
    void OnActivate(bool active) override { activations.push_back(active); }

    std::vector<size_t> clicks;
    std::vector<bool> activations;
};

class quietwindow final : public platform::windowevents {
public:
    void OnPaint(platform::canvas&) override {}
    void OnResize(platform::extent) override {}
    void OnClose() override {}
};

// The messages waiting are handled, as the program's loop would.
void Pump() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// A key pressed and released on the window that has the focus, as the keyboard sends it.
void Press(WORD key, wchar_t typed) {
    HWND focus = GetFocus();
    PostMessageW(focus, WM_KEYDOWN, key, 1);
    if (typed != 0) PostMessageW(focus, WM_CHAR, typed, 1);
    PostMessageW(focus, WM_KEYUP, key, 0xC0000001);
    Pump();
}

// The dialog's focus after it lost activation to another window and got it back, the way a
// switch to another program and back goes.
void ChecksOfDialogFocus(win32::win32application& app) {
    dialogrecord record;
    const auto made = app.CreateDialogForm("Focus", record);
    auto& dialog = static_cast<win32::win32dialogform&>(*made);
    dialog.AddButton("One");
    dialog.AddButton("Two");
    dialog.SetClientSize({220, 60});
    dialog.SetButtonBounds(0, {10, 10, 100, 40});
    dialog.SetButtonBounds(1, {120, 10, 210, 40});
    dialog.MoveTo({100, 100});
    dialog.Show();
    Pump();
    HWND one = GetDlgItem(dialog.Handle(), 1);
    HWND two = GetDlgItem(dialog.Handle(), 2);
    Check("a shown dialog has the focus on its first button", GetFocus() == one);
    Press(VK_TAB, L'\t');
    Check("Tab takes the focus to the second button", GetFocus() == two);

    record.activations.clear();
    quietwindow quiet;
    platform::formdesign design;
    design.caption = "Other";
    design.client = {200, 100};
    const auto otherform = app.CreateForm(design, quiet);
    HWND other = static_cast<win32::win32window&>(*otherform).Handle();
    otherform->Show();
    SetForegroundWindow(other);
    SetActiveWindow(other);
    Pump();
    Check("the dialog hears that it stopped being the active window",
          record.activations == std::vector<bool>{false});
    Check("the other window has the focus meanwhile", GetFocus() == other);

    SetForegroundWindow(dialog.Handle());
    SetActiveWindow(dialog.Handle());
    Pump();
    Check("the dialog hears that it is the active window again",
          record.activations == std::vector<bool>{false, true});
    Check("the focus goes back to the button that had it", GetFocus() == two);
    Press(VK_RETURN, L'\r');
    Check("Enter clicks that button", record.clicks == std::vector<size_t>{1});
    Press(VK_SPACE, L' ');
    Check("Space clicks it too", record.clicks == std::vector<size_t>{1, 1});
    Press(VK_TAB, L'\t');
    Check("Tab still moves the focus", GetFocus() == one);

    // The focus given to the dialog window itself goes on to its button.
    SetFocus(dialog.Handle());
    Check("focus given to the dialog goes to its button", GetFocus() == one);
}

// What the owner of check boxes and radio buttons hears: each click with the check its button
// had by then, and the keys previewed.
class checkrecord final : public platform::dialogevents {
public:
    void OnShow(platform::canvas&) override {}
    void OnPaint(platform::canvas&) override {}
    void OnButtonClick(size_t index) override { clicks.emplace_back(index, form->Checked(index)); }
    void OnKeyPress(char key) override { keys.push_back(key); }
    void OnClose() override {}
    void OnActivate(bool) override {}

    platform::dialogform* form = nullptr;
    std::vector<std::pair<size_t, bool>> clicks;
    std::string keys;
};

// A group box around two runs of radio buttons that a check box keeps apart, and two push buttons.
void ChecksOfCheckBoxes(win32::win32application& app) {
    checkrecord record;
    const auto made = app.CreateDialogForm("Checks", record);
    record.form = made.get();
    auto& dialog = static_cast<win32::win32dialogform&>(*made);
    enum : size_t { frame, up, down, matchcase, all, selected, ok, cancel };
    dialog.AddGroupBox("Direction");
    dialog.AddRadioButton("Up");
    dialog.AddRadioButton("Down");
    dialog.AddCheckBox("Match case");
    dialog.AddRadioButton("All");
    dialog.AddRadioButton("Selected");
    dialog.AddButton("OK");
    dialog.AddButton("Cancel");
    dialog.SetClientSize({300, 200});
    dialog.SetButtonBounds(frame, {5, 5, 140, 100});
    for (size_t k = up; k <= cancel; ++k) {
        const auto top = static_cast<int32_t>(20 * k);
        dialog.SetButtonBounds(k, {k >= ok ? 160 : 10, top, k >= ok ? 280 : 130, top + 18});
    }
    dialog.MoveTo({160, 160});
    dialog.Show();
    Pump();
    const auto control = [&](size_t index) { return GetDlgItem(dialog.Handle(), static_cast<int>(index + 1)); };
    Check("the first push button has the focus, not the group box", GetFocus() == control(ok));
    Check("only the first radio button of a run starts a group",
          (GetWindowLongW(control(up), GWL_STYLE) & WS_GROUP) != 0 &&
              (GetWindowLongW(control(down), GWL_STYLE) & WS_GROUP) == 0 &&
              (GetWindowLongW(control(all), GWL_STYLE) & WS_GROUP) != 0);

    dialog.SetChecked(up, true);
    dialog.SetChecked(selected, true);
    dialog.SetChecked(down, true);
    dialog.SetChecked(matchcase, true);
    Check("a checked radio button unchecks the rest of its run only",
          !dialog.Checked(up) && dialog.Checked(down) && !dialog.Checked(all) && dialog.Checked(selected));
    Check("and a check box reads back checked", dialog.Checked(matchcase));
    dialog.SetChecked(matchcase, false);
    Check("or unchecked", !dialog.Checked(matchcase));
    Check("setting checks tells the owner nothing", record.clicks.empty());

    SendMessageW(control(up), BM_CLICK, 0, 0);
    Check("a click on a radio button checks it and unchecks its run", dialog.Checked(up) && !dialog.Checked(down));
    Check("and the owner hears it once, checked", (record.clicks == std::vector<std::pair<size_t, bool>>{{up, true}}));

    record.clicks.clear();
    SetFocus(control(matchcase));
    // The key alone: the message loop's translation types its one character, as for a real key.
    Press(VK_RETURN, 0);
    Check("Enter on a check box leaves it alone and goes to the key preview",
          !dialog.Checked(matchcase) && record.clicks.empty() && record.keys == "\r");
    Press(VK_SPACE, L' ');
    Check("Space checks it, and the owner hears it checked",
          dialog.Checked(matchcase) && (record.clicks == std::vector<std::pair<size_t, bool>>{{matchcase, true}}));

    record.clicks.clear();
    record.keys.clear();
    SetFocus(control(ok));
    Press(VK_RETURN, L'\r');
    Check("Enter on a push button clicks it and is no key for the preview",
          (record.clicks == std::vector<std::pair<size_t, bool>>{{ok, false}}) && record.keys.empty());
    dialog.SetButtonEnabled(ok, false);
    Check("a disabled button reads back disabled", !dialog.ButtonEnabled(ok) && dialog.ButtonEnabled(cancel));
    Check("and its keyboard goes to the first enabled push button", GetFocus() == control(cancel));
    dialog.Hide();
    Pump();
}

// What an edit box's owner hears: every character, the keys the column-count window acts on
// taken away from the box.
class editrecord final : public platform::dialogevents {
public:
    void OnShow(platform::canvas&) override {}
    void OnPaint(platform::canvas&) override {}
    void OnButtonClick(size_t) override {}
    void OnKeyPress(char) override {}
    void OnClose() override {}
    void OnActivate(bool) override {}
    bool OnEditKey(size_t index, char key) override {
        keys.emplace_back(index, key);
        return key == '\r' || key == platform::EscapeKey || key == '+' || key == '-';
    }

    std::vector<std::pair<size_t, char>> keys;
};

// A character typed into a window, as WM_CHAR brings it.
void TypeInto(HWND window, wchar_t typed) {
    PostMessageW(window, WM_CHAR, typed, 1);
    Pump();
}

// The edit box tells its owner every character first, types those it is left, and speaks CP1251.
void ChecksOfEditBoxes(win32::win32application& app) {
    editrecord record;
    const auto made = app.CreateDialogForm("Edit", record);
    auto& dialog = static_cast<win32::win32dialogform&>(*made);
    dialog.AddButton("Go");
    const size_t first = dialog.AddEdit();
    const size_t second = dialog.AddEdit();
    dialog.SetClientSize({220, 80});
    dialog.SetButtonBounds(0, {10, 40, 100, 70});
    dialog.SetEditBounds(first, {10, 10, 60, 30});
    dialog.SetEditBounds(second, {80, 10, 200, 30});
    dialog.SetEditMaxLength(first, 3);
    dialog.MoveTo({120, 120});
    dialog.Show();
    dialog.SetEditText(first, "7");
    dialog.FocusEdit(first);
    Pump();
    HWND box = GetFocus();
    Check("an edit box takes the focus it is given", box != nullptr && GetParent(box) == dialog.Handle() &&
                                                         box != GetDlgItem(dialog.Handle(), 1));
    // The whole text was selected: the first digit typed replaces it.
    for (const wchar_t typed : {L'1', L'+', L'2', L'-', L'\r', L'\x1b'}) TypeInto(box, typed);
    Check("the owner hears every character typed in the box, with the box's number",
          record.keys == std::vector<std::pair<size_t, char>>{
                             {0, '1'}, {0, '+'}, {0, '2'}, {0, '-'}, {0, '\r'}, {0, platform::EscapeKey}});
    Check("the box types what the owner leaves and nothing it took", dialog.EditText(first) == "12");
    TypeInto(box, L'\u0416');
    Check("a Cyrillic letter reaches the owner in CP1251", record.keys.back() == std::pair<size_t, char>{0, '\xC6'});
    Check("and is read back from the box in CP1251", dialog.EditText(first) == "12\xC6");
    TypeInto(box, L'9');
    Check("the box takes no more characters than its limit", dialog.EditText(first) == "12\xC6");

    dialog.SetEditText(second, "\xC0\xC1 ok");
    dialog.FocusEdit(second);
    wchar_t shown[16] = {};
    GetWindowTextW(GetFocus(), shown, 16);
    Check("a CP1251 text set in a box shows as its letters", std::wstring(shown) == L"\u0410\u0411 ok");
    Check("and reads back as it was set", dialog.EditText(second) == "\xC0\xC1 ok");

    Check("a shown dialog is visible", dialog.Visible());
    dialog.Hide();
    Pump();
    Check("a hidden one is not, and stays", !dialog.Visible() && !dialog.Destroyed());
}

// What a check list's owner hears: the characters typed on it.
class keyrecord final : public platform::dialogevents {
public:
    void OnShow(platform::canvas&) override {}
    void OnPaint(platform::canvas&) override {}
    void OnButtonClick(size_t) override {}
    void OnKeyPress(char key) override { keys += key; }
    void OnClose() override {}
    void OnActivate(bool) override {}

    std::string keys;
};

// A check list keeps its texts in CP1251 and its check marks; Space toggles the focused item and
// the characters typed on it reach the window's key preview.
void ChecksOfCheckLists(win32::win32application& app) {
    keyrecord record;
    const auto made = app.CreateDialogForm("Check list", record);
    auto& dialog = static_cast<win32::win32dialogform&>(*made);
    dialog.AddButton("OK");
    const size_t list = dialog.AddCheckList();
    dialog.SetClientSize({300, 160});
    dialog.SetButtonBounds(0, {10, 120, 100, 150});
    dialog.SetCheckListBounds(list, {10, 10, 290, 110});
    dialog.SetCheckListColours(list, platform::Rgb(255, 255, 234), platform::Rgb(0, 0, 128));
    dialog.AddCheckListItem(list, "C:\\\xC0\xC1.gif", true);
    dialog.AddCheckListItem(list, "C:\\second.gif", false);
    // Longer than the room a text is first read into.
    const std::string longname = "C:\\" + std::string(400, 'x') + ".gif";
    dialog.AddCheckListItem(list, longname, true);
    dialog.MoveTo({140, 140});
    dialog.Show();
    Pump();
    Check("a check list counts its items", dialog.CheckListCount(list) == 3);
    Check("and reads their texts back in CP1251",
          dialog.CheckListText(list, 0) == "C:\\\xC0\xC1.gif" && dialog.CheckListText(list, 1) == "C:\\second.gif");
    Check("a long text reads back whole", dialog.CheckListText(list, 2) == longname);
    Check("items keep the check marks they were added with",
          dialog.CheckListChecked(list, 0) && !dialog.CheckListChecked(list, 1) && dialog.CheckListChecked(list, 2));
    HWND control = GetDlgItem(dialog.Handle(), 0x2000);
    Check("the list shows its colours",
          SendMessageW(control, LVM_GETBKCOLOR, 0, 0) == static_cast<LRESULT>(RGB(255, 255, 234)) &&
              SendMessageW(control, LVM_GETTEXTCOLOR, 0, 0) == static_cast<LRESULT>(RGB(0, 0, 128)));
    dialog.SetCheckListChecked(list, 0, false);
    dialog.SetCheckListChecked(list, 1, true);
    Check("check marks set read back", !dialog.CheckListChecked(list, 0) && dialog.CheckListChecked(list, 1));

    SetFocus(control);
    LVITEMW focus{};
    focus.stateMask = LVIS_FOCUSED | LVIS_SELECTED;
    focus.state = LVIS_FOCUSED | LVIS_SELECTED;
    SendMessageW(control, LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&focus));
    // The keys alone: the message loop's translation types their characters.
    Press(VK_SPACE, 0);
    Check("Space toggles the focused item", !dialog.CheckListChecked(list, 1) && !dialog.CheckListChecked(list, 0));
    Press(VK_ESCAPE, 0);
    Check("the characters typed on the list reach the key preview", record.keys == std::string(" \x1b"));

    dialog.ClearCheckList(list);
    Check("a cleared list is empty", dialog.CheckListCount(list) == 0);
    dialog.Hide();
    Pump();
}

// What the mouse and the edit box's other keys tell a dialog's owner.
class mouserecord final : public platform::dialogevents {
public:
    void OnShow(platform::canvas&) override {}
    void OnPaint(platform::canvas&) override {}
    void OnButtonClick(size_t) override {}
    void OnKeyPress(char) override {}
    void OnClose() override {}
    void OnActivate(bool) override {}
    void OnEditChange(size_t index) override { changes.push_back(index); }
    bool OnEditKeyDown(size_t, platform::keycode key) override {
        keys.push_back(key);
        return key == platform::vkDown;
    }
    void OnMouseDown(platform::point at) override { downs.push_back(at); }
    void OnDoubleClick(platform::point at) override { doubles.push_back(at); }
    void OnMouseWheel(platform::point at, int32_t delta) override { wheels.emplace_back(at, delta); }

    std::vector<size_t> changes;
    std::vector<platform::keycode> keys;
    std::vector<platform::point> downs;
    std::vector<platform::point> doubles;
    std::vector<std::pair<platform::point, int32_t>> wheels;
};

// A click of the left button as the system sends it, the second of two in quick succession being
// a double click on a window whose class asks for them.
void ClickOn(HWND window, POINT at, bool second) {
    const LPARAM where = MAKELPARAM(at.x, at.y);
    SendMessageW(window, second ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN, MK_LBUTTON, where);
    SendMessageW(window, WM_LBUTTONUP, 0, where);
}

void ChecksOfMouseAndEditChanges(win32::win32application& app) {
    mouserecord record;
    const auto made = app.CreateDialogForm("Mouse", record);
    auto& dialog = static_cast<win32::win32dialogform&>(*made);
    dialog.AddButton("Go");
    const size_t box = dialog.AddEdit();
    dialog.SetClientSize({220, 120});
    dialog.SetButtonBounds(0, {10, 80, 100, 110});
    dialog.SetEditBounds(box, {100, 10, 200, 30});
    dialog.MoveTo({140, 140});
    dialog.Show();
    Pump();
    HWND window = dialog.Handle();
    HWND edit = GetDlgItem(window, 0x1000);
    Check("the dialog's class asks for double clicks", (GetClassLongPtrW(window, GCL_STYLE) & CS_DBLCLKS) != 0);

    ClickOn(window, {30, 40}, false);
    ClickOn(window, {30, 40}, true);
    Check("a click on the window reaches the owner at its point",
          record.downs == std::vector<platform::point>{{30, 40}});
    Check("and the double click after it", record.doubles == std::vector<platform::point>{{30, 40}});

    // The box stands over the owner's drawing: its double click comes out of it in the window's
    // coordinates.
    ClickOn(edit, {50, 10}, false);
    ClickOn(edit, {50, 10}, true);
    Check("a double click on an edit box reaches the owner at the window's point",
          record.doubles == std::vector<platform::point>{{30, 40}, {150, 20}});
    Check("the box's own click stays the box's", record.downs.size() == 1);

    record.changes.clear();
    dialog.FocusEdit(box);
    TypeInto(edit, L'5');
    Check("typing in the box tells the owner the text changed", record.changes == std::vector<size_t>{box});
    dialog.SetEditText(box, "12");
    Check("so does setting its text", record.changes == std::vector<size_t>{box, box});

    PostMessageW(edit, WM_KEYDOWN, VK_LEFT, 1);
    PostMessageW(edit, WM_KEYDOWN, VK_DOWN, 1);
    Pump();
    Check("the box's arrow keys reach the owner",
          record.keys == std::vector<platform::keycode>{platform::vkLeft, platform::vkDown});

    POINT pointer{60, 50};
    ClientToScreen(window, &pointer);
    SendMessageW(edit, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), MAKELPARAM(pointer.x, pointer.y));
    Check("the wheel turned over the box reaches the owner, the pointer in client coordinates",
          record.wheels.size() == 1 && record.wheels[0].first == platform::point{60, 50} &&
              record.wheels[0].second == -platform::WheelNotch);
    dialog.Hide();
    Pump();
}

// A posted task runs from the message loop, after the code that posted it.
void ChecksOfPostedTasks(win32::win32application& app) {
    std::vector<int> order;
    app.Post([&order] { order.push_back(2); });
    order.push_back(1);
    Pump();
    Check("a posted task runs from the message loop, after its poster",
          order == std::vector<int>{1, 2});
}

// A window whose key handler runs out of memory.
class hungrywindow final : public platform::windowevents {
public:
    void OnPaint(platform::canvas&) override {}
    void OnResize(platform::extent) override {}
    void OnClose() override {}
    void OnKeyDown(uint16_t, uint8_t) override { throw std::bad_alloc(); }
};

// Memory running out in a handler ends the handler, not the program, and the program is told:
// std::bad_alloc never unwinds through the system's code.
void ChecksOfMemoryRunningOut(win32::win32application& app) {
    int told = 0;
    platform::SetOutOfMemoryHandler([&told] { ++told; });
    hungrywindow hungry;
    platform::formdesign design;
    design.caption = "Hungry";
    design.client = {200, 100};
    const auto form = app.CreateForm(design, hungry);
    SendMessageW(static_cast<win32::win32window&>(*form).Handle(), WM_KEYDOWN, 'A', 1);
    Check("a window's handler out of memory is ended there and reported", told == 1);
    app.Post([] { throw std::bad_alloc(); });
    Pump();
    Check("and so is a posted task's", told == 2);
    platform::SetOutOfMemoryHandler(nullptr);
}

// A fault in a library's code ends its call, not the program; the program's own exceptions pass.
void ChecksOfFaultGuard(win32::win32application& app) {
    volatile int* nowhere = nullptr;
    volatile int zero = 0;
    Check("a write through a null pointer is caught", !app.CallGuarded([&] { *nowhere = 1; }));
    Check("and caught again: the guard outlives its first use", !app.CallGuarded([&] { *nowhere = 2; }));
    Check("a division by zero is caught", !app.CallGuarded([&] { zero = 7 / zero; }));
    bool outerdone = false;
    const bool outer = app.CallGuarded([&] {
        const bool inner = app.CallGuarded([&] { *nowhere = 3; });
        outerdone = !inner;
    });
    Check("a fault in a nested call ends only that call", outer && outerdone);
    bool thrown = false;
    try {
        app.CallGuarded([] { throw std::string("the program's own"); });
    } catch (const std::string&) {
        thrown = true;
    }
    Check("a C++ exception is not taken for a fault", thrown);
    Check("a call that does not fault says so", app.CallGuarded([] {}));
}

// Libraries are found and loaded by full path, their exports found by name.
void ChecksOfLibraries(win32::win32application& app) {
    wchar_t system[MAX_PATH];
    GetSystemDirectoryW(system, MAX_PATH);
    const std::string folder = win32::Cp1251FromWide(system);
    const std::vector<std::string> found = app.FindLibraries(folder);
    bool user32 = false;
    for (const std::string& name : found) user32 = user32 || _stricmp(name.c_str(), "user32.dll") == 0;
    Check("the system folder's libraries include user32.dll", user32);
    const std::unique_ptr<platform::library> library = app.OpenLibrary(folder + "\\user32.dll");
    Check("user32.dll loads by its full path", library != nullptr);
    Check("and exports MessageBoxW", library && library->Entry("MessageBoxW") != nullptr);
    Check("but not a name it lacks", library && library->Entry("NoSuchExport") == nullptr);
    Check("a file that is not there loads nothing", app.OpenLibrary(folder + "\\no-such-library.dll") == nullptr);
}

// Names reach the program in CP1251. A character without a CP1251 form must come as '?', never
// as a letter that only looks like it: that would name another file.
void ChecksOfNameConversion() {
    Check("cafe with an acute e arrives as \"caf?.gif\", not as \"cafe.gif\"",
          win32::Cp1251FromWide(L"caf\u00E9.gif") == "caf?.gif");
    Check("two Japanese characters arrive as \"??\"", win32::Cp1251FromWide(L"\u65E5\u672C.gif") == "??.gif");
    Check("Russian letters arrive exactly", win32::Cp1251FromWide(L"\u043A\u043E\u0442.gif") == "\xEA\xEE\xF2.gif");
}

// The smallest size a window's design asks for is the smallest the user can drag it to.
void ChecksOfMinimumSize(win32::win32application& app) {
    quietwindow quiet;
    platform::formdesign design;
    design.caption = "Small";
    design.client = {300, 200};
    design.minimum = {100, 100};
    const auto form = app.CreateForm(design, quiet);
    MINMAXINFO limits{};
    limits.ptMinTrackSize = {GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)};
    SendMessageW(static_cast<win32::win32window&>(*form).Handle(), WM_GETMINMAXINFO, 0,
                 reinterpret_cast<LPARAM>(&limits));
    Check("a window made at least 100 x 100 tells the system so",
          limits.ptMinTrackSize.x == 100 && limits.ptMinTrackSize.y == 100);
}

// One file, one window: another copy's main window is found by its whole caption, however long.
void ChecksOfOtherCopies(win32::win32application& app) {
    quietwindow quiet;
    platform::formdesign design;
    design.client = {200, 100};
    design.mainwindow = true;
    const std::string caption = std::string(250, 'q') + ".gif - Quillmap";
    design.caption = caption;
    const auto other = app.CreateForm(design, quiet);
    other->SetUserData(1234);
    design.caption = "Self";
    const auto self = app.CreateForm(design, quiet);
    Check("the window of a file whose caption has 265 characters is found by it",
          app.BringForwardOtherWindow(caption, 1234, *self));
    Check("and not for another file of that name", !app.BringForwardOtherWindow(caption, 4321, *self));
}

// What a main window tells its owner of the frame and the shell.
class framerecord final : public platform::windowevents {
public:
    void OnPaint(platform::canvas&) override {}
    void OnResize(platform::extent) override {}
    void OnClose() override {}
    void OnDropFile(const std::string& path) override { dropped.push_back(path); }
    void OnContextMenu(platform::point screen) override { contextmenus.push_back(screen); }
    void OnTaskbarMenu(platform::point) override { ++taskbarmenus; }

    std::vector<std::string> dropped;
    std::vector<platform::point> contextmenus;
    int taskbarmenus = 0;
};

// The contents of a clipboard format as bytes; empty when it is absent.
std::string ClipboardBytes(UINT format) {
    std::string bytes;
    if (!OpenClipboard(nullptr)) return bytes;
    if (HANDLE data = GetClipboardData(format)) {
        if (const auto* locked = static_cast<const char*>(GlobalLock(data))) {
            bytes.assign(locked, GlobalSize(data));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return bytes;
}

// Bytes go to the clipboard and come back exactly, zeros included; other programs read text.
void ChecksOfClipboard() {
    win32::win32clipboard clipboard;
    const std::string bytes("GIF89a\0\x01\0\xEA\xFF", 11);
    Check("bytes with zeros are put on the clipboard", clipboard.Put(bytes));
    Check("and come back exactly", clipboard.Get() == bytes);
    const std::string text = ClipboardBytes(CF_TEXT);
    Check("other programs read the text up to the first zero", text.substr(0, text.find('\0')) == "GIF89a");
    const std::string locale = ClipboardBytes(CF_LOCALE);
    Check("the text's locale is Russian",
          locale.size() >= sizeof(LCID) && *reinterpret_cast<const LCID*>(locale.data()) == 0x19);

    // Another program puts Unicode text there: it pastes in CP1251.
    const std::wstring foreign = L"\u043A\u043E\u0442 ok";
    bool put = false;
    if (OpenClipboard(nullptr)) {
        EmptyClipboard();
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (foreign.size() + 1) * sizeof(wchar_t));
        std::memcpy(GlobalLock(memory), foreign.c_str(), (foreign.size() + 1) * sizeof(wchar_t));
        GlobalUnlock(memory);
        put = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
        CloseClipboard();
    }
    Check("text of another program pastes as its CP1251 bytes", put && clipboard.Get() == "\xEA\xEE\xF2 ok");
}

void ChecksOfRegistry(win32::win32application& app) {
    win32::win32registry registry;
    const char* parent = "quillmap.checks";
    const char* key = "Quillmap.Checks\\shell\\open";
    registry.DeleteKey(key);
    registry.DeleteKey("quillmap.checks\\shell");
    registry.DeleteKey(parent);
    // A Russian text ("Открыть") crosses the boundary as UTF-16 and comes back as its CP1251 bytes.
    const std::string russian = "\xCE\xF2\xEA\xF0\xFB\xF2\xFC";
    Check("a value is written under HKEY_CLASSES_ROOT, its keys made", registry.WriteValue(key, "", russian));
    Check("and read back, whatever the letter case", registry.ReadValue("quillmap.checks\\SHELL\\open", "") == russian);
    HKEY opened = nullptr;
    wchar_t text[16] = {};
    DWORD bytes = sizeof text;
    const bool wide =
        RegOpenKeyExW(HKEY_CLASSES_ROOT, L"quillmap.checks\\shell\\open", 0, KEY_READ, &opened) == ERROR_SUCCESS &&
        RegQueryValueExW(opened, L"", nullptr, nullptr, reinterpret_cast<BYTE*>(text), &bytes) == ERROR_SUCCESS;
    if (opened) RegCloseKey(opened);
    Check("other programs read it in Unicode",
          wide && std::wstring(text) == L"\u041E\u0442\u043A\u0440\u044B\u0442\u044C");
    Check("a missing value reads as none", !registry.ReadValue(key, "prevvalue"));
    Check("a key with keys under it is not empty, nor deleted",
          !registry.KeyEmpty(parent) && !registry.DeleteKey(parent));
    Check("a value is deleted", registry.DeleteValue(key, "") && registry.KeyEmpty(key));
    Check("keys are deleted from the bottom up", registry.DeleteKey(key) &&
                                                    registry.DeleteKey("quillmap.checks\\shell") &&
                                                    registry.DeleteKey(parent) && !registry.KeyExists(parent));
    const std::string exe = app.ExecutablePath();
    Check("the executable is named with its full path, in the program's folder",
          exe.size() > 4 && exe.ends_with(".exe") && exe.starts_with(app.ProgramFolder() + "\\"));
}

// A file list as the shell drops it, with one name.
HGLOBAL DropOf(const std::wstring& name) {
    const size_t size = sizeof(DROPFILES) + (name.size() + 2) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GHND, size);
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = TRUE;
    std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), name.c_str(), name.size() * sizeof(wchar_t));
    GlobalUnlock(memory);
    return memory;
}

void ChecksOfTheFrame(win32::win32application& app) {
    framerecord record;
    platform::formdesign design;
    design.caption = "Frame";
    design.client = {300, 200};
    design.mainwindow = true;
    const auto made = app.CreateForm(design, record);
    auto& form = static_cast<win32::win32window&>(*made);
    HWND window = form.Handle();
    form.Show();
    Pump();

    // A name longer than the 255 characters of the old call, in Russian letters.
    form.AcceptDroppedFiles(true);
    const std::wstring name = L"C:\\" + std::wstring(300, L'\u043A') + L".gif";
    PostMessageW(window, WM_DROPFILES, reinterpret_cast<WPARAM>(DropOf(name)), 0);
    Pump();
    Check("a dropped file of 306 characters arrives whole",
          record.dropped == std::vector<std::string>{"C:\\" + std::string(300, '\xEA') + ".gif"});

    const auto style = [&] { return GetWindowLongW(window, GWL_STYLE); };
    form.ShowTitleBar(false);
    Check("without the border bit the window has no title bar", (style() & WS_CAPTION) != WS_CAPTION);
    form.ShowTitleBar(true);
    Check("and with it the title bar is back", (style() & WS_CAPTION) == WS_CAPTION && form.TitleBarShown());

    form.SetTopmost(true);
    Check("the window joins the topmost band", (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0);
    form.SetTopmost(false);
    Check("and leaves it", (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) == 0);

    form.SetSizeGrip({10, 10, 28, 28});
    const auto hit = [&](int x, int y) {
        POINT at{x, y};
        ClientToScreen(window, &at);
        return SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(at.x, at.y));
    };
    Check("the size grip sizes the window as its corner", hit(15, 15) == HTBOTTOMRIGHT);
    Check("beside it is the client area", hit(40, 40) == HTCLIENT);
    form.SetSizeGrip({});
    Check("without a grip the square is client area too", hit(15, 15) == HTCLIENT);

    // A right click's release becomes the context menu, at the mouse's place on the screen.
    SendMessageW(window, WM_RBUTTONUP, 0, MAKELPARAM(20, 30));
    POINT click{20, 30};
    ClientToScreen(window, &click);
    Check("a right click opens the context menu where it was",
          record.contextmenus.size() == 1 && record.contextmenus[0].x == click.x && record.contextmenus[0].y == click.y);
    SendMessageW(window, 0x313, 0, 0);
    Check("the taskbar button's right click reaches the window", record.taskbarmenus == 1);

    // An owned window on top leaves the band while the program is in the background.
    HWND owned = CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"owned", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, window,
                                 nullptr, GetModuleHandleW(nullptr), nullptr);
    const std::vector<uintptr_t> lowered = form.LowerOwnedTopmost();
    // Wine keeps an owned popup's topmost bit whatever SetWindowPos asks, so only the search and
    // the raising are checked here.
    Check("an owned window on top is found", lowered == std::vector<uintptr_t>{reinterpret_cast<uintptr_t>(owned)});
    form.RaiseOwned(lowered);
    Check("and raised again", (GetWindowLongW(owned, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0);
    DestroyWindow(owned);

    // While a modal window of the program disables this one and another program is in front, a
    // click on this one brings the modal window forward.
    HWND modal = CreateWindowExW(0, L"STATIC", L"modal", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, window, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    SetForegroundWindow(modal);
    SetActiveWindow(modal);
    Pump();
    EnableWindow(window, FALSE);
    quietwindow quiet;
    design.caption = "Stranger";
    const auto stranger = app.CreateForm(design, quiet);
    stranger->Show();
    SetForegroundWindow(static_cast<win32::win32window&>(*stranger).Handle());
    Pump();
    SendMessageW(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window), MAKELPARAM(HTERROR, WM_LBUTTONDOWN));
    Pump();
    Check("a click on the disabled window brings its modal window forward", GetForegroundWindow() == modal);
    EnableWindow(window, TRUE);
    DestroyWindow(modal);
}

}  // namespace

// The structure's size differs between the 32- and 64-bit programs; the system refuses a wrong
// one, and the font would come back empty.
void ChecksOfSystemFont() {
    win32::win32system system;
    const platform::fontspec font = system.MessageBoxFont();
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    Check("the system's message font has a name and a height", !font.face.empty() && font.height != 0);
    Check("and is the non-client metrics' message font",
          font.height == metrics.lfMessageFont.lfHeight &&
              font.face == win32::Cp1251FromWide(metrics.lfMessageFont.lfFaceName));
}

void ChecksOfPixelSurfaces(win32::win32application& app) {
    Check("a surface of 65535 x 65535 pixels is refused, not thrown",
          app.CreatePixelSurface({65535, 65535}) == nullptr);
    std::unique_ptr<platform::pixelsurface> surface = app.CreatePixelSurface({3, 2});
    Check("a small surface is made with its size",
          surface != nullptr && surface->Size().width == 3 && surface->Size().height == 2);
    if (!surface) return;
    // Red in bits 16-23, rows top-down: the first pixel is the top left, the sixth the bottom right.
    surface->Pixels()[0] = 0x00FF0000;
    surface->Pixels()[5] = 0x000000FF;
    std::unique_ptr<platform::bitmap> picture = app.CreateBitmap({10, 10});
    picture->Canvas().DrawPixels(*surface, {4, 4});
    HDC dc = static_cast<win32::win32bitmap&>(*picture).Dc();
    Check("its pixels land at the point given, red as red", GetPixel(dc, 4, 4) == RGB(255, 0, 0));
    Check("and rows run top-down", GetPixel(dc, 6, 5) == RGB(0, 0, 255));
}

// A file the user names is read whole only when it is a disk file within the limit: a device or a
// pipe, where a read could wait for ever, is refused at once.
void ChecksOfSmallFiles() {
    win32::win32files files;
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    const std::filesystem::path file = std::filesystem::path(folder) / L"quillmap_small_file.enc";
    const HANDLE written = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD count = 0;
    WriteFile(written, "65 A\r\n", 6, &count, nullptr);
    CloseHandle(written);
    Check("a disk file is read whole", files.ReadSmallFile(file, 6) == std::optional<std::string>("65 A\r\n"));
    Check("one past the limit is refused", !files.ReadSmallFile(file, 5));
    DeleteFileW(file.c_str());
    Check("a missing file is refused", !files.ReadSmallFile(file, 100));
    Check("the folder is refused", !files.ReadSmallFile(folder, 100));
    Check("the device NUL is refused", !files.ReadSmallFile(L"NUL", 100));
    Check("the console CON is refused", !files.ReadSmallFile(L"CON", 100));
    const wchar_t* pipename = L"\\\\.\\pipe\\quillmap_small_file";
    const HANDLE pipe = CreateNamedPipeW(pipename, PIPE_ACCESS_DUPLEX, PIPE_TYPE_BYTE | PIPE_WAIT, 1, 64, 64, 0, nullptr);
    const DWORD started = GetTickCount();
    Check("a named pipe nobody writes to is refused", pipe != INVALID_HANDLE_VALUE && !files.ReadSmallFile(pipename, 100));
    Check("and at once", GetTickCount() - started < 2000);
    CloseHandle(pipe);
}

int main() {
    win32::win32application app;
    ChecksOfDialogFocus(app);
    ChecksOfCheckBoxes(app);
    ChecksOfEditBoxes(app);
    ChecksOfCheckLists(app);
    ChecksOfMouseAndEditChanges(app);
    ChecksOfPostedTasks(app);
    ChecksOfMemoryRunningOut(app);
    ChecksOfFaultGuard(app);
    ChecksOfLibraries(app);
    ChecksOfNameConversion();
    ChecksOfMinimumSize(app);
    ChecksOfOtherCopies(app);
    ChecksOfClipboard();
    ChecksOfRegistry(app);
    ChecksOfSystemFont();
    ChecksOfTheFrame(app);
    ChecksOfPixelSurfaces(app);
    ChecksOfSmallFiles();
    std::printf("%d failed\n", failures);
    return failures;
}
