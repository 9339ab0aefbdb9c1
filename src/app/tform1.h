#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/application.h"
#include "platform/bitmap.h"
#include "platform/controls.h"
#include "platform/system.h"
#include "app/association.h"
#include "app/encodingfile.h"
#include "app/mainmenu.h"
#include "app/pluginhost.h"
#include "app/pluginservices.h"
#include "app/skinhost.h"
#include "app/statefile.h"
#include "app/taskbarmenu.h"
#include "app/viewactions.h"
#include "app/windowpopup.h"
#include "dialogs/mesokno.h"
#include "dialogs/popupwindows.h"
#include "views/vwgif.h"

namespace quillmap {

class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TForm6;
class TForm7;
class TForm8;
class TForm13;

// The main window: lives from start to end of the program. It draws its view into an off-screen
// picture, copies that to the screen, keeps the scroll bars, the status bar and the caret.
class Tform1 final : public platform::windowevents, private pluginservices {
public:
    static constexpr int32_t ScrollBarSize = 18;
    static constexpr int32_t StatusBarHeight = 19;
    static constexpr int32_t CaretTimer = 1;
    static constexpr int32_t CaretBlink = 500;
    static constexpr int32_t AutoScrollTimer = 2;
    static constexpr int32_t AutoScrollInterval = 50;
    // Behind the codes, until the user picks another colour or a skin paints there.
    static constexpr platform::colour PictureBackground = platform::clWhite;

    Tform1(platform::application& app, platform::system& system);
    // The window hears nothing more before the parts go: the menu bar, taken off as it goes,
    // resizes it, and the document information, destroyed, activates it.
    ~Tform1();
    Tform1(const Tform1&) = delete;
    Tform1& operator=(const Tform1&) = delete;

    platform::window& Window() { return *window_; }
    vwgif& View() { return *view_; }
    popupwindows& Popups() { return popups_; }
    platform::bitmap& Picture() { return *bitmap_; }
    platform::scrollbar& VScroll() { return *vscroll_; }
    platform::scrollbar& HScroll() { return *hscroll_; }
    int32_t MarginX() const { return marginx_; }
    int32_t MarginY() const { return marginy_; }

