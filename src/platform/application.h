#pragma once

#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/bitmap.h"
#include "platform/canvas.h"
#include "platform/commondialogs.h"
#include "platform/controls.h"
#include "platform/dialogform.h"
#include "platform/geometry.h"
#include "platform/keys.h"
#include "platform/library.h"
#include "platform/printing.h"
#include "platform/menu.h"
#include "platform/mouse.h"
#include "platform/pixelsurface.h"

namespace quillmap::platform {

// What a top-level window tells its owner. Painting receives a canvas on the window's client area.
class windowevents {
public:
    virtual void OnPaint(canvas& surface) = 0;
    virtual void OnResize(extent client) = 0;
    // The window is being closed by the user or the system.
    virtual void OnClose() = 0;
    // Only windows with scroll bars or timers hear of them.
    // The user moved a scroll bar to a new position.
    virtual void OnScroll(scrollaxis, int32_t) {}
    virtual void OnTimer(int32_t) {}
    // The window became the active one, or stopped being it.
    virtual void OnActivate(bool) {}
    // A key went down while the window was active; shift holds shiftbit values.
    virtual void OnKeyDown(uint16_t, uint8_t) {}
    // A key went up while the window was active; shift holds the keys still held.
    virtual void OnKeyUp(uint16_t, uint8_t) {}
    // A character typed while the window was active, in the program's code page.
    virtual void OnChar(char) {}
    // The mouse over the client area (or anywhere while captured), in client pixels; shift
    // holds shiftbit values.
    virtual void OnMouseDown(mousebutton, point, uint8_t) {}
    virtual void OnMouseMove(point, uint8_t) {}
    virtual void OnMouseUp(mousebutton, point, uint8_t) {}
    // The second press of a double click: this, then the press itself.
    virtual void OnDoubleClick(point) {}
    // The wheel turned by delta; positive is away from the user, 120 a notch.
    virtual void OnWheel(int32_t) {}
    // The user opened the menu bar or a popup menu, before any of it is shown.
    virtual void OnEnterMenuLoop() {}
    // Files were dropped on a window that accepts them: the first one's full path, '?' for a
    // character with no CP1251 form.
    virtual void OnDropFile(const std::string&) {}
    // The user right-clicked the main window's taskbar button, at a point of the screen.
    virtual void OnTaskbarMenu(point) {}
    // The user asked for the client area's context menu (a right click, or the menu key), at a
    // point of the screen.
    virtual void OnContextMenu(point) {}

protected:
    ~windowevents() = default;
};

enum class formkind : uint8_t {
    // A window with a sizing frame and a title bar: the main window and the plain forms.
    standard,
    // A small sizeable window with a thin title bar, above all other windows, off the taskbar.
    toolwindow,
    // A window without border or title bar, above all other windows, off the taskbar; shown
    // without being activated, so that the keys stay where they were until it takes the focus.
    popup,
};

class window;

struct formdesign {
    std::string caption;  // CP1251
    extent client;
    colour background = clWhite;
    // Own taskbar button and no owner window (the main window).
    bool mainwindow = false;
    formkind kind = formkind::standard;
    // The window this one stays above and is minimised with; none: the application's.
    const window* owner = nullptr;
    // The smallest the user may size the whole window, frame included; 0 leaves that side to
    // the system.
    extent minimum{0, 0};
};

class window {
public:
    virtual ~window() = default;
    virtual void SetCaption(std::string_view caption) = 0;
    virtual std::string Caption() const = 0;
    virtual extent ClientSize() const = 0;
    virtual void Show() = 0;
    virtual void Hide() = 0;
    virtual bool Visible() const = 0;
    // The whole window, frame included, in screen coordinates.
    virtual rect Bounds() const = 0;
    virtual void SetBounds(const rect& bounds) = 0;
    // Asks for a repaint of the whole client area.
    virtual void Invalidate() = 0;
    // A number other programs may read from the window: the main window's document identity.
    virtual void SetUserData(uint32_t value) = 0;
    // Child controls: scroll bars start disabled with a page of 0.
    virtual std::unique_ptr<scrollbar> CreateScrollBar(scrollaxis axis) = 0;
    virtual std::unique_ptr<statusbar> CreateStatusBar() = 0;
    // A repeating timer that reaches OnTimer with its id; starting it again restarts it.
    virtual void StartTimer(int32_t id, int32_t milliseconds) = 0;
    virtual void StopTimer(int32_t id) = 0;
    // Copies an area of a picture to the same place of the client area at once, without
    // waiting for a paint (the caret, a scrolled view).
    virtual void Present(const bitmap& picture, const rect& area) = 0;
    // The menu bar shown under the title; none removes it. A hidden window keeps its client
    // size, a shown one its place and size on the screen. The window does not own it: it must
    // stay until it is replaced or the window goes.
    virtual void SetMenuBar(menu* bar) = 0;
    // Shows a popup menu made by the application at a point of the screen, and runs the item
    // chosen, if any, before it returns.
    virtual void PopupMenu(menu& popup, point screen) = 0;
    // The cursor shown over the client area from now on.
    virtual void SetCursor(cursorshape shape) = 0;
    // While captured, the mouse's moves and its release reach this window wherever they happen.
    virtual void CaptureMouse(bool capture) = 0;
    // The title bar, by the border style bit: without it only the sizing frame is left.
    virtual void ShowTitleBar(bool shown) = 0;
    virtual bool TitleBarShown() const = 0;
    // In the band of windows that stay above all others, or back among the rest; the window
    // keeps its place and size and is shown.
    virtual void SetTopmost(bool topmost) = 0;
    // The window state as the system's placement names it (1 normal, 2 minimised, 3 maximised,
    // and the other show commands), and a change of it by a show command.
    virtual uint32_t ShowCommand() const = 0;
    virtual void SetShowCommand(uint32_t command) = 0;
    // Files dropped from the shell reach OnDropFile.
    virtual void AcceptDroppedFiles(bool accept) = 0;
    // A square of the client area that sizes the window as its bottom-right corner does; an
    // empty one for none.
    virtual void SetSizeGrip(const rect& area) = 0;
    // Keyboard input goes to the window.
    virtual void Focus() = 0;
    // The windows this one owns that stay above all others are taken out of that band while the
    // program is in the background, without being activated or reordered, and the window in
    // front stays in front; RaiseOwned puts back those it returned.
    virtual std::vector<uintptr_t> LowerOwnedTopmost() = 0;
    virtual void RaiseOwned(const std::vector<uintptr_t>& windows) = 0;
    // No event reaches the owner any more, whatever the window still goes through: for an owner
    // whose parts are about to go (taking the menu bar off resizes the window, and closing another
    // window may activate this one).
    virtual void Disconnect() = 0;
};

// The application object: owns the hidden application window and the message loop.
class application {
public:
    virtual ~application() = default;
    // Keeps the hidden application window off the taskbar, so that only the main window shows there.
    virtual void MakeToolWindow() = 0;
    virtual void SetTitle(std::string_view title) = 0;
    virtual std::string Title() const = 0;
    virtual void SetHelpFile(std::string_view path) = 0;
    // The folder the program was started from, where its help file and state live; '?' stands
    // for a character with no CP1251 form.
    virtual std::string ProgramFolder() const = 0;
    virtual std::string HelpFile() const = 0;
    // The program's own executable file, with its full path, as ProgramFolder gives folders.
    virtual std::string ExecutablePath() const = 0;
    // Windows are created hidden.
    virtual std::unique_ptr<window> CreateForm(const formdesign& design, windowevents& events) = 0;
    // A picture drawn like the screen it will be copied to.
    virtual std::unique_ptr<bitmap> CreateBitmap(extent size) = 0;
    // A picture of 32-bit pixels of the size given, black at first; null when it cannot be made
    // (too large, or out of memory), never an exception.
    virtual std::unique_ptr<pixelsurface> CreatePixelSurface(extent size) = 0;
    // An empty menu bar or popup menu, shown by this application's windows.
    virtual std::unique_ptr<menu> CreateMenu(menukind kind) = 0;
    // Dialogs are created hidden, with no buttons yet.
    virtual std::unique_ptr<dialogform> CreateDialogForm(std::string_view caption, dialogevents& events) = 0;
    // Shows an open or save dialog; true when the user chose a file, which is then in the
    // dialog's filename (and the filter they used in its filterindex).
    virtual bool ChooseFile(filedialog& dialog) = 0;
    // The system's font dialog, starting with the font given; true when the user chose one,
    // which is then in it.
    virtual bool ChooseFont(fontspec& font) = 0;
    // The system's colour dialog, starting with the colour given and offering the custom colours
    // (up to 16; white in the places left); true when the user chose one, which is then in it.
    virtual bool ChooseColour(colour& chosen, std::span<const colour> custom) = 0;
    // The system's simple message box with one button, for errors and refusals.
    virtual void ShowError(std::string_view text) = 0;
    // Opens a document or web address with the program the system has for it.
    virtual void OpenWithShell(std::string_view target, std::string_view folder) = 0;
    // Another running copy's main window titled caption (or "* " + caption) whose user data is
    // identity is shown and brought to the front; false when there is none.
    virtual bool BringForwardOtherWindow(std::string_view caption, uint32_t identity, const window& self) = 0;
    virtual bool HasPrinter() = 0;
    // The print dialog; true when the user asked to print.
    virtual bool ChoosePrint(printrequest& request) = 0;
    // Starts a job on the printer the dialog chose. Throws when it cannot.
    virtual std::unique_ptr<printjob> StartPrintJob(std::string_view title) = 0;
    // The names of the files in a folder that match *.dll, whatever their attributes.
    virtual std::vector<std::string> FindLibraries(std::string_view folder) = 0;
    // The library at a full path, loaded; null when it cannot be.
    virtual std::unique_ptr<library> OpenLibrary(std::string_view path) = 0;
    // Runs a call into a library's code: false when a fault inside it (a bad address, an illegal
    // instruction and the like) stopped it, the program going on from here.
    virtual bool CallGuarded(const std::function<void()>& call) = 0;
    // Runs the task from the message loop once the message being handled now is done: for what
    // must not happen inside a window's own handler, such as letting that window go.
    virtual void Post(std::function<void()> task) = 0;
    // Runs until Terminate; returns the exit code.
    virtual int Run() = 0;
    virtual void Terminate() = 0;
};

}  // namespace quillmap::platform
