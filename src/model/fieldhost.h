#pragma once

#include <cstdint>
#include <span>

namespace quillmap {

// What a field asks of the view that owns the document's bytes.
class fieldhost {
public:
    // The whole document in one piece: long runs of tiny fields read it directly.
    virtual std::span<const uint8_t> Contents() const = 0;
    // Copies n bytes from position; bytes outside the document read as 0.
    void ReadBytes(int32_t position, int32_t n, uint8_t* destination) const;
    virtual int32_t DocumentLength() const = 0;
    // Codes per row.
    virtual int32_t ColumnCount() const = 0;
    virtual int32_t LineHeight() const = 0;
    // The system's decimal separator, for fractions written into the texts.
    virtual char DecimalSeparator() const = 0;

protected:
    ~fieldhost() = default;
};

}  // namespace quillmap
