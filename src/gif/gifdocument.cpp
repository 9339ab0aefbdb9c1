#include "gif/gifdocument.h"

#include <algorithm>
#include <cstring>

#include "gif/gifcont.h"

namespace quillmap {

gifdocument::gifdocument(std::vector<uint8_t> bytes, char decimalseparator)
    : bytes_(std::move(bytes)), decimalseparator_(decimalseparator), root_(std::make_unique<gifcont>(*this)) {
    root_->Parse();
}

gifdocument::~gifdocument() = default;

void gifdocument::ReadBytes(int32_t position, int32_t n, uint8_t* destination) const {
    if (n <= 0) return;
    std::memset(destination, 0, static_cast<size_t>(n));
    const int64_t from = std::max<int64_t>(position, 0);
    const int64_t to = std::min<int64_t>(int64_t(position) + n, int64_t(bytes_.size()));
    if (from < to) std::memcpy(destination + (from - position), bytes_.data() + from, static_cast<size_t>(to - from));
}

void gifdocument::Overwrite(int32_t position, uint8_t byte) {
    bytes_.at(static_cast<size_t>(position)) = byte;
    root_->Recheck(position, 1);
}

void gifdocument::Insert(int32_t position, uint8_t byte) {
    bytes_.insert(bytes_.begin() + position, byte);
    root_->RebuildFrom(position);
}

void gifdocument::Erase(int32_t position) {
    bytes_.erase(bytes_.begin() + position);
    root_->RebuildFrom(position);
}

}  // namespace quillmap
