#pragma once

#include <span>
#include <string_view>

#include "model/pole.h"

namespace quillmap {

// The fixed texts and byte strings of one kind of signature, shared by all its fields.
struct signaturedef {
    std::span<const std::string_view> alternatives;  // tested in order
    // remarks[0] when nothing matches, remarks[k + 1] for alternative k
    std::span<const std::string_view> remarks;
    std::string_view prefix;
    std::string_view suffix;
};

// An expected byte string or one of several enumerated values.
class signatura : public pole {
public:
    signatura(fieldhost& view, cont* parent, const signaturedef& def, int32_t length);

    int32_t Recheck(int32_t position, int32_t count) override;
    void Parse() override;
    virtual void OnMatch(int32_t index) = 0;

    int32_t Matched() const { return matched_; }
    const signaturedef& Definition() const { return *def_; }

private:
    // Index of the first alternative the bytes at start begin with, or -1.
    int32_t FindMatch() const;
    void Describe(int32_t index);

    const signaturedef* def_;
    int32_t matched_ = -1;
};

}  // namespace quillmap
