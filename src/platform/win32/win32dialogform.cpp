#include "platform/win32/win32dialogform.h"

#include <system_error>

#include <commctrl.h>

#include "platform/eventguard.h"
#include "platform/radiorun.h"
#include "platform/win32/dchandle.h"
#include "platform/win32/gdicanvas.h"
#include "platform/win32/gdifont.h"
#include "platform/win32/textcodec.h"
#include "platform/win32/win32controls.h"

namespace quillmap::win32 {

namespace {

constexpr wchar_t DialogClassName[] = L"QuillmapDialog";
// A fixed dialog frame with only the system menu in the title bar.
constexpr DWORD DialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD DialogExStyle = WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
// Button identifiers start above 0, which WM_COMMAND leaves to menus; edit boxes have theirs
// above every button's.
constexpr UINT_PTR FirstButtonId = 1;
constexpr UINT_PTR FirstEditId = 0x1000;
constexpr UINT_PTR FirstCheckListId = 0x2000;
// The state image of a list view item with check boxes: 1 unchecked, 2 checked.
constexpr UINT UncheckedImage = 1;
constexpr UINT CheckedImage = 2;

// System colours are looked up when they are drawn, so they follow the user's scheme.
COLORREF Resolved(platform::colour c) { return (c & 0xFF000000u) == 0x80000000u ? GetSysColor(c & 0xFF) : c; }

platform::point PointOf(LPARAM lparam) {
    return {static_cast<int16_t>(LOWORD(lparam)), static_cast<int16_t>(HIWORD(lparam))};
}

std::system_error LastError(const char* what) {
    return std::system_error(static_cast<int>(GetLastError()), std::system_category(), what);
}

void RegisterDialogClass(HINSTANCE instance, WNDPROC procedure) {
    static const ATOM registered = [&] {
        WNDCLASSEXW dialog{};
        dialog.cbSize = sizeof dialog;
        // Double clicks come as such, for the owner's own drawn controls.
        dialog.style = CS_DBLCLKS;
        dialog.lpfnWndProc = procedure;
        dialog.hInstance = instance;
        dialog.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        dialog.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
        dialog.lpszClassName = DialogClassName;
        return RegisterClassExW(&dialog);
    }();
    if (registered == 0) {
        throw LastError("RegisterClassExW");
    }
}

// The kind of a button control is in its style.
LONG ButtonType(HWND button) { return GetWindowLongW(button, GWL_STYLE) & BS_TYPEMASK; }

bool IsPushButton(HWND button) {
    const LONG type = ButtonType(button);
    return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
}

bool IsRadioButton(HWND button) { return ButtonType(button) == BS_AUTORADIOBUTTON; }
bool IsGroupBox(HWND button) { return ButtonType(button) == BS_GROUPBOX; }

// The window procedure every button had before the dialog took its keys.
WNDPROC& OriginalButtonProcedure() {
    static WNDPROC original = nullptr;
    return original;
}

// The window procedure of every edit box before the dialog took its keys.
WNDPROC& OriginalEditProcedure() {
    static WNDPROC original = nullptr;
    return original;
}

// The window procedure of every check list before the dialog took its keys.
WNDPROC& OriginalCheckListProcedure() {
    static WNDPROC original = nullptr;
    return original;
}

// The one column as wide as the widest text, so that a long one can be scrolled to, and at least
// as wide as the list, so that a click anywhere on a row is on its item.
void FitColumn(HWND list) {
    SendMessageW(list, LVM_SETCOLUMNWIDTH, 0, LVSCW_AUTOSIZE);
    RECT inside{};
    GetClientRect(list, &inside);
    if (SendMessageW(list, LVM_GETCOLUMNWIDTH, 0, 0) < inside.right) {
        SendMessageW(list, LVM_SETCOLUMNWIDTH, 0, inside.right);
    }
}

// While a dialog is shown modally the program's other windows take no input, as with any modal
// form; they are enabled again, and the window that was active is activated, when it ends.
class otherwindowsdisabled {
public:
    explicit otherwindowsdisabled(HWND dialog) : dialog_(dialog), active_(GetActiveWindow()) {
        EnumThreadWindows(GetCurrentThreadId(), &otherwindowsdisabled::Disable, reinterpret_cast<LPARAM>(this));
    }
    ~otherwindowsdisabled() {
        for (HWND window : disabled_) {
            if (IsWindow(window)) EnableWindow(window, TRUE);
        }
    }
    otherwindowsdisabled(const otherwindowsdisabled&) = delete;
    otherwindowsdisabled& operator=(const otherwindowsdisabled&) = delete;

