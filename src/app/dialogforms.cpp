#include "app/dialogforms.h"

namespace quillmap {

dialogforms::dialogforms(platform::application& app, platform::system& system)
    : find_(std::make_unique<TForm2>(app, system)), replace_(std::make_unique<TForm3>(app, system)) {
    pinnedfiles_ = std::make_unique<TForm6>(app, system);
    finesettings_ = std::make_unique<TForm7>(app, system);
    about_ = std::make_unique<TForm8>(app, system);
    greeting_ = std::make_unique<TForm4>(app, system);
    extensions_ = std::make_unique<TForm5>(app, system);
    switcher_ = std::make_unique<TForm13>(app, system);
}

}  // namespace quillmap
