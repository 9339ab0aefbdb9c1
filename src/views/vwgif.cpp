#include "views/vwgif.h"

#include "gif/gifcont.h"

namespace quillmap {

vwgif::vwgif(platform::canvas& surface, platform::system& system)
    : vwstruct(surface, system, [](fieldhost& view) { return std::make_unique<gifcont>(view); }) {}

}  // namespace quillmap
