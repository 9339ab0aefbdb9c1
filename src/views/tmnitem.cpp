#include "views/tmnitem.h"

namespace quillmap {

tmnitem::tmnitem(const mnaction& action, int32_t tag, std::function<void(bool changed)> clicked)
    : platform::menuitem(action.caption),
      method_(action.handler),
      clicked_(std::move(clicked)),
      tag_(tag),
      checkable_(action.checkable) {
    SetChecked(action.checkable && action.checked);
    OnClick([this] { Chosen(); });
}

void tmnitem::Chosen() {
    if (checkable_) SetChecked(!Checked());
    const bool changed = method_ && method_(Checked());
    if (clicked_) clicked_(changed);
}

}  // namespace quillmap
