#pragma once

#include "model/counter.h"

namespace quillmap {

// The size byte of a data sub-block; a zero inside the document ends the chain. Its block's
// chain makes it when asked for and gives it its state.
class gifebcount final : public counter {
public:
    gifebcount(fieldhost& view, cont* parent);
};

}  // namespace quillmap
