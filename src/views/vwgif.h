#pragma once

#include "views/vwstruct.h"

namespace quillmap {

// The structure view of a GIF file: the structure view over the GIF grammar's root.
class vwgif final : public vwstruct {
public:
    vwgif(platform::canvas& surface, platform::system& system);
    // The colour in the global colour map.
    int32_t ColourOf(int32_t position) const override;

protected:
    // Decodes the image block that holds the field and shows what was decoded in the image popup.
    void ShowImage(pole& field) override;

private:
    platform::system& system_;
};

}  // namespace quillmap
