#include "dialogs/mesokno.h"

#include "dialogs/messagelayout.h"
#include "dialogs/referencepoint.h"
#include "dialogs/showtext.h"

namespace quillmap {

mesbut::mesbut(mesokno& owner, std::string caption, int32_t modalresult)
    : owner_(owner), caption_(std::move(caption)), modalresult_(modalresult) {}

void CloseAndAct(mesbut& button) {
    if (button.closeonclick) {
        button.Owner().Form().Destroy();
    }
    if (button.clickaction) {
        button.clickaction();
    }
}

mesokno::mesokno(platform::application& app, platform::system& system, std::string_view title, std::string text,
                 std::span<const std::string> captions)
    : system_(system), text_(std::move(text)), form_(app.CreateDialogForm(title, *this)) {
    for (const std::string& caption : captions) {
        const auto index = static_cast<int32_t>(buttons_.size());
        buttons_.push_back(std::make_unique<mesbut>(*this, caption, FirstButtonResult + index));
        form_->AddButton(caption);
    }
}

int32_t mesokno::ShowModal() { return form_->ShowModal(); }

void mesokno::Show() { form_->Show(); }

void mesokno::OnShow(platform::canvas& measuring) {
    std::vector<std::string> captions;
    for (const auto& button : buttons_) captions.push_back(button->Caption());
    const platform::extent screen = system_.ScreenSize();
    const messagelayout layout = LayOutMessageWindow(measuring, screen, text_, captions);

    // Settings may change between showings: the window keeps the font it was laid out in.
    font_ = MessageFont();
    form_->SetButtonFont(font_);
    for (size_t i = 0; i < layout.buttons.size(); ++i) form_->SetButtonBounds(i, layout.buttons[i]);
    textrect_ = layout.textrect;
    form_->SetClientSize(layout.client);
    form_->MoveTo(PlaceMessageWindow(ReferencePoint(), form_->WindowSize(), screen));
}

void mesokno::OnPaint(platform::canvas& surface) {
    surface.SetFont(font_);
    DrawWrappedCentred(textrect_, surface, text_);
}

void mesokno::OnButtonClick(size_t index) {
    mesbut& button = *buttons_.at(index);
    form_->SetModalResult(button.ModalResult());
    if (button.onclick) {
        button.onclick(button);
    }
}

void mesokno::OnKeyPress(char key) {
    if (key == platform::EscapeKey) {
        Cancel();
    }
}

void mesokno::OnClose() { Cancel(); }

void mesokno::OnActivate(bool active) {
    if (!active && ondeactivate) {
        ondeactivate();
    }
}

void mesokno::Cancel() {
    form_->SetModalResult(EscapeResult);
    if (!form_->ShowingModally()) {
        form_->Destroy();
    }
}

std::unique_ptr<mesokno> CreateMessageWindow(platform::application& app, platform::system& system,
                                             std::string_view title, std::string text,
                                             std::span<const std::string> captions) {
    return std::make_unique<mesokno>(app, system, title, std::move(text), captions);
}

}  // namespace quillmap
