#pragma once

#include <span>
#include <string>
#include <vector>

#include "model/pole.h"

namespace quillmap {

// Packed bit groups, listed from the most significant bit of the first byte down.
class flagi : public pole {
public:
    flagi(fieldhost& view, cont* parent, std::span<const int32_t> groupwidths, int32_t length = 1);

    int32_t CalcHeight() override;
    int32_t ItemCount() const override;
    int32_t Recheck(int32_t position, int32_t count) override;
    void Parse() override;
    void GetItem(int32_t index, int32_t& lines, std::string& text) const override;
    // Gives the group's text; called for every group in order while parsing.
    virtual void OnFlag(int32_t group, uint32_t value) = 0;

    // The values of the groups as Parse reads them, without calling the hooks.
    std::vector<uint32_t> GroupValues() const;
    std::span<const int32_t> GroupWidths() const { return groupwidths_; }
    const std::string& GroupText(int32_t group) const { return grouptexts_[group]; }

protected:
    void SetGroupText(int32_t group, std::string text) { grouptexts_[group] = std::move(text); }
    // A format whose groups depend on other bytes may change the widths before parsing.
    void SetGroupWidths(std::span<const int32_t> groupwidths);

private:
    std::span<const int32_t> groupwidths_;
    std::vector<std::string> grouptexts_;
};

}  // namespace quillmap
