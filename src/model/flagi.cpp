#include "model/flagi.h"

#include <algorithm>

namespace quillmap {

flagi::flagi(fieldhost& view, cont* parent, std::span<const int32_t> groupwidths, int32_t length)
    : pole(view, parent, fieldkind::flagi) {
    length_ = length;
    SetGroupWidths(groupwidths);
}

void flagi::SetGroupWidths(std::span<const int32_t> groupwidths) {
    groupwidths_ = groupwidths;
    grouptexts_.assign(groupwidths.size(), std::string());
}

int32_t flagi::CalcHeight() {
    // Each group has a line of its own.
    SetHeight(HeightOfRows(static_cast<int32_t>(groupwidths_.size())));
    return Height();
}

int32_t flagi::ItemCount() const { return static_cast<int32_t>(grouptexts_.size()); }

std::vector<uint32_t> flagi::GroupValues() const {
    std::vector<uint8_t> bytes(static_cast<size_t>(std::max(length_, 0)));
    ReadBytes(start_, length_, bytes.data());
    std::vector<uint32_t> values;
    values.reserve(groupwidths_.size());
    size_t bit = 0;  // counted from the most significant bit of the first byte
    for (const int32_t width : groupwidths_) {
        uint32_t value = 0;
        for (int32_t i = 0; i < width; ++i, ++bit) {
            const size_t byte = bit / 8;
            const uint32_t set = byte < bytes.size() ? (bytes[byte] >> (7 - bit % 8)) & 1u : 0u;
            value = (value << 1) | set;
        }
        values.push_back(value);
    }
    return values;
}

void flagi::Parse() {
    const std::vector<uint32_t> values = GroupValues();
    for (size_t group = 0; group < values.size(); ++group) OnFlag(static_cast<int32_t>(group), values[group]);
}

int32_t flagi::Recheck(int32_t, int32_t) {
    Parse();
    return -1;
}

void flagi::GetItem(int32_t index, int32_t& lines, std::string& text) const {
    if (index >= 0 && index < ItemCount()) {
        lines = 1;
        text = grouptexts_[index];
    } else {
        lines = 0;
        text.clear();
    }
}

}  // namespace quillmap
