#include "app/dialogforms.h"

namespace quillmap {

dialogforms::dialogforms(platform::application& app, platform::system& system)
    : find_(std::make_unique<TForm2>(app, system)), replace_(std::make_unique<TForm3>(app, system)) {
    for (auto& form : before_) form = app.CreateForm({}, *this);
    finesettings_ = std::make_unique<TForm7>(app, system);
    about_ = std::make_unique<TForm8>(app, system);
    for (auto& form : after_) form = app.CreateForm({}, *this);
    switcher_ = std::make_unique<TForm13>(app, system);
}

void dialogforms::OnClose() {
    for (auto& form : before_) form->Hide();
    for (auto& form : after_) form->Hide();
}

}  // namespace quillmap
