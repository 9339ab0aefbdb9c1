#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "model/fieldhost.h"

namespace quillmap {

class gifcont;

// A GIF document without a view: the bytes and the field tree laid over them. The command-line
// tool and the tests use it; the structure view plays the same part for the program. The
// decimal separator is the platform's, asked by whoever makes the document.
class gifdocument final : public fieldhost {
public:
    explicit gifdocument(std::vector<uint8_t> bytes = {}, char decimalseparator = '.');
    ~gifdocument();

    int32_t DocumentLength() const override { return static_cast<int32_t>(bytes_.size()); }
    std::span<const uint8_t> Contents() const override { return bytes_; }
    int32_t ColumnCount() const override { return 8; }
    int32_t LineHeight() const override { return 16; }
    char DecimalSeparator() const override { return decimalseparator_; }

    gifcont& Root() { return *root_; }
    const gifcont& Root() const { return *root_; }
    const std::vector<uint8_t>& Bytes() const { return bytes_; }

    // Edits followed by the tree as the view follows them.
    void Overwrite(int32_t position, uint8_t byte);
    void Insert(int32_t position, uint8_t byte);
    void Erase(int32_t position);

private:
    std::vector<uint8_t> bytes_;
    char decimalseparator_;
    std::unique_ptr<gifcont> root_;
};

}  // namespace quillmap
