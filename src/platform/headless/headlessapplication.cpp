#include "platform/headless/headlessapplication.h"

#include <algorithm>

namespace quillmap::platform {

std::unique_ptr<window> headlessapplication::CreateForm(const formdesign& design, windowevents& events) {
    auto made = std::make_unique<headlesswindow>(*this, design, events);
    windows_.push_back(made.get());
    return made;
}

std::unique_ptr<dialogform> headlessapplication::CreateDialogForm(std::string_view caption, dialogevents& events) {
    auto made = std::make_unique<headlessdialogform>(*this, caption, events);
    dialogs_.push_back(made.get());
    return made;
}

void headlessapplication::Forget(const headlessdialogform* gone) {
    std::replace(dialogs_.begin(), dialogs_.end(), const_cast<headlessdialogform*>(gone),
                 static_cast<headlessdialogform*>(nullptr));
}

headlessapplication::modalanswer headlessapplication::TakeModalAnswer() {
    if (modalanswers_.empty()) return {};
    modalanswer next = std::move(modalanswers_.front());
    modalanswers_.pop_front();
    return next;
}

void headlessapplication::Forget(const headlesswindow* gone) {
    std::replace(windows_.begin(), windows_.end(), const_cast<headlesswindow*>(gone),
                 static_cast<headlesswindow*>(nullptr));
}

headlesswindow::headlesswindow(headlessapplication& app, const formdesign& design, windowevents& events)
    : app_(app), design_(design), bounds_{0, 0, design.client.width, design.client.height}, events_(events) {}

headlesswindow::~headlesswindow() { app_.Forget(this); }

void headlesswindow::Resize(extent client) {
    design_.client = client;
    events_.OnResize(client);
}

}  // namespace quillmap::platform