    // The file commands. OpenDocument throws bytefileerror when the file cannot be read at all;
    // the window then keeps the document it had. A file that can be read but not loaded leaves an
    // empty document under its name, with a message.
    void NewDocument();
    // The caption of a new document, which the application's title takes too.
    void ShowUntitledCaption();
    void OpenCommand();
    void OpenDocument(const std::string& path);
    void Save();
    void SaveAs();
    void Print();
    void Exit();
    // data.dat in the program's folder: read once at start, the first run without one setting the
    // window in the middle of the work area; written once at the end, through a new file that
    // replaces the old one only when complete. A state file that cannot be written is reported
    // and the program ends all the same.
    void LoadState();
    void SaveState();
    void Help();
    void DownloadPlugins();
    // True when the system gave the name exactly; otherwise the name is refused with a beep and
    // a message, and no file is touched: it could be another file that only looks like it.
    bool AcceptFileName(const std::string& path);
    // Asks about a changed document before it is dropped; true when the command must stop.
    bool ConfirmDiscard();
    // Before a document is left: its name and caret go first in the recent list.
    void RememberRecent();
    // The window's appearance recorded: pinned to the document when it has a pinned record,
    // otherwise as the default appearance.
    void chfls();
    // The window's appearance pinned to a path; false when the pinned list is full.
    bool addfls(const std::string& path);
    // The recent files in "Файл", made again each time a menu opens.
    void N1Click();
    // A recent file chosen: the document left is remembered and the file opened with its caret;
    // a file that cannot be read beeps, and its entry leaves the list.
    void OpenRecent(size_t index);
    // Ctrl+Tab: the switcher made at start-up shows the recent files while Ctrl is held, and the
    // one selected when it goes up opens.
    void SetSwitcher(TForm13& switcher);
    // The skins in the program's "skins" folder fill "Шкурки"; choosing one (fpress) makes it
    // paint the picture's background. Without an argument, start-up chooses the default
    // appearance's skin, "Без шкурок" when it is gone.
    void ScanSkins();
    void fpress(size_t index);
    void RestoreDefaultSkin();
    // "Настройка шкурки...": the skin's own settings, or the background's colour dialog.
    void N46Click();
    // "Кодировка": the item's encoding shows the bytes from now on (codirclick, also F8 and the
    // remembered encodings). A loaded encoding whose file cannot be read any more leaves the menu
    // instead. "Загрузить из файла..." (N56Click) adds an ".enc" file under a name the user gives;
    // AddEncoding renames one loaded already, and false tells that the file was refused.
    // RemoveEncoding takes a loaded one away by its number, the stored numbers following.
    void codirclick(platform::menuitem& item);
    void ApplyEncoding(platform::menuitem& item);
    void N56Click();
    bool AddEncoding(const std::string& path, const std::string& name);
    void RemoveEncoding(size_t number);
    skinhost& Skins() { return skins_; }
    platform::colour Background() const { return skins_.Background(); }
    // The plug-ins in the program's "plugins" folder fill "Плагины"; their items (plgpress) and
    // keys run their commands, which reach the document through PluginService.
    void ScanPlugins();
    void plgpress(size_t index);
    pluginhost& Plugins() { return plugins_; }
    // The edit commands of the menus.
    void Undo();
    void Redo();
    void SelectAll();
    // The clipboard: the selected bytes go there exactly, and come back exactly.
    void Cut();
    void Copy();
    void Paste();
    void ToggleStatusBar();
    // "Всё лишнее убрано": no title bar, menu bar or status bar; the first time it warns how to
    // come back, unless the user asked not to be told again.
    void ToggleAllRemoved();
    // "Поверх других окон": the window stays above all others.
    void ToggleOnTop();
    // "Шрифт...": the codes and texts in a font the user chooses.
    void ChooseFont();
    // "Тонкая настройка...": the dialog made at start-up, whose applied values the window follows.
    void SetFineSettings(TForm7& dialog);
    void ShowFineSettings();
    // "Закрепить внешний вид за файлами...": the dialog made at start-up; its checked files get
    // the window's appearance as it is at "ОК", its unchecked ones lose theirs.
    void SetPinnedFiles(TForm6& dialog);
    void N29Click();
    // File types: the first run greets the user with one dialog made at start-up and binds the
    // extensions typed there; "Закрепить за расширениями..." (N28Click) edits them in the other.
    void SetAssociationDialogs(TForm4& greeting, TForm5& extensions);
    void N28Click();
    const std::vector<std::string>& Extensions() const { return state_.extensions; }
    // The open and save dialogs offer the bound extensions as a filter of their own.
    void BuildFileFilters();
    // "О программе...": the about box made at start-up, centred over the window.
    void SetAbout(TForm8& dialog);
    void ShowAbout();
    // "Найти...", "Найти следующий" and "Заменить...": the dialogs made at start-up, which
    // search the view and replace in it. Opened from a key with Ctrl held, they are centred over
    // the window; from the menu, they open at the mouse.
    void SetSearchDialogs(TForm2& find, TForm3& replace);
    void ShowFind(bool centred);
    void FindNext();
    void ShowReplace(bool centred);
    // "Информация о документе...": a message beside the window, or at the mouse when the command
    // came from a menu clicked with it.
    void DocumentInfo(bool fromkeyboard);
    mesokno* InfoWindow() const { return infowindow_.get(); }
    // The caret, the anchor, the line count, the mode and the open time.
    void UpdateStatusBar();
    mainmenu& Menu() { return *menu_; }
    windowpopup& Popup() { return *popup_; }
    // The view's own menu items, by their index among its actions.
    const std::vector<tmnitem*>& ViewActions() const { return viewactions_->Items(); }
    taskbarmenu& Taskbar() { return *taskbar_; }

