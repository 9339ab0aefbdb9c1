#include "gif/subblockchain.h"

#include <algorithm>

#include "gif/gifblock.h"
#include "gif/gifextension.h"
#include "gif/gifsubblock.h"
#include "gif/giftexts.h"
#include "gif/giftitles.h"
#include "model/danye.h"
#include "model/fieldserial.h"

namespace quillmap {

namespace {

// The document's bytes, read size after size, each saying where the next is: the memory ahead
// is asked for early, as a copy of it would be.
class bytereader {
public:
    explicit bytereader(const fieldhost& host) : bytes_(host.Contents()) {}

    uint8_t At(int64_t position) const {
        if (position >= int64_t(bytes_.size())) return 0;
        __builtin_prefetch(bytes_.data() + std::min<int64_t>(position + Ahead, int64_t(bytes_.size()) - 1));
        return bytes_[size_t(position)];
    }

private:
    static constexpr int64_t Ahead = 4096;
    std::span<const uint8_t> bytes_;
};

void DescribeData(pole& data, const gifimdesc& block) {
    if (block.Kind() == gbImage) {
        data.SetTitle(giftitle::Data);
        data.SetDescription(giftext::ImageData);
        data.SetStyle(fieldstyle::ImageData);
        return;
    }
    data.SetStyle(fieldstyle::Composite);
    switch (block.Label()) {
        case glGraphicControl:
            data.SetTitle(giftitle::Data);
            data.SetDescription(giftext::ControlData);
            break;
        case glComment:
            data.SetTitle(giftitle::Comment);
            data.SetDescription(giftext::CommentData);
            break;
        case glPlainText:
            data.SetTitle(giftitle::Text);
            data.SetDescription(giftext::PlainTextData);
            break;
        default:
            data.SetTitle(giftitle::Data);
            data.SetDescription(giftext::ApplicationData);
            break;
    }
}

}  // namespace

subblockchain::subblockchain(gifimdesc& block) : block_(block) { serials_.push_back({0, TakeFieldSerial()}); }

subblockchain::~subblockchain() {
    // Last to first, as the container destroys its children.
    while (!made_.empty()) made_.erase(std::prev(made_.end()));
}

int32_t subblockchain::SizeStart(int32_t size) const {
    // Walks on from the last size asked for when it lies shortly before, as the walks of the
    // view and the plug-ins ask in order.
    int32_t from = size / Spacing * Spacing;
    int64_t start = marks_[static_cast<size_t>(size / Spacing)];
    if (cursor_.size <= size && cursor_.size > from) {
        from = cursor_.size;
        start = cursor_.start;
    }
    for (int32_t k = from; k < size; ++k) start += 1 + sizes_[static_cast<size_t>(k)];
    cursor_ = {size, static_cast<int32_t>(start)};
    return static_cast<int32_t>(start);
}

int32_t subblockchain::StartOf(int32_t index) const {
    if (index >= placed_) return -1;
    return SizeStart(index / 2) + index % 2;
}

int32_t subblockchain::LengthOf(int32_t index) const {
    if (index % 2 == 0) return 1;
    const size_t size = static_cast<size_t>(index / 2);
    return size < sizes_.size() ? sizes_[size] : 0;
}

void subblockchain::ReadLengths(int32_t index, int32_t count, int32_t* lengths) const {
    // Sizes, then data as long as the size before them; past the sizes read, data of none.
    const int64_t known = 2 * int64_t(sizes_.size());
    for (int32_t k = 0; k < count; ++k) {
        const int64_t i = int64_t(index) + k;
        lengths[k] = i % 2 == 0 ? 1 : i < known ? sizes_[size_t(i / 2)] : 0;
    }
}

uint32_t subblockchain::SerialOf(int32_t index) const {
    const auto after = std::upper_bound(serials_.begin(), serials_.end(), index,
                                        [](int32_t at, const serialrange& range) { return at < range.index; });
    const serialrange& range = *std::prev(after);
    return range.serial + static_cast<uint32_t>(index - range.index);
}

pole& subblockchain::Field(int32_t index) {
    auto [place, made] = made_.try_emplace(index);
    if (made) {
        try {
            if (index % 2 == 0)
                place->second = std::make_unique<gifebcount>(block_.View(), &block_);
            else
                place->second = std::make_unique<danye>(block_.View(), &block_);
        } catch (...) {
            made_.erase(place);
            throw;
        }
        place->second->AdoptSerial(SerialOf(index));
        Describe(*place->second, index);
    }
    return *place->second;
}

void subblockchain::Describe(pole& field, int32_t index) const {
    const int32_t start = StartOf(index);
    field.MoveTo(start);
    const int32_t value = LengthOf(index | 1);
    if (index % 2 == 1) {
        field.SetLength(value);
        DescribeData(field, block_);
    } else {
        static_cast<counter&>(field).SetValue(value);
        if (value == 0 && start >= 0 && start < block_.DocumentLength()) {
            field.SetTitle(giftitle::EndOfData);
            field.SetDescription(block_.Kind() == gbImage ? fixedtext(giftext::ImageTerminator)
                                                          : fixedtext(giftext::ExtensionTerminator));
        } else {
            field.SetTitle(giftitle::BlockSize);
            field.SetDescription(giftext::SubBlockSize);
        }
    }
    // Measured as the view measures the fields it shows.
    field.CalcHeight();
}

int32_t subblockchain::IndexOf(const pole& field) const {
    for (const auto& [index, made] : made_)
        if (made.get() == &field) return index;
    return -1;
}

int32_t subblockchain::FirstSizeFrom(int32_t position, int32_t& start) const {
    const int32_t placedsizes = (placed_ + 1) / 2;
    if (placedsizes == 0) return 0;
    const auto after = std::upper_bound(marks_.begin(), marks_.end(), position);
    int32_t size = after == marks_.begin() ? 0 : static_cast<int32_t>(after - marks_.begin() - 1) * Spacing;
    if (size >= placedsizes) return placedsizes;
    int64_t at = SizeStart(size);
    while (at < position && ++size < placedsizes) at += 1 + sizes_[static_cast<size_t>(size - 1)];
    start = static_cast<int32_t>(at);
    return size;
}

int32_t subblockchain::FirstEndingAfter(int32_t position) const {
    int32_t start = 0;
    const int32_t size = FirstSizeFrom(position, start);
    // The data before that size may reach past position.
    if (size > 0 && 2 * size - 1 < placed_ && StartOf(2 * size - 1) + LengthOf(2 * size - 1) > position)
        return 2 * size - 1;
    return std::min(2 * size, placed_);
}

void subblockchain::LayOutFrom(int32_t index, int32_t start) {
    int32_t size = index / 2;
    if (index % 2 == 1) {
        // The data keeps the place and length its size gave it; a size after it is read anew.
        const int32_t dataend = StartOf(index) + LengthOf(index);
        if (index + 1 >= count_) {
            placed_ = count_;
            return;
        }
        ++size;
        start = dataend;
    } else if (index < placed_) {
        start = StartOf(index);
    }
    ReadFrom(size, start);
    for (auto place = made_.lower_bound(index); place != made_.end();) {
        if (place->first >= count_) {
            place = made_.erase(place);
            continue;
        }
        Describe(*place->second, place->first);
        ++place;
    }
}

void subblockchain::ReadFrom(int32_t size, int32_t start) {
    const int64_t length = block_.DocumentLength();
    sizes_.resize(static_cast<size_t>(size));
    marks_.resize(static_cast<size_t>((size + Spacing - 1) / Spacing));
    cursor_ = {};
    const int32_t before = count_;
    const bytereader bytes(block_.View());
    int64_t at = start;
    int32_t fields = 0;
    for (;;) {
        if (size % Spacing == 0) marks_.push_back(static_cast<int32_t>(at));
        const uint8_t value = at < length ? bytes.At(at) : 0;
        sizes_.push_back(value);
        fields = 2 * size + 1;
        if (value == 0) break;
        fields = 2 * size + 2;
        // A later size only when it starts inside the document.
        if (at + 1 + value >= length) break;
        at += 1 + value;
        ++size;
    }
    count_ = fields;
    placed_ = fields;
    while (serials_.size() > 1 && serials_.back().index >= count_) serials_.pop_back();
    if (count_ > before) serials_.push_back({before, TakeFieldSerials(static_cast<uint32_t>(count_ - before))});
}

int32_t subblockchain::Recheck(int32_t position, int32_t count) {
    int32_t start = 0;
    int32_t size = FirstSizeFrom(position, start);
    const int64_t end = int64_t(position) + count;
    const int64_t length = block_.DocumentLength();
    const bytereader bytes(block_.View());
    for (int64_t at = start; 2 * size < placed_ && at < end; ++size) {
        const uint8_t now = at < length ? bytes.At(at) : 0;
        if (now != sizes_[static_cast<size_t>(size)]) return static_cast<int32_t>(at + 1);
        at += 1 + now;
    }
    return -1;
}

void subblockchain::TruncateTo(int32_t count) {
    count_ = count;
    placed_ = std::min(placed_, count);
    const size_t sizes = std::min(sizes_.size(), static_cast<size_t>((count + 1) / 2));
    sizes_.resize(sizes);
    marks_.resize((sizes + Spacing - 1) / Spacing);
    cursor_ = {};
    while (serials_.size() > 1 && serials_.back().index >= count) serials_.pop_back();
    while (!made_.empty() && std::prev(made_.end())->first >= count) made_.erase(std::prev(made_.end()));
}

void subblockchain::UnplaceFrom(int32_t index) {
    placed_ = std::min(placed_, index);
    for (auto place = made_.lower_bound(index); place != made_.end(); ++place) place->second->Unplace();
}

void subblockchain::AppendSize() {
    serials_.push_back({count_, TakeFieldSerial()});
    ++count_;
}

void subblockchain::ForEachData(const std::function<void(int32_t start, int32_t length)>& visit) const {
    if (placed_ == 0) return;
    int64_t at = marks_.front();
    for (int32_t size = 0; 2 * size + 1 < placed_; ++size) {
        const uint8_t value = sizes_[static_cast<size_t>(size)];
        visit(static_cast<int32_t>(at + 1), value);
        at += 1 + value;
    }
}

}  // namespace quillmap
