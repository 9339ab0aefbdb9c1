#include "views/vwgif.h"

#include "gif/gifcont.h"

namespace quillmap {

vwgif::vwgif(platform::canvas& surface, platform::system& system)
    : vwstruct(surface, system, [](fieldhost& view) { return std::make_unique<gifcont>(view); }),
      system_(system) {}

int32_t vwgif::ColourOf(int32_t position) const { return static_cast<const gifcont&>(Root()).ColourOf(position); }

}  // namespace quillmap
