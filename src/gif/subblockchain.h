#pragma once

#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "model/fieldrun.h"

namespace quillmap {

class gifimdesc;

// The sub-blocks of a block as one run of children: each size, then the data it announces when
// not zero. A chain of millions of one-byte sub-blocks costs a byte for each size: its places
// follow from the sizes and from the place of every Spacing-th size.
class subblockchain final : public fieldrun {
public:
    // The chain's first size, not placed yet.
    explicit subblockchain(gifimdesc& block);
    ~subblockchain() override;

    int32_t Count() const override { return count_; }
    int32_t PlacedCount() const override { return placed_; }
    int32_t StartOf(int32_t index) const override;
    int32_t LengthOf(int32_t index) const override;
    void ReadLengths(int32_t index, int32_t count, int32_t* lengths) const override;
    uint32_t SerialOf(int32_t index) const override;
    pole& Field(int32_t index) override;
    int32_t IndexOf(const pole& field) const override;
    int32_t FirstEndingAfter(int32_t position) const override;
    void LayOutFrom(int32_t index, int32_t start) override;
    int32_t Recheck(int32_t position, int32_t count) override;
    void TruncateTo(int32_t count) override;
    void UnplaceFrom(int32_t index) override;
    void Forget() override { made_.clear(); }

    // Another size after the last data, not placed yet.
    void AppendSize();
    // Each placed data sub-block's place and length, in order.
    void ForEachData(const std::function<void(int32_t start, int32_t length)>& visit) const;

private:
    static constexpr int32_t Spacing = 64;

    struct serialrange {
        int32_t index;
        uint32_t serial;
    };
    struct sizeplace {
        int32_t size = -1;
        int32_t start = 0;
    };

    // The place of a size that has one.
    int32_t SizeStart(int32_t size) const;
    // The first placed size at or after position, with its place; the count of placed sizes when none.
    int32_t FirstSizeFrom(int32_t position, int32_t& start) const;
    // Reads the chain from a size at start on, to its end.
    void ReadFrom(int32_t size, int32_t start);
    // Gives a field object the state the bytes give the field at index.
    void Describe(pole& field, int32_t index) const;

    gifimdesc& block_;
    std::vector<uint8_t> sizes_;
    std::vector<int32_t> marks_;
    int32_t count_ = 1;
    int32_t placed_ = 0;
    // Runs of consecutive serials, each from the field at its index on.
    std::vector<serialrange> serials_;
    // The last size whose place was worked out.
    mutable sizeplace cursor_;
    std::map<int32_t, std::unique_ptr<pole>> made_;
};

}  // namespace quillmap