    const std::string& DocumentName() const { return documentname_; }
    int32_t OpenTime() const { return opentime_; }

    // The "* " before the caption tells that the document has changed since it was saved.
    void SetModified(bool modified);
    bool Modified() const { return modified_; }

    // Draws the background and the view into the picture, inside the margins.
    void RenderView();
    // Copies the picture to the window.
    void PresentView();
    // Each bar follows the content's size against the visible area; a bar that is not needed is
    // disabled and the view scrolls back to 0.
    void UpdateVScroll();
    void UpdateHScroll();
    // The bars follow the view's scroll offsets, then the view is drawn and shown.
    void SyncScrollBars();
    // Shows or hides the caret by inverting it.
    void ToggleCaret();
    bool CaretDrawn() const { return caretdrawn_; }

    void OnPaint(platform::canvas& surface) override;
    void OnResize(platform::extent client) override;
    void OnClose() override;
    void OnScroll(platform::scrollaxis axis, int32_t position) override;
    void OnTimer(int32_t id) override;
    // The caret blinks only while the window is active.
    void OnActivate(bool active) override;
    void OnEnterMenuLoop() override;
    // The keys of the commands this window runs itself, and the keys that move the caret and edit.
    void OnKeyDown(uint16_t key, uint8_t shift) override;
    void OnKeyUp(uint16_t key, uint8_t shift) override;
    // Typing, the mouse and the wheel on the view.
    void OnChar(char character) override;
    void OnMouseDown(platform::mousebutton button, platform::point at, uint8_t shift) override;
    void OnMouseMove(platform::point at, uint8_t shift) override;
    void OnMouseUp(platform::mousebutton button, platform::point at, uint8_t shift) override;
    void OnDoubleClick(platform::point at) override;
    void OnWheel(int32_t delta) override;
    // A file dropped from the shell opens like one chosen in "Открыть...".
    void OnDropFile(const std::string& path) override;
    void OnContextMenu(platform::point screen) override;
    // The taskbar button's menu offers what the window's state allows.
    void OnTaskbarMenu(platform::point screen) override;
    // The column a run of vertical moves keeps; -1 when none is kept.
    int32_t DesiredColumn() const { return desiredcolumn_; }

