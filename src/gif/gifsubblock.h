#pragma once

#include "model/counter.h"

namespace quillmap {

// The size byte of a data sub-block; a zero inside the document ends the chain.
class gifebcount final : public counter {
public:
    gifebcount(fieldhost& view, cont* parent);
    void Parse() override;
};

}  // namespace quillmap
