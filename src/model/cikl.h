#pragma once

#include "model/cont.h"

namespace quillmap {

// A repetition: a container whose count children its format's constructor makes at once.
class cikl : public cont {
public:
    cikl(fieldhost& view, cont* parent, int32_t count);
    int32_t Count() const { return count_; }

private:
    int32_t count_;
};

}  // namespace quillmap
