#pragma once

#include <vector>

#include "platform/dialogform.h"
#include "platform/win32/gdiobject.h"
#include "platform/win32/windowhandle.h"
#include "platform/win32/winapi.h"

namespace quillmap::win32 {

// A dialog window with buttons, made with CreateWindowEx rather than a dialog template so
// that its layout is entirely the owner's. Not movable: the HWND and its buttons keep a pointer
// to this object.
class win32dialogform final : public platform::dialogform {
public:
    // Created hidden, owned by the application window.
    win32dialogform(std::string_view caption, platform::dialogevents& events, HWND owner);
    ~win32dialogform() override;
    win32dialogform(const win32dialogform&) = delete;
    win32dialogform& operator=(const win32dialogform&) = delete;

    size_t AddButton(std::string_view caption) override;
    size_t AddCheckBox(std::string_view caption) override;
    size_t AddRadioButton(std::string_view caption) override;
    size_t AddGroupBox(std::string_view caption) override;
    bool Checked(size_t index) const override;
    void SetChecked(size_t index, bool checked) override;
    void SetButtonEnabled(size_t index, bool enabled) override;
    bool ButtonEnabled(size_t index) const override;
    void SetButtonBounds(size_t index, const platform::rect& bounds) override;
    void SetButtonFont(const platform::fontspec& font) override;
    void SetOneButtonFont(size_t index, const platform::fontspec& font) override;
    size_t AddEdit() override;
    std::unique_ptr<platform::scrollbar> CreateScrollBar(platform::scrollaxis axis) override;
    void SetEditBounds(size_t index, const platform::rect& bounds) override;
    void SetEditFont(size_t index, const platform::fontspec& font) override;
    void SetEditMaxLength(size_t index, int32_t characters) override;
    void SetEditBackground(size_t index, platform::colour background) override;
    std::string EditText(size_t index) const override;
    void SetEditText(size_t index, std::string_view text) override;
    void FocusEdit(size_t index) override;
    size_t AddCheckList() override;
    void SetCheckListBounds(size_t list, const platform::rect& bounds) override;
    void SetCheckListColours(size_t list, platform::colour background, platform::colour text) override;
    void AddCheckListItem(size_t list, std::string_view text, bool checked) override;
    void ClearCheckList(size_t list) override;
    size_t CheckListCount(size_t list) const override;
    std::string CheckListText(size_t list, size_t item) const override;
    bool CheckListChecked(size_t list, size_t item) const override;
    void SetCheckListChecked(size_t list, size_t item, bool checked) override;
    void SetClientSize(platform::extent client) override;
    void Invalidate() override;
    platform::extent WindowSize() const override;
    void MoveTo(platform::point topleft) override;
    void StayOnTop() override;
    void ShowMessage(std::string_view text) override;

    int32_t ShowModal() override;
    bool ShowingModally() const override { return modal_; }
    void Show() override;
    void Hide() override;
    bool Visible() const override;
    void SetModalResult(int32_t result) override { modalresult_ = result; }
    int32_t ModalResult() const override { return modalresult_; }
    void Destroy() override;
    bool Destroyed() const override { return Handle() == nullptr; }

    HWND Handle() const { return handle_.Get(); }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    static LRESULT CALLBACK ButtonProcedure(HWND button, UINT message, WPARAM wparam, LPARAM lparam);
    static LRESULT CALLBACK EditProcedure(HWND edit, UINT message, WPARAM wparam, LPARAM lparam);
    static LRESULT CALLBACK CheckListProcedure(HWND list, UINT message, WPARAM wparam, LPARAM lparam);
    // A child control with an id, whose messages go to procedure first; original receives the
    // procedure the control had.
    HWND CreateChild(const wchar_t* kind, const wchar_t* text, DWORD style, size_t id, WNDPROC procedure,
                     WNDPROC& original);
    // A visible button of the style given (BS_*, WS_TABSTOP, WS_GROUP), numbered after the others.
    size_t AddButtonStyled(std::string_view caption, DWORD style);
    // Tab and Shift+Tab on a control move the focus, as in the system's dialogs.
    static void TabFrom(HWND control);
    // Colours an edit box's text as its font says.
    LRESULT ColourEdit(HWND edit, HDC dc);
    LRESULT Handle(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    // Where the keyboard goes when no other control has it: the first enabled push button, if any.
    HWND HomeControl() const;
    // Lays the window out through its owner, shows it and focuses the home control.
    void Open();
    // As Windows' own dialogs do, the focus goes back to the control that had it last, the
    // home control at first, rather than to the window, which has no keys of its own; false
    // when there is no such control and the window keeps it.
    bool RestoreFocus();
    void KeyPreview(wchar_t key);

    platform::dialogevents& events_;
    std::vector<HWND> buttons_;  // children: they go with the window
    std::vector<HWND> edits_;
    // List views in report mode, one column without a header, with check boxes.
    std::vector<HWND> checklists_;
    HWND focused_ = nullptr;     // the control that had the focus last
    HWND openingfocus_ = nullptr;  // the edit box to have it when the window opens
    fonthandle buttonfont_;
    std::vector<fonthandle> ownbuttonfonts_;  // by button, empty for those in buttonfont_
    std::vector<fonthandle> editfonts_;
    std::vector<platform::colour> editcolours_;
    // By edit box; empty for the system's window colour.
    std::vector<brushhandle> editbackgrounds_;
    windowhandle handle_;
    int32_t modalresult_ = 0;
    bool modal_ = false;
};

}  // namespace quillmap::win32
