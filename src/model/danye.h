#pragma once

#include "model/pole.h"

namespace quillmap {

// Raw data whose length its creator sets.
class danye : public pole {
public:
    danye(fieldhost& view, cont* parent, int32_t length = 0);
    int32_t Recheck(int32_t position, int32_t count) override;
    void Parse() override;
};

}  // namespace quillmap
