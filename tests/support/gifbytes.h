#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace quillmap::testing {

// Builds small GIF files byte by byte for tests.
class gifbytes {
public:
    gifbytes& Text(const std::string& text) {
        bytes_.insert(bytes_.end(), text.begin(), text.end());
        return *this;
    }
    gifbytes& Bytes(std::initializer_list<int> values) {
        for (const int value : values) bytes_.push_back(static_cast<uint8_t>(value));
        return *this;
    }
    gifbytes& Word(int value) { return Bytes({value & 0xFF, (value >> 8) & 0xFF}); }
    // "GIF", the version, a screen of width x height, the flags, background and aspect bytes.
    gifbytes& Header(const std::string& version, int width, int height, int flags, int background = 0, int aspect = 0) {
        return Text("GIF").Text(version).Word(width).Word(height).Bytes({flags, background, aspect});
    }
    gifbytes& Map(int entries) {
        for (int k = 0; k < entries; ++k) Bytes({k, 255 - k, 7});
        return *this;
    }
    // An image descriptor at 0,0 with its flags, then a code size byte and one sub-block.
    gifbytes& Image(int width, int height, int flags, int codesize = 2, std::initializer_list<int> data = {0x4C, 0x01}) {
        Text(",").Word(0).Word(0).Word(width).Word(height).Bytes({flags});
        if (flags & 0x80) Map(2 << (flags & 7));
        Bytes({codesize, static_cast<int>(data.size())}).Bytes(data);
        return Bytes({0});
    }
    gifbytes& Trailer() { return Text(";"); }
    std::vector<uint8_t> Make() const { return bytes_; }
    size_t Size() const { return bytes_.size(); }

private:
    std::vector<uint8_t> bytes_;
};

}  // namespace quillmap::testing
