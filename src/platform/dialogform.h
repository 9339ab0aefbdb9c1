#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/canvas.h"
#include "platform/controls.h"
#include "platform/geometry.h"
#include "platform/keys.h"

namespace quillmap::platform {

inline constexpr char EscapeKey = 27;
// What one notch of the mouse wheel turns.
inline constexpr int32_t WheelNotch = 120;

// What a dialog window tells its owner.
class dialogevents {
public:
    // Before every showing, while the window is still hidden: the owner lays the window out,
    // measuring on the surface it is given.
    virtual void OnShow(canvas& measuring) = 0;
    virtual void OnPaint(canvas& surface) = 0;
    virtual void OnButtonClick(size_t index) = 0;
    // Key preview: characters typed anywhere in the window come here before the focused control,
    // save Enter on a focused push button, which clicks it instead.
    virtual void OnKeyPress(char key) = 0;
    // Closed from the title bar or its system menu.
    virtual void OnClose() = 0;
    // The window became the active one, or stopped being it (also while it is being destroyed).
    virtual void OnActivate(bool active) = 0;
    // A character typed in one of the window's edit boxes, before the box takes it: true when
    // the owner used it up and the box must not type it. Unless the owner says otherwise the
    // key is previewed like one typed anywhere in the window, and a single-line box has no use
    // for Enter and Esc.
    virtual bool OnEditKey(size_t /*index*/, char key) {
        OnKeyPress(key);
        return key == '\r' || key == EscapeKey;
    }
    // The text of an edit box changed, by typing or by SetEditText.
    virtual void OnEditChange(size_t /*index*/) {}
    // A key pressed in an edit box that types no character (arrows, page keys): true when the
    // owner used it up and the box must not act on it.
    virtual bool OnEditKeyDown(size_t /*index*/, keycode /*key*/) { return false; }
    // The left mouse button went down on the window itself, not on one of its controls; in client
    // coordinates.
    virtual void OnMouseDown(point /*at*/) {}
    // A double click of the left button on the window or on one of its edit boxes, in the
    // window's client coordinates.
    virtual void OnDoubleClick(point /*at*/) {}
    // The mouse wheel turned while the window or one of its controls had the keyboard: notches
    // away from the user are positive, one notch being WheelNotch; the pointer in client
    // coordinates.
    virtual void OnMouseWheel(point /*at*/, int32_t /*delta*/) {}
    // The user moved one of the dialog's scroll bars to a position.
    virtual void OnScroll(scrollaxis /*axis*/, int32_t /*position*/) {}

protected:
    ~dialogevents() = default;
};

// A dialog window with a fixed border, only the system menu in its title bar, and buttons: push
// buttons, check boxes, radio buttons and group boxes; edit boxes and check lists.
// Like a form of the platform, it carries a modal result: a modal showing ends as soon as the
// result is not 0, or when the window is destroyed.
class dialogform {
public:
    virtual ~dialogform() = default;

    // A visible push button; buttons of every kind are numbered together in the order they are
    // added, from 0. A user's click on a button reaches OnButtonClick, on a check box or a radio
    // button once its check has changed.
    virtual size_t AddButton(std::string_view caption) = 0;
    // A check box, unchecked.
    virtual size_t AddCheckBox(std::string_view caption) = 0;
    // A radio button, unchecked. Radio buttons added right after one another form a run, of which
    // checking one, by a click or by SetChecked, unchecks the others.
    virtual size_t AddRadioButton(std::string_view caption) = 0;
    // A frame with a caption around other controls; it is never clicked and takes no keyboard.
    virtual size_t AddGroupBox(std::string_view caption) = 0;
    // Of a check box or a radio button.
    virtual bool Checked(size_t index) const = 0;
    // Tells the owner nothing: OnButtonClick is only for the user's clicks.
    virtual void SetChecked(size_t index, bool checked) = 0;
    // A disabled button of any kind is greyed and takes neither clicks nor the keyboard; the
    // keyboard it had goes to the window's first enabled push button.
    virtual void SetButtonEnabled(size_t index, bool enabled) = 0;
    virtual bool ButtonEnabled(size_t index) const = 0;
    virtual void SetButtonBounds(size_t index, const rect& bounds) = 0;
    // Every button and check list shows its text in a copy of this font.
    virtual void SetButtonFont(const fontspec& font) = 0;
    // One button in a font of its own, until the next SetButtonFont.
    virtual void SetOneButtonFont(size_t index, const fontspec& font) = 0;