    HWND PreviouslyActive() const { return active_; }

private:
    static BOOL CALLBACK Disable(HWND window, LPARAM self) {
        auto* me = reinterpret_cast<otherwindowsdisabled*>(self);
        if (window != me->dialog_ && IsWindowVisible(window) && IsWindowEnabled(window)) {
            EnableWindow(window, FALSE);
            me->disabled_.push_back(window);
        }
        return TRUE;
    }

    HWND dialog_;
    HWND active_;
    std::vector<HWND> disabled_;
};

}  // namespace

win32dialogform::win32dialogform(std::string_view caption, platform::dialogevents& events, HWND owner)
    : events_(events) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    RegisterDialogClass(instance, &win32dialogform::Procedure);
    const std::wstring title = WideFromCp1251(caption);
    HWND made = CreateWindowExW(DialogExStyle, DialogClassName, title.c_str(), DialogStyle, 0, 0, 0, 0, owner,
                                nullptr, instance, this);
    if (made == nullptr) {
        throw LastError("CreateWindowExW");
    }
    handle_ = windowhandle(made);
}

win32dialogform::~win32dialogform() {
    if (Handle() != nullptr) {
        SetWindowLongPtrW(Handle(), GWLP_USERDATA, 0);
        for (HWND button : buttons_) SetWindowLongPtrW(button, GWLP_USERDATA, 0);
        for (HWND edit : edits_) SetWindowLongPtrW(edit, GWLP_USERDATA, 0);
        for (HWND list : checklists_) SetWindowLongPtrW(list, GWLP_USERDATA, 0);
    }
}

