#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/dialogform.h"
#include "platform/headless/headlesscontrols.h"
#include "platform/headless/headlessactivatable.h"
#include "platform/headless/headlesscanvas.h"

namespace quillmap::platform {

class headlessapplication;

// What a headless dialog adds to its client size: frame and title bar.
inline constexpr extent HeadlessDialogFrame{6, 25};

// A dialog without a screen: it measures and paints on its own recording canvas, and tests act
// as the user, directly on a modeless one and through the application's queued answers on a modal one.
class headlessdialogform final : public dialogform, public headlessactivatable {
public:
    struct button {
        enum kinds { push, check, radio, group };
        std::string caption;
        rect bounds;
        // Its own font, when it has one.
        std::optional<fontspec> font;
        kinds kind = push;
        // Of a check box or a radio button.
        bool checked = false;
        bool enabled = true;
    };
    struct edit {
        rect bounds;
        fontspec font;
        int32_t maxlength = 0;
        colour background = clWindow;
        std::string text;
        // The whole text is selected: the next character typed replaces it.
        bool selected = false;
    };

    struct checklist {
        struct item {
            std::string text;
            bool checked = false;
        };
        rect bounds;
        colour background = clWindow;
        colour text = clWindowText;
        std::vector<item> items;
    };

    headlessdialogform(headlessapplication& app, std::string_view caption, dialogevents& events);
    ~headlessdialogform() override;
    headlessdialogform(const headlessdialogform&) = delete;
    headlessdialogform& operator=(const headlessdialogform&) = delete;

    size_t AddButton(std::string_view caption) override { return Add(caption, button::push); }
    size_t AddCheckBox(std::string_view caption) override { return Add(caption, button::check); }
    size_t AddRadioButton(std::string_view caption) override { return Add(caption, button::radio); }
    size_t AddGroupBox(std::string_view caption) override { return Add(caption, button::group); }
    bool Checked(size_t index) const override { return buttons_.at(index).checked; }
    // As on Windows, a push button or a group box takes no check.
    void SetChecked(size_t index, bool checked) override;
    void SetButtonEnabled(size_t index, bool enabled) override;
    bool ButtonEnabled(size_t index) const override { return buttons_.at(index).enabled; }
    void SetButtonBounds(size_t index, const rect& bounds) override { buttons_.at(index).bounds = bounds; }
    void SetButtonFont(const fontspec& font) override;
    void SetOneButtonFont(size_t index, const fontspec& font) override { buttons_.at(index).font = font; }
    size_t AddEdit() override;
    std::unique_ptr<scrollbar> CreateScrollBar(scrollaxis axis) override;
    headlessscrollbar* ScrollBar() const { return scrollbar_; }
    // The user drags the scroll bar's thumb to a position.
    void Scroll(int32_t position);
    void SetEditBounds(size_t index, const rect& bounds) override { edits_.at(index).bounds = bounds; }
    void SetEditFont(size_t index, const fontspec& font) override { edits_.at(index).font = font; }
    void SetEditMaxLength(size_t index, int32_t characters) override { edits_.at(index).maxlength = characters; }
    void SetEditBackground(size_t index, colour background) override { edits_.at(index).background = background; }
    std::string EditText(size_t index) const override { return edits_.at(index).text; }
    void SetEditText(size_t index, std::string_view text) override;
    void FocusEdit(size_t index) override;
    size_t AddCheckList() override;
    void SetCheckListBounds(size_t list, const rect& bounds) override { checklists_.at(list).bounds = bounds; }
    void SetCheckListColours(size_t list, colour background, colour text) override;
    void AddCheckListItem(size_t list, std::string_view text, bool checked) override;
    void ClearCheckList(size_t list) override { checklists_.at(list).items.clear(); }
    size_t CheckListCount(size_t list) const override { return checklists_.at(list).items.size(); }
    std::string CheckListText(size_t list, size_t item) const override { return checklists_.at(list).items.at(item).text; }
    bool CheckListChecked(size_t list, size_t item) const override { return checklists_.at(list).items.at(item).checked; }
    void SetCheckListChecked(size_t list, size_t item, bool checked) override {
        checklists_.at(list).items.at(item).checked = checked;
    }
    void SetClientSize(extent client) override { client_ = client; }
    void Invalidate() override { ++invalidations_; }
    int Invalidations() const { return invalidations_; }
    extent WindowSize() const override;
    void MoveTo(point topleft) override { position_ = topleft; }
    void StayOnTop() override { ontop_ = true; }
    // The application keeps the text, in order with the other dialogs' messages.
    void ShowMessage(std::string_view text) override;
    bool OnTop() const { return ontop_; }

