#include "model/signatura.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace quillmap {

signatura::signatura(fieldhost& view, cont* parent, const signaturedef& def, int32_t length)
    : pole(view, parent, fieldkind::signatura), def_(&def) {
    length_ = length;
}

int32_t signatura::FindMatch() const {
    size_t longest = static_cast<size_t>(std::max(length_, 0));
    for (const std::string_view alternative : def_->alternatives) longest = std::max(longest, alternative.size());
    std::vector<uint8_t> bytes(longest);
    ReadBytes(start_, static_cast<int32_t>(longest), bytes.data());
    for (size_t k = 0; k < def_->alternatives.size(); ++k) {
        const std::string_view alternative = def_->alternatives[k];
        if (std::memcmp(bytes.data(), alternative.data(), alternative.size()) == 0) return static_cast<int32_t>(k);
    }
    return -1;
}

void signatura::Describe(int32_t index) {
    matched_ = index;
    const size_t remark = static_cast<size_t>(index + 1);
    std::string text(def_->prefix);
    if (remark < def_->remarks.size()) text += def_->remarks[remark];
    text += def_->suffix;
    CopyDescription(text);
}

void signatura::Parse() {
    const int32_t index = FindMatch();
    Describe(index);
    if (index >= 0) OnMatch(index);
}

int32_t signatura::Recheck(int32_t, int32_t) {
    const int32_t index = FindMatch();
    if (index == matched_) return -1;
    Describe(index);
    if (index >= 0) OnMatch(index);
    return End();
}

}  // namespace quillmap
