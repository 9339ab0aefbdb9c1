// Checks of the Windows backend that need real windows, activation and focus: run under Wine (or
// on Windows) by e2e/win32_backend.sh. One line per check; the exit status counts the failures.
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "platform/win32/textcodec.h"
#include "platform/win32/win32application.h"
#include "platform/win32/win32dialogform.h"
#include "platform/win32/win32window.h"
#include "platform/win32/winapi.h"

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

// A posted task runs from the message loop, after the code that posted it.
void ChecksOfPostedTasks(win32::win32application& app) {
    std::vector<int> order;
    app.Post([&order] { order.push_back(2); });
    order.push_back(1);
    Pump();
    Check("a posted task runs from the message loop, after its poster",
          order == std::vector<int>{1, 2});
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

}  // namespace

int main() {
    win32::win32application app;
    ChecksOfDialogFocus(app);
    ChecksOfPostedTasks(app);
    ChecksOfNameConversion();
    ChecksOfMinimumSize(app);
    ChecksOfOtherCopies(app);
    std::printf("%d failed\n", failures);
    return failures;
}
