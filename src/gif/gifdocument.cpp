#include "gif/gifdocument.h"

#include "gif/gifcont.h"

namespace quillmap {

gifdocument::gifdocument(std::vector<uint8_t> bytes, char decimalseparator)
    : bytes_(std::move(bytes)), decimalseparator_(decimalseparator), root_(std::make_unique<gifcont>(*this)) {
    root_->Parse();
}

gifdocument::~gifdocument() = default;

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
