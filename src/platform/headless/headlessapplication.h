#pragma once

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "platform/application.h"
#include "platform/headless/headlessactivatable.h"
#include "platform/headless/headlesscanvas.h"
#include "platform/headless/headlesscontrols.h"
#include "platform/headless/headlessdialogform.h"
#include "platform/headless/headlesslibrary.h"
#include "platform/headless/headlessprinter.h"

namespace quillmap::platform {

class headlesswindow;

// The application without a screen: windows are records that tests read and drive.
class headlessapplication final : public application {
public:
    headlessapplication() = default;
    ~headlessapplication() override;
    headlessapplication(const headlessapplication&) = delete;
    headlessapplication& operator=(const headlessapplication&) = delete;

    void MakeToolWindow() override { toolwindow_ = true; }
    void SetTitle(std::string_view title) override { title_ = title; }
    std::string Title() const override { return title_; }
    void SetHelpFile(std::string_view path) override { helpfile_ = path; }
    std::string HelpFile() const override { return helpfile_; }
    std::string ProgramFolder() const override { return programfolder; }
    std::string programfolder = "C:\\Quillmap";
    std::string ExecutablePath() const override { return programfolder + "\\quillmap.exe"; }
    std::unique_ptr<window> CreateForm(const formdesign& design, windowevents& events) override;
    std::unique_ptr<bitmap> CreateBitmap(extent size) override;
    // Surfaces hold their pixels in memory; after surfacesleft more (when not negative) making one
    // fails as it would when memory runs out.
    std::unique_ptr<pixelsurface> CreatePixelSurface(extent size) override;
    int32_t surfacesleft = -1;
    bool ChooseFile(filedialog& dialog) override;
    bool BringForwardOtherWindow(std::string_view caption, uint32_t identity, const window& self) override;
    // Main windows of other running copies, as (caption, user data); the one brought forward.
    std::vector<std::pair<std::string, uint32_t>> otherwindows;
    std::optional<size_t> broughtforward;
    bool HasPrinter() override { return true; }
    bool ChoosePrint(printrequest& request) override;
    std::unique_ptr<printjob> StartPrintJob(std::string_view title) override;
    headlessprinter& Printer() { return printer_; }
    // The font dialog answers with fontanswer, or is cancelled without one; the fonts it
    // started with are kept.
    bool ChooseFont(fontspec& font) override;
    std::optional<fontspec> fontanswer;
    std::vector<fontspec> fontdialogs;
    // The colour dialog likewise: answered with colouranswer, or cancelled; the colours it
    // started with are kept. Meanwhile it holds the activation, as the system's modal dialog does.
    bool ChooseColour(colour& chosen, std::span<const colour> custom) override;
    std::optional<colour> colouranswer;
    std::vector<colour> colourdialogs;
    std::vector<std::vector<colour>> customcolours;
    void ShowError(std::string_view text) override { errors_.emplace_back(text); }
    void OpenWithShell(std::string_view target, std::string_view folder) override {
        shellopens_.push_back(std::string(target) + "|" + std::string(folder));
    }
    // The next file dialog is answered with this name, or cancelled with an empty one; with no
    // answer queued a dialog is cancelled. Every dialog shown is kept for the tests.
    void QueueFileAnswer(std::string name) { fileanswers_.push_back(std::move(name)); }
    const std::vector<filedialog>& FileDialogs() const { return filedialogs_; }
    const std::vector<std::string>& Errors() const { return errors_; }
    // The information the dialogs' message boxes gave, in order.
    void RecordMessage(std::string_view text) { messages_.emplace_back(text); }
    const std::vector<std::string>& Messages() const { return messages_; }
    const std::vector<std::string>& ShellOpens() const { return shellopens_; }
    // Menus are their own records here: a test reads their items and clicks them.
    std::unique_ptr<menu> CreateMenu(menukind) override;
    std::unique_ptr<dialogform> CreateDialogForm(std::string_view caption, dialogevents& events) override;
    // Library files by full path; how many loads of them are alive; the paths loaded, in order.
    std::map<std::string, headlesslibraryfile> libraryfiles;
    std::vector<std::string> FindLibraries(std::string_view folder) override;
    std::unique_ptr<library> OpenLibrary(std::string_view path) override;
    int32_t LiveLibraries() const { return *livelibraries_; }
    std::vector<std::string> libraryloads;
    // A fault in a test's library is an exception it throws.
    bool CallGuarded(const std::function<void()>& call) override;
    // Posted tasks wait until the test plays the message loop with RunPosted.
    void Post(std::function<void()> task) override { posted_.push_back(std::move(task)); }
    // Runs the posted tasks, those they post included, as the message loop would once the
    // message being handled is done.
    void RunPosted();
    // Runs nothing: the loop ends at once with the code Terminate left, as after the last message.
    int Run() override { return 0; }
    void Terminate() override { terminated_ = true; }

