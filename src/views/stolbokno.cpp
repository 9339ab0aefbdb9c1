#include "views/stolbokno.h"

#include <charconv>
#include <string>

#include "base/messagefont.h"
#include "views/vwstruct.h"

namespace quillmap {

namespace {

constexpr int32_t EditWidth = 30;
constexpr int32_t MaxDigits = 3;

}  // namespace

stolboklayout LayOutColumnWindow(platform::canvas& measuring) {
    stolboklayout layout;
    const platform::extent line1 = measuring.TextExtent(ColumnWindowLine1);
    layout.textheight = line1.height;
    const int32_t h = measuring.TextExtent("0").height;
    const int32_t width = line1.width + 20;

    const int32_t editheight = h + 2;
    const int32_t side = editheight + 4;
    const int32_t top = 2 * h + 6;
    const int32_t left = (width - (side + EditWidth + side)) / 2;
    layout.minus = {left, top, left + side, top + side};
    layout.edit = {layout.minus.right, top, layout.minus.right + EditWidth, top + editheight};
    layout.plus = {layout.edit.right, top, layout.edit.right + side, top + side};

    const int32_t donewidth = measuring.TextExtent("Готово").width + 50;
    const int32_t donetop = layout.edit.bottom + 13;
    const int32_t doneleft = (width - donewidth) / 2;
    layout.done = {doneleft, donetop, doneleft + donewidth, donetop + editheight + 8};
    layout.client = {width, layout.done.bottom + 8};
    return layout;
}

platform::point PlaceColumnWindow(platform::point mouse, platform::extent window, platform::extent screen,
                                  const platform::rect& workarea) {
    platform::point at{mouse.x - window.width / 2, mouse.y};
    if (at.x < 0) at.x = 0;
    if (at.x + window.width > screen.width) at.x = screen.width - window.width;
    if (at.y + window.height > workarea.bottom) at.y = mouse.y - window.height;
    return at;
}

int32_t ReadColumnNumber(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return 0;
    return value;
}

stolbokno::stolbokno(platform::application& app, platform::system& system, vwstruct& view)
    : system_(system), view_(view), form_(app.CreateDialogForm(ColumnWindowTitle, *this)) {
    form_->AddButton("-");
    form_->AddButton("+");
    form_->AddButton("Готово");
    form_->AddEdit();
    form_->SetEditMaxLength(CountEdit, MaxDigits);
    ShowCount();
}

void stolbokno::Show() {
    ShowCount();
    form_->Show();
    form_->FocusEdit(CountEdit);
}

void stolbokno::ShowCount() { form_->SetEditText(CountEdit, std::to_string(view_.ColumnCount())); }

void stolbokno::OnShow(platform::canvas& measuring) {
    // Settings may change between showings: the window takes the font it is laid out in.
    font_ = MessageFont();
    measuring.SetFont(font_);
    layout_ = LayOutColumnWindow(measuring);
    form_->SetButtonFont(font_);
    platform::fontspec bold = font_;
    bold.style |= platform::fsBold;
    form_->SetOneButtonFont(MinusButton, bold);
    form_->SetOneButtonFont(PlusButton, bold);
    form_->SetEditFont(CountEdit, font_);
    form_->SetButtonBounds(MinusButton, layout_.minus);
    form_->SetButtonBounds(PlusButton, layout_.plus);
    form_->SetButtonBounds(DoneButton, layout_.done);
    form_->SetEditBounds(CountEdit, layout_.edit);
    form_->SetClientSize(layout_.client);
    form_->MoveTo(PlaceColumnWindow(system_.CursorPos(), form_->WindowSize(), system_.ScreenSize(), system_.WorkArea()));
}

void stolbokno::OnPaint(platform::canvas& surface) {
    surface.SetFont(font_);
    surface.TextOut(ColumnWindowTextAt, ColumnWindowLine1, std::nullopt);
    surface.TextOut({ColumnWindowTextAt.x, ColumnWindowTextAt.y + layout_.textheight}, ColumnWindowLine2,
                    std::nullopt);
}

void stolbokno::OnButtonClick(size_t index) {
    switch (index) {
    case MinusButton: view_.SetColumnCount(view_.ColumnCount() - 1); break;
    case PlusButton: view_.SetColumnCount(view_.ColumnCount() + 1); break;
    case DoneButton:
        view_.SetColumnCount(Typed());
        Hide();
        break;
    default: break;
    }
}

void stolbokno::OnActivate(bool active) {
    if (!active) Hide();
}

bool stolbokno::Key(char key) {
    switch (key) {
    case '+': view_.SetColumnCount(view_.ColumnCount() + 1); return true;
    case '-': view_.SetColumnCount(view_.ColumnCount() - 1); return true;
    case '\r': view_.SetColumnCount(Typed()); return true;
    case platform::EscapeKey: Hide(); return true;
    default: return false;
    }
}

int32_t stolbokno::Typed() const { return ReadColumnNumber(form_->EditText(CountEdit)); }

}  // namespace quillmap