    // A visible single-line edit box with a flat border; boxes are numbered apart from the
    // buttons, in the order they are added, from 0. The characters typed in it reach the owner's
    // OnEditKey first. Its text is in the program's code page.
    virtual size_t AddEdit() = 0;
    // A scroll bar of the dialog, disabled with a page of 0 until its range is set; its moves
    // reach OnScroll.
    virtual std::unique_ptr<scrollbar> CreateScrollBar(scrollaxis axis) = 0;
    virtual void SetEditBounds(size_t index, const rect& bounds) = 0;
    virtual void SetEditFont(size_t index, const fontspec& font) = 0;
    // The most characters the user may type into it; 0 leaves it to the system.
    virtual void SetEditMaxLength(size_t index, int32_t characters) = 0;
    // The box's background; the system's window colour until set.
    virtual void SetEditBackground(size_t index, colour background) = 0;
    virtual std::string EditText(size_t index) const = 0;
    virtual void SetEditText(size_t index, std::string_view text) = 0;
    // The keyboard goes to the box, its whole text selected so that typing replaces it; asked
    // while the window is laid out for showing, as it opens.
    virtual void FocusEdit(size_t index) = 0;
    // A visible check list: a column of texts, each with a check box that the user's click or
    // Space toggles; lists are numbered apart from the other controls, in the order they are
    // added, from 0, and their items too, from 0. Its texts are in the program's code page.
    virtual size_t AddCheckList() = 0;
    virtual void SetCheckListBounds(size_t list, const rect& bounds) = 0;
    // The system's window colours until set.
    virtual void SetCheckListColours(size_t list, colour background, colour text) = 0;
    // An item after the others.
    virtual void AddCheckListItem(size_t list, std::string_view text, bool checked) = 0;
    virtual void ClearCheckList(size_t list) = 0;
    virtual size_t CheckListCount(size_t list) const = 0;
    virtual std::string CheckListText(size_t list, size_t item) const = 0;
    virtual bool CheckListChecked(size_t list, size_t item) const = 0;
    virtual void SetCheckListChecked(size_t list, size_t item, bool checked) = 0;
    virtual void SetClientSize(extent client) = 0;
    // Asks for a repaint of the whole client area.
    virtual void Invalidate() = 0;
    // With the frame and the title bar.
    virtual extent WindowSize() const = 0;
    // In screen coordinates.
    virtual void MoveTo(point topleft) = 0;
    // Above every window that is not in the topmost band, without being activated.
    virtual void StayOnTop() = 0;
    // The system's message box with one OK button and no icon, for information, owned by this
    // window while it is shown (otherwise by the active window): it stays above its owner and
    // has the keyboard until it is dismissed.
    virtual void ShowMessage(std::string_view text) = 0;

    // Shows the window with the first enabled push button focused and returns its modal result
    // once that is set; the other windows of the program wait meanwhile.
    virtual int32_t ShowModal() = 0;
    virtual bool ShowingModally() const = 0;
    // Shows the window without waiting, the first enabled push button focused.
    virtual void Show() = 0;
    // Hides a modeless window, which stays to be shown again.
    virtual void Hide() = 0;
    virtual bool Visible() const = 0;
    virtual void SetModalResult(int32_t result) = 0;
    virtual int32_t ModalResult() const = 0;

    // Destroys the window; this object stays, and only reports that it is gone.
    virtual void Destroy() = 0;
    virtual bool Destroyed() const = 0;
};

}  // namespace quillmap::platform
