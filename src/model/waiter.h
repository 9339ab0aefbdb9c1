#pragma once

#include <span>
#include <string_view>

#include "model/pole.h"

namespace quillmap {

// A separator: scans forward from its start for the first of several byte strings.
class waiter : public pole {
public:
    // Each separator is at least one byte long.
    waiter(fieldhost& view, cont* parent, std::span<const std::string_view> separators);

    int32_t Recheck(int32_t position, int32_t count) override;
    void Parse() override;
    // The separator index was found at position; the format places the field there.
    virtual void OnFound(int32_t index, int32_t position) = 0;

    int32_t Found() const { return found_; }
    std::span<const std::string_view> Separators() const { return separators_; }

private:
    std::span<const std::string_view> separators_;
    int32_t found_ = -1;
};

}  // namespace quillmap