    bool IsToolWindow() const { return toolwindow_; }
    bool Terminated() const { return terminated_; }
    // Windows in creation order; a destroyed window leaves its slot empty.
    const std::vector<headlesswindow*>& Windows() const { return windows_; }
    void Forget(const headlesswindow* gone);

    // Dialogs in creation order; a deleted one leaves its slot empty.
    const std::vector<headlessdialogform*>& Dialogs() const { return dialogs_; }
    void Forget(const headlessdialogform* gone);
    // What the user does in the coming modal showings, one answer after another.
    using modalanswer = std::function<void(headlessdialogform&)>;
    void QueueModalAnswer(modalanswer answer) { modalanswers_.push_back(std::move(answer)); }
    // The next queued answer; empty when none is left.
    modalanswer TakeModalAnswer();

    // Activation as the system keeps it: one window of the program is the active one, or none
    // while another program is (nullptr). The window losing it hears first, then the one gaining it.
    void Activate(headlessactivatable* window);
    headlessactivatable* ActiveWindow() const { return active_; }
    // A window hidden or destroyed while it is the active one passes activation to the one
    // active before it, as Windows does before the hiding or destroying call returns.
    void Withdraw(headlessactivatable& window);

private:
    headlessprinter printer_;
    std::deque<std::string> fileanswers_;
    std::vector<filedialog> filedialogs_;
    std::vector<std::string> errors_;
    std::vector<std::string> messages_;
    std::vector<std::string> shellopens_;
    bool toolwindow_ = false;
    bool terminated_ = false;
    std::string title_;
    std::string helpfile_;
    std::vector<headlesswindow*> windows_;
    std::vector<headlessdialogform*> dialogs_;
    std::deque<modalanswer> modalanswers_;
    headlessactivatable* active_ = nullptr;
    // The windows that may be activated again, the one activated last at the back.
    std::vector<headlessactivatable*> activated_;
    std::deque<std::function<void()>> posted_;
    std::shared_ptr<int32_t> livelibraries_ = std::make_shared<int32_t>(0);
};

class headlesswindow final : public window, public headlessactivatable {
public:
    headlesswindow(headlessapplication& app, const formdesign& design, windowevents& events);
    ~headlesswindow() override;

    void SetCaption(std::string_view caption) override { design_.caption = caption; }
    std::string Caption() const override { return design_.caption; }
    extent ClientSize() const override { return design_.client; }
    void Show() override { visible_ = true; }
    // Hiding the active window passes activation on.
    void Hide() override;
    bool Visible() const override { return visible_; }
    rect Bounds() const override { return bounds_; }
    void Invalidate() override { ++invalidations_; }
    void SetUserData(uint32_t value) override { userdata_ = value; }
    uint32_t UserData() const { return userdata_; }
    std::unique_ptr<scrollbar> CreateScrollBar(scrollaxis axis) override;
    std::unique_ptr<statusbar> CreateStatusBar() override;
    void StartTimer(int32_t id, int32_t milliseconds) override { timers_[id] = milliseconds; }
    void StopTimer(int32_t id) override { timers_.erase(id); }
    void Present(const bitmap&, const rect& area) override { presented_.push_back(area); }
    // Like Windows, which resizes the client area as the menu bar comes or goes and says so at once.
    void SetMenuBar(menu* bar) override;
    // Only noted: the test chooses an item itself, as the user would, by clicking it.
    void PopupMenu(menu& popup, point screen) override { popups_.push_back({&popup, screen}); }
    void ShowTitleBar(bool shown) override { titlebar_ = shown; }
    bool TitleBarShown() const override { return titlebar_; }
    void SetTopmost(bool topmost) override {
        topmost_ = topmost;
        visible_ = true;
    }
    bool Topmost() const { return topmost_; }
    uint32_t ShowCommand() const override { return showcommand_; }
    void SetShowCommand(uint32_t command) override { showcommand_ = command; }
    void AcceptDroppedFiles(bool accept) override { acceptsdrops_ = accept; }
    bool AcceptsDrops() const { return acceptsdrops_; }
    void SetSizeGrip(const rect& area) override { sizegrip_ = area; }
    const rect& SizeGrip() const { return sizegrip_; }
    void Focus() override { ++focused_; }
    int Focused() const { return focused_; }
    // The test says which owned windows stay on top; lowering takes them out of the band, and
    // raising puts back those given.
    std::vector<uintptr_t> LowerOwnedTopmost() override;
    void RaiseOwned(const std::vector<uintptr_t>& windows) override;
    std::vector<uintptr_t> ownedtopmost;
    void Disconnect() override;
    // The menu bar was destroyed while the window showed it: it is taken off, as Windows does.
    void MenuBarGone();
    void SetCursor(cursorshape shape) override { cursor_ = shape; }
    void CaptureMouse(bool capture) override { captured_ = capture; }
    cursorshape Cursor() const { return cursor_; }
    bool Captured() const { return captured_; }

