#include "platform/headless/headlessdialogform.h"

#include <stdexcept>

#include "platform/headless/headlessapplication.h"
#include "platform/radiorun.h"

namespace quillmap::platform {

headlessdialogform::headlessdialogform(headlessapplication& app, std::string_view caption, dialogevents& events)
    : app_(app), events_(&events), caption_(caption) {}

headlessdialogform::~headlessdialogform() {
    // A window still there is destroyed now, without a word to the owner that is going.
    events_ = nullptr;
    app_.Withdraw(*this);
    app_.Forget(this);
}

void headlessdialogform::ActivationChanged(bool active) {
    if (events_ != nullptr) events_->OnActivate(active);
}

size_t headlessdialogform::Add(std::string_view caption, button::kinds kind) {
    button added;
    added.caption = caption;
    added.kind = kind;
    buttons_.push_back(std::move(added));
    return buttons_.size() - 1;
}

void headlessdialogform::SetChecked(size_t index, bool checked) {
    button& chosen = buttons_.at(index);
    if (chosen.kind != button::check && chosen.kind != button::radio) return;
    chosen.checked = checked;
    if (chosen.kind != button::radio || !checked) return;
    const buttonrange run =
        RadioRun(index, buttons_.size(), [this](size_t k) { return buttons_[k].kind == button::radio; });
    for (size_t k = run.first; k <= run.last; ++k) buttons_[k].checked = k == index;
}

void headlessdialogform::SetButtonEnabled(size_t index, bool enabled) {
    buttons_.at(index).enabled = enabled;
    if (!enabled && focused_ == index) focused_ = HomeButton().value_or(index);
}

std::optional<size_t> headlessdialogform::HomeButton() const {
    for (size_t k = 0; k < buttons_.size(); ++k)
        if (buttons_[k].kind == button::push && buttons_[k].enabled) return k;
    return std::nullopt;
}

void headlessdialogform::SetButtonFont(const fontspec& font) {
    buttonfont_ = font;
    for (button& each : buttons_) each.font.reset();
}

void headlessdialogform::ShowMessage(std::string_view text) { app_.RecordMessage(text); }

size_t headlessdialogform::AddEdit() {
    edits_.emplace_back();
    return edits_.size() - 1;
}

void headlessdialogform::SetEditText(size_t index, std::string_view text) {
    edit& box = edits_.at(index);
    box.text = text;
    box.selected = false;
    // Setting the text tells the owner as typing does, as Windows' edit boxes do.
    events_->OnEditChange(index);
}

void headlessdialogform::FocusEdit(size_t index) {
    edits_.at(index).selected = true;
    focusededit_ = index;
}

void headlessdialogform::TypeInEdit(size_t index, std::string_view keys) {
    if (destroyed_ || index >= edits_.size()) throw std::logic_error("typing into no edit box");
    for (const char key : keys) {
        if (events_->OnEditKey(index, key) || destroyed_) continue;
        edit& box = edits_[index];
        const std::string before = box.text;
        if (key == '\b') {
            if (box.selected) box.text.clear();
            else if (!box.text.empty()) box.text.pop_back();
        } else if (box.selected) {
            box.text.assign(1, key);
        } else if (box.maxlength <= 0 || static_cast<int32_t>(box.text.size()) < box.maxlength) {
            box.text += key;
        }
        box.selected = false;
        if (box.text != before) events_->OnEditChange(index);
    }
}

void headlessdialogform::PressEditKey(size_t index, keycode key) {
    if (destroyed_ || index >= edits_.size()) throw std::logic_error("a key in no edit box");
    events_->OnEditKeyDown(index, key);
}

size_t headlessdialogform::AddCheckList() {
    checklists_.emplace_back();
    return checklists_.size() - 1;
}

void headlessdialogform::SetCheckListColours(size_t list, colour background, colour text) {
    checklist& chosen = checklists_.at(list);
    chosen.background = background;
    chosen.text = text;
}

void headlessdialogform::AddCheckListItem(size_t list, std::string_view text, bool checked) {
    checklists_.at(list).items.push_back({std::string(text), checked});
}

void headlessdialogform::ToggleCheckListItem(size_t list, size_t item) {
    if (destroyed_ || !visible_) throw std::logic_error("a click on no window");
    checklist::item& clicked = checklists_.at(list).items.at(item);
    clicked.checked = !clicked.checked;
}

headlessdialogform::target headlessdialogform::TargetAt(point at) const {
    // A disabled control or a group box lets the click through, as on Windows.
    for (size_t k = 0; k < buttons_.size(); ++k)
        if (buttons_[k].enabled && buttons_[k].kind != button::group && buttons_[k].bounds.Contains(at))
            return {target::button, k};
    for (size_t k = 0; k < edits_.size(); ++k)
        if (edits_[k].bounds.Contains(at)) return {target::edit, k};
    return {target::window, 0};
}

void headlessdialogform::ClickAt(point at) {
    if (destroyed_ || !visible_) throw std::logic_error("a click on no window");
    const target hit = TargetAt(at);
    if (hit.kind == target::button) {
        focused_ = hit.index;
        focusededit_.reset();
        ClickButton(hit.index);
    } else if (hit.kind == target::edit) {
        focusededit_ = hit.index;
        edits_[hit.index].selected = false;
    } else {
        events_->OnMouseDown(at);
    }
}

void headlessdialogform::DoubleClickAt(point at) {
    const target first = TargetAt(at);
    ClickAt(at);
    if (destroyed_ || !visible_) return;
    // Windows makes a double click of the second click only on the window the first went to
    // (a control the first click moved there takes it as a click of its own), and a push button
    // takes it as a second click.
    const target second = TargetAt(at);
    if (second == first && second.kind != target::button) events_->OnDoubleClick(at);
    else ClickAt(at);
}

extent headlessdialogform::WindowSize() const {
    return {client_.width + HeadlessDialogFrame.width, client_.height + HeadlessDialogFrame.height};
}

void headlessdialogform::Open() {
    // An edit box given the keyboard while the window is laid out keeps it as it opens.
    focusededit_.reset();
    events_->OnShow(surface_);
    visible_ = true;
    focused_ = HomeButton().value_or(0);
    app_.Activate(this);
}

int32_t headlessdialogform::ShowModal() {
    if (destroyed_) throw std::logic_error("a destroyed dialog shown again");
    modalresult_ = 0;
    Open();
    modal_ = true;
    while (modalresult_ == 0 && !destroyed_) {
        // A real user would be waited for; a test that forgot to answer must not hang.
        const std::function<void(headlessdialogform&)> answer = app_.TakeModalAnswer();
        if (!answer) {
            modal_ = false;
            throw std::logic_error("a modal dialog shown with no answer queued");
        }
        answer(*this);
    }
    modal_ = false;
    visible_ = false;
    app_.Withdraw(*this);
    return modalresult_;
}

void headlessdialogform::Show() {
    if (destroyed_) throw std::logic_error("a destroyed dialog shown again");
    Open();
}

void headlessdialogform::Hide() {
    if (!visible_) return;
    visible_ = false;
    app_.Withdraw(*this);
}

void headlessdialogform::Destroy() {
    if (destroyed_) return;
    visible_ = false;
    app_.Withdraw(*this);
    destroyed_ = true;
}

void headlessdialogform::ClickButton(size_t index) {
    if (destroyed_ || index >= buttons_.size()) throw std::logic_error("a click on no button");
    const button& clicked = buttons_[index];
    if (!clicked.enabled || clicked.kind == button::group) return;
    if (clicked.kind == button::check || clicked.kind == button::radio)
        SetChecked(index, clicked.kind == button::radio || !clicked.checked);
    events_->OnButtonClick(index);
}

void headlessdialogform::PressEnter() {
    const bool push = focused_ >= buttons_.size() || buttons_[focused_].kind == button::push;
    if (push) ClickButton(focused_);
    else events_->OnKeyPress('\r');
}

std::unique_ptr<scrollbar> headlessdialogform::CreateScrollBar(scrollaxis axis) {
    auto made = std::make_unique<headlessscrollbar>();
    scrollbar_ = made.get();
    scrollaxis_ = axis;
    return made;
}

void headlessdialogform::Scroll(int32_t position) {
    if (scrollbar_ != nullptr) scrollbar_->SetPosition(position);
    events_->OnScroll(scrollaxis_, position);
}

}  // namespace quillmap::platform
