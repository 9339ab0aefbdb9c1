#pragma once

#include "views/compositestyle.h"
#include "views/imagebutton.h"

namespace quillmap {

// An image block's compressed data: its bytes as characters, like a text, and on its first row
// the button that shows the decoded image.
class imagedatastyle final : public compositestyle {
public:
    void DrawValueRow(vwstruct& view, const platform::rect& area, int32_t start, const pole* field, int32_t row,
                      int32_t length) const override;

private:
    imagebutton button_;
};

}  // namespace quillmap