HWND win32dialogform::CreateChild(const wchar_t* kind, const wchar_t* text, DWORD style, size_t id,
                                  WNDPROC procedure, WNDPROC& original) {
    HWND child = CreateWindowExW(0, kind, text, style, 0, 0, 0, 0, Handle(), reinterpret_cast<HMENU>(id),
                                 GetModuleHandleW(nullptr), nullptr);
    if (child == nullptr) {
        throw LastError("CreateWindowExW");
    }
    // The child's messages pass through this window's procedure for it, which finds this object
    // in the child's user data.
    SetWindowLongPtrW(child, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    original = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(child, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
    return child;
}

size_t win32dialogform::AddButtonStyled(std::string_view caption, DWORD style) {
    const size_t index = buttons_.size();
    const std::wstring text = WideFromCp1251(caption);
    // The window sees the keys typed on its buttons first: Esc, and Enter on the focused one.
    HWND button = CreateChild(L"BUTTON", text.c_str(), WS_CHILD | WS_VISIBLE | style, FirstButtonId + index,
                              &win32dialogform::ButtonProcedure, OriginalButtonProcedure());
    if (buttonfont_) {
        SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(buttonfont_.Get()), TRUE);
    }
    buttons_.push_back(button);
    ownbuttonfonts_.emplace_back();
    return index;
}

size_t win32dialogform::AddButton(std::string_view caption) {
    return AddButtonStyled(caption, WS_TABSTOP | BS_PUSHBUTTON);
}

// The system checks and unchecks it, Space included, before the window hears of the click.
size_t win32dialogform::AddCheckBox(std::string_view caption) {
    return AddButtonStyled(caption, WS_TABSTOP | BS_AUTOCHECKBOX);
}

size_t win32dialogform::AddRadioButton(std::string_view caption) {
    // The first of a run starts a group, the system's own run of radio buttons.
    const bool first = buttons_.empty() || !IsRadioButton(buttons_.back());
    return AddButtonStyled(caption, WS_TABSTOP | BS_AUTORADIOBUTTON | (first ? WS_GROUP : 0));
}

size_t win32dialogform::AddGroupBox(std::string_view caption) {
    // The frame lies under the controls it holds and paints around them: the window clips its
    // children out of its own painting, so the frame fills its inside itself.
    const size_t index = AddButtonStyled(caption, BS_GROUPBOX | WS_CLIPSIBLINGS);
    SetWindowPos(buttons_[index], HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return index;
}

bool win32dialogform::Checked(size_t index) const {
    return SendMessageW(buttons_.at(index), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void win32dialogform::SetChecked(size_t index, bool checked) {
    HWND button = buttons_.at(index);
    if (!checked || !IsRadioButton(button)) {
        SendMessageW(button, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
        return;
    }
    const platform::buttonrange run =
        platform::RadioRun(index, buttons_.size(), [this](size_t k) { return IsRadioButton(buttons_[k]); });
    CheckRadioButton(Handle(), static_cast<int>(FirstButtonId + run.first), static_cast<int>(FirstButtonId + run.last),
                     static_cast<int>(FirstButtonId + index));
}

void win32dialogform::SetButtonEnabled(size_t index, bool enabled) {
    HWND button = buttons_.at(index);
    const bool hadkeyboard = GetFocus() == button;
    EnableWindow(button, enabled ? TRUE : FALSE);
    // The system takes the keyboard from a disabled control and leaves it nowhere: the window
    // passes it on.
    if (hadkeyboard && !enabled) SetFocus(Handle());
}

bool win32dialogform::ButtonEnabled(size_t index) const { return IsWindowEnabled(buttons_.at(index)) != FALSE; }

void win32dialogform::SetButtonBounds(size_t index, const platform::rect& bounds) {
    MoveWindow(buttons_.at(index), bounds.left, bounds.top, bounds.Width(), bounds.Height(), TRUE);
}

void win32dialogform::SetButtonFont(const platform::fontspec& font) {
    fonthandle made = MakeFont(font);
    if (!made) {
        return;
    }
    for (HWND button : buttons_) {
        SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(made.Get()), TRUE);
    }
    for (HWND list : checklists_) {
        SendMessageW(list, WM_SETFONT, reinterpret_cast<WPARAM>(made.Get()), TRUE);
        FitColumn(list);
    }
    // The old fonts are deleted only now that no button shows them.
    buttonfont_ = std::move(made);
    for (fonthandle& own : ownbuttonfonts_) own = fonthandle();
}

void win32dialogform::SetOneButtonFont(size_t index, const platform::fontspec& font) {
    HWND button = buttons_.at(index);
    fonthandle made = MakeFont(font);
    if (!made) {
        return;
    }
    SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(made.Get()), TRUE);
    ownbuttonfonts_[index] = std::move(made);
}

std::unique_ptr<platform::scrollbar> win32dialogform::CreateScrollBar(platform::scrollaxis axis) {
    return std::make_unique<win32scrollbar>(Handle(), axis);
}

size_t win32dialogform::AddEdit() {
    const size_t index = edits_.size();
    // A plain border rather than the sunken 3D edge: the flat look.
    // The owner hears every character typed in the box before the box types it.
    HWND edit = CreateChild(L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL,
                            FirstEditId + index, &win32dialogform::EditProcedure, OriginalEditProcedure());
    edits_.push_back(edit);
    editfonts_.emplace_back();
    editcolours_.push_back(platform::clBlack);
    editbackgrounds_.emplace_back();
    return index;
}

void win32dialogform::SetEditBounds(size_t index, const platform::rect& bounds) {
    MoveWindow(edits_.at(index), bounds.left, bounds.top, bounds.Width(), bounds.Height(), TRUE);
}

void win32dialogform::SetEditFont(size_t index, const platform::fontspec& font) {
    HWND edit = edits_.at(index);
    editcolours_[index] = font.textcolour;
    fonthandle made = MakeFont(font);
    if (!made) {
        return;
    }
    SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(made.Get()), TRUE);
    editfonts_[index] = std::move(made);
}

void win32dialogform::SetEditMaxLength(size_t index, int32_t characters) {
    SendMessageW(edits_.at(index), EM_SETLIMITTEXT, static_cast<WPARAM>(characters > 0 ? characters : 0), 0);
}

std::string win32dialogform::EditText(size_t index) const {
    HWND edit = edits_.at(index);
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(edit, text.data(), static_cast<int>(text.size()))));
    return Cp1251FromWide(text);
}

void win32dialogform::SetEditText(size_t index, std::string_view text) {
    SetWindowTextW(edits_.at(index), WideFromCp1251(text).c_str());
}

void win32dialogform::FocusEdit(size_t index) {
    HWND edit = edits_.at(index);
    // Asked while the window is still hidden (as it is laid out): it takes the keyboard as it opens.
    if (!IsWindowVisible(Handle())) {
        openingfocus_ = edit;
        return;
    }
    SetFocus(edit);
    SendMessageW(edit, EM_SETSEL, 0, -1);
}

