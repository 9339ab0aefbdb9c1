#pragma once

#include "model/pole.h"

namespace quillmap {

// The length prefix of a sub-block: a non-zero count puts a data field of that many bytes after it.
class counter : public pole {
public:
    counter(fieldhost& view, cont* parent, int32_t length = 1);

    int32_t Recheck(int32_t position, int32_t count) override;
    void Parse() override;

    int32_t Value() const { return value_; }
    // The value a run read for it.
    void SetValue(int32_t value) { value_ = value; }

private:
    int32_t ReadValue() const;

    int32_t value_ = 0;
};

}  // namespace quillmap