    // Around every dialog and message the main window shows: it stops being the active window
    // for the while, its caret stays hidden, and it leaves the topmost band so that the dialog
    // can be seen.
    void BeginDialog();
    void EndDialog();

private:
    // Margins, the picture, the bars and the view's visible size follow the client area.
    void Layout(platform::extent client);
    // The view's menu items take their keys from the view and tell it their check marks.
    void RefreshViewActions();
    void UpdateScroll(platform::scrollaxis axis);
    void HideCaret();
    void DrawCaret();
    int32_t StatusHeight() const;
    // What the window does when it stops being the active one, and when it becomes it again:
    // the caret, its blinking, the edit items' keys, and the program's windows kept on top,
    // which must not stay above other programs meanwhile.
    void Deactivate();
    void Activate();
    // The modes as their check marks say, when the window is first painted.
    void ApplyModes();
    void ApplyAllRemoved(bool on);
    void WarnAboutAllRemoved();
    // Puts the selection on the clipboard; false when there was none or the clipboard refused.
    bool CopySelection();
    void FirstRun();
    void Greet();
    associator Associator();
    // Only the extensions the registry still gives to the program stay in its list.
    void KeepAssociatedExtensions();
    // A search dialog is to be shown: the window gives up the activation and the topmost band.
    void LeaveForDialog();
    // The window, its menus and the view as the state file left them.
    void ApplyState();
    // The window as it is now, written over what the record held.
    void RecordAppearance(winposit& look) const;
    // A file's pinned appearance, or the default one, given to the window; a pinned one switches
    // "Всё лишнее убрано" without its warning.
    void ApplyAppearance(const winposit& look, bool pinned);
    // Where the caret was when the file was left, if the list remembers it and the setting asks.
    void RestoreRecentCaret(const std::string& path);
    // Ctrl+Tab, with Shift going back.
    void DriveSwitcher(bool backward);
    // Opens a file the user named; one that cannot be read only beeps, and false comes back.
    bool OpenOrBeep(const std::string& path);
    // Saves under a name, which the document takes once the file is written; a failure is told
    // and leaves the name as it was.
    bool SaveUnder(const std::string& name);
    // The encoding items get their handlers once the menu is made.
    void BindEncodings();
    void BindEncodingItem(platform::menuitem& item);
    // The encodings that may be chosen: every item but "Загрузить из файла...".
    size_t EncodingCount() const;
    std::optional<charmaptable> ReadEncodingFile(const std::string& path);
    // The encoding a stored number names made current, without drawing: a new view follows.
    // A number that names no encoding is "Windows".
    void ApplyStoredEncoding(uint8_t number);
    // The number of the checked encoding; "Windows" when none is.
    uint8_t CheckedEncoding() const;
    // The loaded encodings data.dat named, those that can still be read, and the default one made
    // current.
    void RestoreEncodings();
    // The skin item whose path is the one given, clicked; false when there is none.
    bool ChooseSkinPath(const std::string& path);
    // A plug-in's command, with the caret hidden while the plug-in works on the view.
    void RunPlugin(size_t index, int32_t command);
    // What a plug-in's commands ask of the window.
    void KeyDown(uint16_t key, uint8_t shift) override;
    void TypeChar(char character) override;
    textpos Position(bool caret) const override;
    bool SetPosition(textpos position, bool caret) override;
    int32_t EndPosition() const override;
    std::string Line(int32_t line) const override;
    void Refresh() override;
    void Open(const std::string& path) override;
    void Save(const std::string& path) override;
    std::string DocumentPath() const override { return documentname_; }
    void ReadBlocks(const blockreader& callback) const override;
    void RewriteBlocks(const blockrewriter& callback) override;
    std::string Selection() const override;
    void ReplaceSelection(std::string_view text) override;
    platform::extent ViewSize() const override;
    void ReadFields(const fieldreader& callback) const override;
    void RewriteFields(const fieldrewriter& callback) override;
    // After a plug-in rewrote the document: the history's items and the modified mark.
    void PluginEdited();
    std::unique_ptr<vwgif> MakeView();
    mainmenuhandlers MenuHandlers();
    taskbarhandlers TaskbarHandlers();
    // After undo or redo: the modified mark, the menu, the bars and the picture.
    void AfterHistoryStep();
    // The program's message window with the one button "ОК", beside the main window, waited for.
    void ShowMessage(std::string_view title, std::string_view text);
    // Memory ran out inside a command, which the view has undone: the window follows the
    // document again, and a message says what happened.
    void OnOutOfMemory();
    // After a view action ran.
    void ViewActionDone(bool changed);
    // A fresh view with the window's sizes, scrolled to the top; the old one is handed back.
    std::unique_ptr<vwgif> ReplaceView(std::unique_ptr<vwgif> view);
    void SetCaption(const std::string& caption);
    // Lets the document information go, though only once the message that one of its own
    // handlers is running has been handled.
    void ReleaseInfoWindow(const mesokno& window);
    void ShowError(std::string_view text);
    // A caret move from a key, between hiding the caret and showing it where the move left it.
    void CaretCommand(const std::function<void()>& move);
    // An edit from a key or a typed character: it answers whether the layout changed. The
    // document is marked changed when its bytes did.
    void EditCommand(const std::function<bool()>& edit);
    // F1 to F12: true when the key is one of those the window answers.
    bool FunctionKey(uint16_t key, uint8_t shift);
    // Delete: the selection, or the digit at the caret when there is one.
    bool DeleteForward();
    // A client point in the view's own coordinates.
    platform::point ViewPoint(platform::point client) const;
    // While a selection is dragged past the picture's edges, the view scrolls after the mouse.
    void AutoScroll();
    void AutoScrollAxis(platform::scrollaxis axis, int32_t before, int32_t after, double& accumulator);
    // The document on the printer's pages, from..to counted from 1; earlier pages are drawn and
    // thrown away so that page numbers stay those of the whole printout.
    void PrintPages(platform::printjob& job, int32_t from, int32_t to);