    // Plays the application's queued answers until the modal result is set or the window is gone.
    int32_t ShowModal() override;
    bool ShowingModally() const override { return modal_; }
    void Show() override;
    // Hiding the active window passes activation on.
    void Hide() override;
    bool Visible() const override { return visible_; }
    void SetModalResult(int32_t result) override { modalresult_ = result; }
    int32_t ModalResult() const override { return modalresult_; }
    // As on Windows, the window is hidden first, which passes activation on, and only then destroyed.
    void Destroy() override;
    bool Destroyed() const override { return destroyed_; }
    void ActivationChanged(bool active) override;

    // What a test reads.
    const std::string& Caption() const { return caption_; }
    const std::vector<button>& Buttons() const { return buttons_; }
    const fontspec& ButtonFont() const { return buttonfont_; }
    extent ClientSize() const { return client_; }
    point Position() const { return position_; }
    // Focus is on the first enabled push button when the window opens.
    size_t FocusedButton() const { return focused_; }
    const std::vector<edit>& Edits() const { return edits_; }
    // The edit box with the keyboard, if one has it.
    std::optional<size_t> FocusedEdit() const { return focusededit_; }
    headlesscanvas& Surface() { return surface_; }
    const std::vector<checklist>& CheckLists() const { return checklists_; }

    // What a test does as the user.
    void Paint() { events_->OnPaint(surface_); }
    // A click on a disabled button or a group box does nothing; one on a check box toggles it and
    // one on a radio button checks it, before the owner hears of the click.
    void ClickButton(size_t index);
    void FocusButton(size_t index) { focused_ = index; }
    // Enter clicks the focused push button; on a check box or a radio button it is a key typed in
    // the window, as on Windows.
    void PressEnter();
    void PressKey(char key) { events_->OnKeyPress(key); }
    // A click on an item's check box toggles it.
    void ToggleCheckListItem(size_t list, size_t item);
    void CloseFromTitleBar() { events_->OnClose(); }
    // Types into an edit box, character after character, as the keyboard would: each reaches the
    // owner first, and what it leaves the box types: Backspace takes the character before the
    // caret (at the end), others go in while the box has room.
    void TypeInEdit(size_t index, std::string_view keys);
    // A key that types nothing (arrows, page keys) pressed in an edit box.
    void PressEditKey(size_t index, keycode key);
    // The left button at a point of the client area: an enabled button there is clicked, an edit
    // box there takes the keyboard (without selecting its text), the window itself hears anything
    // else, a group box's frame included.
    void ClickAt(point at);
    // Two clicks in quick succession: the first as ClickAt, the second a double click that the
    // window hears, also over an edit box, as on Windows.
    void DoubleClickAt(point at);
    // The wheel turned by delta (WheelNotch a notch, positive away from the user), the pointer at a point.
    void WheelAt(point at, int32_t delta) { events_->OnMouseWheel(at, delta); }

private:
    // What the mouse is over at a point of the client area.
    struct target {
        enum kinds { window, button, edit } kind;
        size_t index;
        friend bool operator==(const target&, const target&) = default;
    };
    target TargetAt(point at) const;
    size_t Add(std::string_view caption, button::kinds kind);
    // Where the keyboard goes when no other control has it: the first enabled push button.
    std::optional<size_t> HomeButton() const;
    void Open();

    headlessapplication& app_;
    // The owner's, until this object goes.
    dialogevents* events_;
    std::string caption_;
    std::vector<button> buttons_;
    std::vector<edit> edits_;
    std::vector<checklist> checklists_;
    std::optional<size_t> focusededit_;
    fontspec buttonfont_;
    extent client_;
    point position_;
    headlesscanvas surface_;
    size_t focused_ = 0;
    int32_t modalresult_ = 0;
    bool modal_ = false;
    bool visible_ = false;
    bool destroyed_ = false;
    bool ontop_ = false;
    int invalidations_ = 0;
    headlessscrollbar* scrollbar_ = nullptr;
    scrollaxis scrollaxis_ = scrollaxis::vertical;
};

}  // namespace quillmap::platform