void win32dialogform::SetEditBackground(size_t index, platform::colour background) {
    HWND edit = edits_.at(index);
    brushhandle made(CreateSolidBrush(Resolved(background)));
    if (!made) {
        return;
    }
    editbackgrounds_[index] = std::move(made);
    InvalidateRect(edit, nullptr, TRUE);
}

LRESULT win32dialogform::ColourEdit(HWND edit, HDC dc) {
    for (size_t k = 0; k < edits_.size(); ++k) {
        if (edits_[k] == edit) {
            SetTextColor(dc, Resolved(editcolours_[k]));
            if (const brushhandle& own = editbackgrounds_[k]) {
                LOGBRUSH fill{};
                GetObjectW(own.Get(), sizeof fill, &fill);
                SetBkColor(dc, fill.lbColor);
                return reinterpret_cast<LRESULT>(own.Get());
            }
            SetBkColor(dc, GetSysColor(COLOR_WINDOW));
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
        }
    }
    return 0;
}

size_t win32dialogform::AddCheckList() {
    const size_t index = checklists_.size();
    HWND list = CreateChild(WC_LISTVIEWW, L"",
                            WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_NOCOLUMNHEADER |
                                LVS_SINGLESEL | LVS_SHOWSELALWAYS,
                            FirstCheckListId + index, &win32dialogform::CheckListProcedure,
                            OriginalCheckListProcedure());
    constexpr DWORD extended = LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT;
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, extended, extended);
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH;
    SendMessageW(list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
    const HGDIOBJ font = buttonfont_ ? static_cast<HGDIOBJ>(buttonfont_.Get()) : GetStockObject(DEFAULT_GUI_FONT);
    SendMessageW(list, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    checklists_.push_back(list);
    return index;
}

void win32dialogform::SetCheckListBounds(size_t list, const platform::rect& bounds) {
    HWND control = checklists_.at(list);
    MoveWindow(control, bounds.left, bounds.top, bounds.Width(), bounds.Height(), TRUE);
    FitColumn(control);
}

void win32dialogform::SetCheckListColours(size_t list, platform::colour background, platform::colour text) {
    HWND control = checklists_.at(list);
    SendMessageW(control, LVM_SETBKCOLOR, 0, static_cast<LPARAM>(Resolved(background)));
    SendMessageW(control, LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(Resolved(background)));
    SendMessageW(control, LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(Resolved(text)));
    InvalidateRect(control, nullptr, TRUE);
}

void win32dialogform::AddCheckListItem(size_t list, std::string_view text, bool checked) {
    HWND control = checklists_.at(list);
    std::wstring wide = WideFromCp1251(text);
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = static_cast<int>(CheckListCount(list));
    item.pszText = wide.data();
    const LRESULT at = SendMessageW(control, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    if (at < 0) {
        return;
    }
    SetCheckListChecked(list, static_cast<size_t>(at), checked);
    FitColumn(control);
}

void win32dialogform::ClearCheckList(size_t list) {
    HWND control = checklists_.at(list);
    SendMessageW(control, LVM_DELETEALLITEMS, 0, 0);
    FitColumn(control);
}

size_t win32dialogform::CheckListCount(size_t list) const {
    return static_cast<size_t>(SendMessageW(checklists_.at(list), LVM_GETITEMCOUNT, 0, 0));
}

std::string win32dialogform::CheckListText(size_t list, size_t item) const {
    HWND control = checklists_.at(list);
    // The control tells the length only by filling the room it is given: the room grows until
    // the text leaves some of it unused.
    std::wstring text(MAX_PATH, L'\0');
    for (;;) {
        LVITEMW read{};
        read.iSubItem = 0;
        read.pszText = text.data();
        read.cchTextMax = static_cast<int>(text.size());
        const auto length = static_cast<size_t>(
            SendMessageW(control, LVM_GETITEMTEXTW, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&read)));
        if (length + 1 < text.size()) {
            text.resize(length);
            return Cp1251FromWide(text);
        }
        text.assign(text.size() * 2, L'\0');
    }
}

bool win32dialogform::CheckListChecked(size_t list, size_t item) const {
    const auto state = static_cast<UINT>(
        SendMessageW(checklists_.at(list), LVM_GETITEMSTATE, static_cast<WPARAM>(item), LVIS_STATEIMAGEMASK));
    return (state & LVIS_STATEIMAGEMASK) == INDEXTOSTATEIMAGEMASK(CheckedImage);
}

void win32dialogform::SetCheckListChecked(size_t list, size_t item, bool checked) {
    LVITEMW state{};
    state.stateMask = LVIS_STATEIMAGEMASK;
    state.state = INDEXTOSTATEIMAGEMASK(checked ? CheckedImage : UncheckedImage);
    SendMessageW(checklists_.at(list), LVM_SETITEMSTATE, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&state));
}

