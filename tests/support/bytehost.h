#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "model/fieldhost.h"

namespace quillmap::testing {

// The document for field tests: bytes in memory, with the view's metrics set by the test.
class bytehost final : public fieldhost {
public:
    explicit bytehost(std::string_view bytes = {}) : bytes_(bytes.begin(), bytes.end()) {}

    std::span<const uint8_t> Contents() const override { return bytes_; }
    int32_t DocumentLength() const override { return static_cast<int32_t>(bytes_.size()); }
    int32_t ColumnCount() const override { return columns_; }
    int32_t LineHeight() const override { return lineheight_; }
    char DecimalSeparator() const override { return '.'; }

    std::vector<uint8_t>& Bytes() { return bytes_; }
    void SetColumnCount(int32_t columns) { columns_ = columns; }
    void SetLineHeight(int32_t height) { lineheight_ = height; }

private:
    std::vector<uint8_t> bytes_;
    int32_t columns_ = 8;
    int32_t lineheight_ = 10;
};

}  // namespace quillmap::testing
