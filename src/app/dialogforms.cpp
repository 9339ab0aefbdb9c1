#include "app/dialogforms.h"

namespace quillmap {

dialogforms::dialogforms(platform::application& app) {
    for (auto& form : forms_) form = app.CreateForm({}, *this);
}

void dialogforms::OnClose() {
    for (auto& form : forms_) form->Hide();
}

}  // namespace quillmap