    const formdesign& Design() const { return design_; }
    int Invalidations() const { return invalidations_; }
    // Drives the window as the system would.
    void Paint(headlesscanvas& surface) { events_->OnPaint(surface); }
    void Resize(extent client);
    void SetBounds(const rect& bounds) override { bounds_ = bounds; }
    void Close() { events_->OnClose(); }
    // The user drags a bar's thumb to a position.
    void Scroll(scrollaxis axis, int32_t position);
    // A running timer fires.
    void Tick(int32_t id);
    // The user activates the window, or another program (false).
    void Activate(bool active);
    void ActivationChanged(bool active) override { events_->OnActivate(active); }
    void KeyDown(uint16_t key, uint8_t shift = 0) { events_->OnKeyDown(key, shift); }
    // shift: the keys still held after this one went up.
    void KeyUp(uint16_t key, uint8_t shift = 0) { events_->OnKeyUp(key, shift); }
    // A key as the system sends it: its key-down, and the character it types, if any, unless
    // Ctrl or Alt is held.
    void Type(uint16_t key, char character = 0, uint8_t shift = 0) {
        events_->OnKeyDown(key, shift);
        if (character && !(shift & (ssCtrl | ssAlt))) events_->OnChar(character);
    }
    void MouseDown(point at, uint8_t shift = 0, mousebutton button = mousebutton::left) {
        events_->OnMouseDown(button, at, shift);
    }
    void MouseMove(point at, uint8_t shift = 0) { events_->OnMouseMove(at, shift); }
    void MouseUp(point at, uint8_t shift = 0, mousebutton button = mousebutton::left) {
        events_->OnMouseUp(button, at, shift);
    }
    void DoubleClick(point at) {
        events_->OnDoubleClick(at);
        events_->OnMouseDown(mousebutton::left, at, 0);
    }
    void Wheel(int32_t delta) { events_->OnWheel(delta); }
    // Files dropped from the shell: only a window that accepts them hears of it.
    void DropFile(const std::string& path) {
        if (acceptsdrops_) events_->OnDropFile(path);
    }
    void TaskbarMenu(point screen) { events_->OnTaskbarMenu(screen); }
    void ContextMenu(point screen) { events_->OnContextMenu(screen); }

    headlessscrollbar* ScrollBar(scrollaxis axis) const { return axis == scrollaxis::vertical ? vertical_ : horizontal_; }
    headlessstatusbar* StatusBar() const { return statusbar_; }
    // Running timers and their intervals.
    const std::map<int32_t, int32_t>& Timers() const { return timers_; }
    const std::vector<rect>& Presented() const { return presented_; }
    void EnterMenuLoop() { events_->OnEnterMenuLoop(); }

    menu* MenuBar() const { return menubar_; }
    struct shownpopup {
        menu* popup;
        point screen;
    };
    // Every popup menu shown, in order.
    const std::vector<shownpopup>& Popups() const { return popups_; }

private:
    headlessapplication& app_;
    formdesign design_;
    rect bounds_;
    // The owner's, until it disconnects.
    windowevents* events_;
    bool visible_ = false;
    int invalidations_ = 0;
    uint32_t userdata_ = 0;
    headlessscrollbar* vertical_ = nullptr;
    headlessscrollbar* horizontal_ = nullptr;
    headlessstatusbar* statusbar_ = nullptr;
    std::map<int32_t, int32_t> timers_;
    std::vector<rect> presented_;
    menu* menubar_ = nullptr;
    std::vector<shownpopup> popups_;
    cursorshape cursor_ = cursorshape::arrow;
    bool captured_ = false;
    bool titlebar_ = true;
    bool topmost_ = false;
    uint32_t showcommand_ = 1;
    bool acceptsdrops_ = false;
    rect sizegrip_;
    int focused_ = 0;
};

}  // namespace quillmap::platform