    platform::application& app_;
    platform::system& system_;
    skinhost skins_;
    pluginhost plugins_;
    // The text and picture popups the view shows; they outlive every view.
    popupwindows popups_;
    std::unique_ptr<platform::window> window_;
    std::unique_ptr<platform::bitmap> bitmap_;
    std::unique_ptr<platform::scrollbar> vscroll_;
    std::unique_ptr<platform::scrollbar> hscroll_;
    std::unique_ptr<platform::statusbar> statusbar_;
    std::unique_ptr<mainmenu> menu_;
    std::unique_ptr<windowpopup> popup_;
    std::unique_ptr<taskbarmenu> taskbar_;
    // The view's own menu items, made with the first view and rebound to every later one.
    std::unique_ptr<viewactions> viewactions_;
    // The document information, until it stops being the active window.
    std::unique_ptr<mesokno> infowindow_;
    std::unique_ptr<vwgif> view_;
    int32_t marginx_ = 0;
    int32_t marginy_ = 0;
    bool modified_ = false;
    std::string documentname_;
    int32_t opentime_ = -1;  // milliseconds the last open took; -1 for a new document
    platform::filedialog opendialog_;
    platform::filedialog savedialog_;
    bool caretdrawn_ = false;
    // The caret stays hidden until the window has been painted once.
    bool painted_ = false;
    // The program's windows taken out of the topmost band while this one is inactive; while a
    // dialog is up they wait aside, so that its activations do not raise them.
    std::vector<uintptr_t> loweredwindows_;
    std::vector<uintptr_t> dialogwindows_;
    TForm7* finesettings_ = nullptr;
    TForm6* pinnedfiles_ = nullptr;
    TForm8* about_ = nullptr;
    TForm4* greeting_ = nullptr;
    TForm5* extensionsdialog_ = nullptr;
    TForm13* switcher_ = nullptr;
    TForm2* finddialog_ = nullptr;
    TForm3* replacedialog_ = nullptr;
    // Whether the window is the active one, as the system last said; and whether the message a
    // search dialog shows was bracketed as one of the window's own, which only an active window's is.
    bool active_ = false;
    bool searchmessagebracketed_ = false;
    // What data.dat held besides the settings; the parts later work fills are kept as read.
    statedata state_;
    // The table of the checked encoding, which every new view starts with.
    charmaptable charmap_ = WindowsTable();

    // Input state: the remembered column, a selection being dragged, the right button held, the
    // modifiers of the last key, a press that belongs to a double click, the cursor shown, and
    // the last mouse move, which autoscroll replays.
    int32_t desiredcolumn_ = -1;
    bool dragging_ = false;
    bool rightheld_ = false;
    bool ctrloralt_ = false;
    bool swallowpress_ = false;
    platform::cursorshape cursor_ = platform::cursorshape::arrow;
    platform::point lastmouse_;
    uint8_t lastshift_ = 0;
    // How far the mouse is beyond each edge of the picture (above, below, left, right; positive
    // outside), and the scroll that has built up but not yet moved a whole pixel.
    struct autoscrollstate {
        int32_t above = 0, below = 0, left = 0, right = 0;
        double vertical = 0.0, horizontal = 0.0;
    } autoscroll_;
};

}  // namespace quillmap