void win32dialogform::SetClientSize(platform::extent client) {
    RECT frame{0, 0, client.width, client.height};
    AdjustWindowRectEx(&frame, DialogStyle, FALSE, DialogExStyle);
    SetWindowPos(Handle(), nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void win32dialogform::Invalidate() {
    if (Handle() != nullptr) InvalidateRect(Handle(), nullptr, TRUE);
}

platform::extent win32dialogform::WindowSize() const {
    RECT bounds{};
    GetWindowRect(Handle(), &bounds);
    return {bounds.right - bounds.left, bounds.bottom - bounds.top};
}

void win32dialogform::StayOnTop() {
    SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOACTIVATE | SWP_NOSIZE | SWP_NOMOVE);
}

void win32dialogform::ShowMessage(std::string_view text) {
    // The box takes the title of the application's window, which owns every dialog.
    HWND application = GetWindow(Handle(), GW_OWNER);
    std::wstring title(static_cast<size_t>(application != nullptr ? GetWindowTextLengthW(application) : 0) + 1, L'\0');
    title.resize(static_cast<size_t>(application != nullptr ? GetWindowTextW(application, title.data(), static_cast<int>(title.size())) : 0));
    MessageBoxW(Visible() ? Handle() : GetActiveWindow(), WideFromCp1251(text).c_str(), title.c_str(), MB_OK);
}

void win32dialogform::MoveTo(platform::point topleft) {
    SetWindowPos(Handle(), nullptr, topleft.x, topleft.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void win32dialogform::Open() {
    openingfocus_ = nullptr;
    {
        const windowdc dc(Handle());
        gdicanvas measuring(dc.Get());
        events_.OnShow(measuring);
    }
    ShowWindow(Handle(), SW_SHOW);
    HWND home = HomeControl();
    SetFocus(openingfocus_ != nullptr ? openingfocus_ : home != nullptr ? home : Handle());
    if (openingfocus_ != nullptr) SendMessageW(openingfocus_, EM_SETSEL, 0, -1);
}

int32_t win32dialogform::ShowModal() {
    modalresult_ = 0;
    HWND previous = nullptr;
    {
        const otherwindowsdisabled others(Handle());
        previous = others.PreviouslyActive();
        Open();
        modal_ = true;
        MSG message{};
        while (modalresult_ == 0 && Handle() != nullptr) {
            const BOOL got = GetMessageW(&message, nullptr, 0, 0);
            if (got == 0) {
                // The program is ending: the main loop must see the quit message too.
                PostQuitMessage(static_cast<int>(message.wParam));
                break;
            }
            if (got == -1) {
                break;
            }
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        modal_ = false;
    }
    if (Handle() != nullptr) {
        ShowWindow(Handle(), SW_HIDE);
    }
    if (previous != nullptr && IsWindow(previous)) {
        SetActiveWindow(previous);
    }
    return modalresult_;
}

void win32dialogform::Show() { Open(); }

void win32dialogform::Hide() {
    if (Handle() != nullptr) ShowWindow(Handle(), SW_HIDE);
}

bool win32dialogform::Visible() const { return Handle() != nullptr && IsWindowVisible(Handle()); }

void win32dialogform::Destroy() { handle_ = windowhandle(); }

HWND win32dialogform::HomeControl() const {
    for (HWND button : buttons_) {
        if (IsPushButton(button) && IsWindowEnabled(button)) return button;
    }
    return nullptr;
}

bool win32dialogform::RestoreFocus() {
    const bool kept =
        focused_ != nullptr && IsWindow(focused_) && GetParent(focused_) == Handle() && IsWindowEnabled(focused_);
    HWND target = kept ? focused_ : HomeControl();
    if (target == nullptr) {
        return false;
    }
    SetFocus(target);
    return true;
}

void win32dialogform::KeyPreview(wchar_t key) {
    const std::string converted = Cp1251FromWide(std::wstring_view(&key, 1));
    if (!converted.empty()) {
        events_.OnKeyPress(converted.front());
    }
}

LRESULT CALLBACK win32dialogform::ButtonProcedure(HWND button, UINT message, WPARAM wparam, LPARAM lparam) {
    auto* self = reinterpret_cast<win32dialogform*>(GetWindowLongPtrW(button, GWLP_USERDATA));
    if (self != nullptr) {
        if (message == WM_ERASEBKGND && IsGroupBox(button)) {
            RECT inside{};
            GetClientRect(button, &inside);
            FillRect(reinterpret_cast<HDC>(wparam), &inside, GetSysColorBrush(COLOR_BTNFACE));
            return 1;
        }
        if (message == WM_KEYDOWN && wparam == VK_RETURN) {
            // A check box or a radio button is not toggled by Enter: its character goes to the
            // key preview.
            if (IsPushButton(button)) SendMessageW(button, BM_CLICK, 0, 0);
            return 0;
        }
        if (message == WM_KEYDOWN && wparam == VK_TAB) {
            TabFrom(button);
            return 0;
        }
        if (message == WM_SETFOCUS) {
            self->focused_ = button;
        }
        if (message == WM_CHAR) {
            // Enter on a push button has clicked it, and is done.
            if (wparam != L'\r' || !IsPushButton(button))
                platform::DeliverEvent([&] { self->KeyPreview(static_cast<wchar_t>(wparam)); });
            // Esc may have destroyed the window with this button.
            if (wparam == L'\r' || wparam == VK_ESCAPE || wparam == L'\t' || !IsWindow(button)) {
                return 0;
            }
        }
    }
    return CallWindowProcW(OriginalButtonProcedure(), button, message, wparam, lparam);
}

void win32dialogform::TabFrom(HWND control) {
    const bool backward = GetKeyState(VK_SHIFT) < 0;
    if (HWND next = GetNextDlgTabItem(GetParent(control), control, backward ? TRUE : FALSE)) SetFocus(next);
}

LRESULT CALLBACK win32dialogform::EditProcedure(HWND edit, UINT message, WPARAM wparam, LPARAM lparam) {
    auto* self = reinterpret_cast<win32dialogform*>(GetWindowLongPtrW(edit, GWLP_USERDATA));
    if (self != nullptr) {
        if (message == WM_KEYDOWN && wparam == VK_TAB) {
            TabFrom(edit);
            return 0;
        }
        if (message == WM_SETFOCUS) {
            self->focused_ = edit;
        }
        const auto index = static_cast<size_t>(GetDlgCtrlID(edit)) - FirstEditId;
        if (message == WM_KEYDOWN && self->events_.OnEditKeyDown(index, static_cast<platform::keycode>(wparam))) {
            return 0;
        }
        if (message == WM_MOUSEWHEEL) {
            // A single-line box has no use for the wheel: the window turns its own contents.
            return SendMessageW(GetParent(edit), message, wparam, lparam);
        }
        if (message == WM_LBUTTONDBLCLK) {
            // The box stands over the owner's drawing, which hears the double click in its place.
            POINT at{static_cast<int16_t>(LOWORD(lparam)), static_cast<int16_t>(HIWORD(lparam))};
            MapWindowPoints(edit, GetParent(edit), &at, 1);
            self->events_.OnDoubleClick({at.x, at.y});
            if (!IsWindow(edit)) {
                return 0;
            }
        }
        if (message == WM_CHAR) {
            if (wparam == L'\t') {
                return 0;
            }
            const wchar_t typed = static_cast<wchar_t>(wparam);
            const std::string converted = Cp1251FromWide(std::wstring_view(&typed, 1));
            // The owner may hide or destroy the window here: then the box is not touched again.
            const bool used = !converted.empty() && self->events_.OnEditKey(index, converted.front());
            if (used || !IsWindow(edit)) {
                return 0;
            }
        }
    }
    return CallWindowProcW(OriginalEditProcedure(), edit, message, wparam, lparam);
}

LRESULT CALLBACK win32dialogform::CheckListProcedure(HWND list, UINT message, WPARAM wparam, LPARAM lparam) {
    auto* self = reinterpret_cast<win32dialogform*>(GetWindowLongPtrW(list, GWLP_USERDATA));
    if (self != nullptr) {
        if (message == WM_KEYDOWN && wparam == VK_TAB) {
            TabFrom(list);
            return 0;
        }
        if (message == WM_SETFOCUS) {
            self->focused_ = list;
        }
        if (message == WM_CHAR) {
            // The list toggles an item on Space's key press; its characters are the window's.
            platform::DeliverEvent([&] { self->KeyPreview(static_cast<wchar_t>(wparam)); });
            // Esc may have destroyed the window with this list; Enter and Tab are not for searching.
            if (wparam == L'\r' || wparam == VK_ESCAPE || wparam == L'\t' || !IsWindow(list)) {
                return 0;
            }
        }
    }
    return CallWindowProcW(OriginalCheckListProcedure(), list, message, wparam, lparam);
}

LRESULT CALLBACK win32dialogform::Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lparam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
    }
    auto* self = reinterpret_cast<win32dialogform*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) {
        return DefWindowProcW(window, message, wparam, lparam);
    }
    LRESULT result = 0;
    if (platform::DeliverEvent([&] { result = self->Handle(window, message, wparam, lparam); })) return result;
    return DefWindowProcW(window, message, wparam, lparam);
}

LRESULT win32dialogform::Handle(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_PAINT: {
        const paintdc paint(window);
        gdicanvas surface(paint.Get());
        events_.OnPaint(surface);
        return 0;
    }
    case WM_VSCROLL:
    case WM_HSCROLL:
        if (lparam != 0) {
            if (win32scrollbar* bar = win32scrollbar::Of(reinterpret_cast<HWND>(lparam)))
                events_.OnScroll(bar->Axis(), bar->Requested(LOWORD(wparam)));
            return 0;
        }
        break;
    case WM_COMMAND:
        if (HIWORD(wparam) == BN_CLICKED && LOWORD(wparam) >= FirstButtonId &&
            LOWORD(wparam) < FirstButtonId + buttons_.size()) {
            const size_t index = LOWORD(wparam) - FirstButtonId;
            if (IsRadioButton(buttons_[index])) {
                // A radio button taking the focus unchecked tells of it as of a click: it was none.
                if (!Checked(index)) return 0;
                // The system unchecks only the enabled ones of its group: the run is made whole.
                SetChecked(index, true);
            }
            // The owner may destroy the window here: nothing of it is touched afterwards.
            events_.OnButtonClick(index);
            return 0;
        }
        if (HIWORD(wparam) == EN_CHANGE && LOWORD(wparam) >= FirstEditId &&
            LOWORD(wparam) < FirstEditId + edits_.size()) {
            events_.OnEditChange(LOWORD(wparam) - FirstEditId);
            return 0;
        }
        break;
    case WM_LBUTTONDOWN:
        events_.OnMouseDown(PointOf(lparam));
        return 0;
    case WM_LBUTTONDBLCLK:
        events_.OnDoubleClick(PointOf(lparam));
        return 0;
    case WM_MOUSEWHEEL: {
        // The wheel's message carries the pointer in screen coordinates.
        POINT at{static_cast<int16_t>(LOWORD(lparam)), static_cast<int16_t>(HIWORD(lparam))};
        ScreenToClient(window, &at);
        events_.OnMouseWheel({at.x, at.y}, GET_WHEEL_DELTA_WPARAM(wparam));
        return 0;
    }
    case WM_CHAR:
        KeyPreview(static_cast<wchar_t>(wparam));
        return 0;
    case WM_CTLCOLOREDIT:
        if (const LRESULT brush = ColourEdit(reinterpret_cast<HWND>(lparam), reinterpret_cast<HDC>(wparam))) {
            return brush;
        }
        break;
    case WM_CLOSE:
        events_.OnClose();
        return 0;
    case WM_ACTIVATE:
        events_.OnActivate(LOWORD(wparam) != WA_INACTIVE);
        if (LOWORD(wparam) != WA_INACTIVE && IsWindow(window) && RestoreFocus()) {
            return 0;
        }
        break;
    case WM_SETFOCUS:
        if (RestoreFocus()) {
            return 0;
        }
        break;
    case WM_NCDESTROY:
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        handle_.Forget();
        break;
    default:
        break;
    }
    return DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace quillmap::win32
