#pragma once

#include <cstdint>
#include <span>

namespace quillmap {

// What a field asks of the view that owns the document's bytes.
class fieldhost {
public:
    // Copies n bytes from position; bytes outside the document read as 0.
    virtual void ReadBytes(int32_t position, int32_t n, uint8_t* destination) const = 0;
    virtual int32_t DocumentLength() const = 0;
    // The whole document in one piece, when the host keeps it so: long runs of tiny fields are
    // read faster than through ReadBytes. Empty when it does not.
    virtual std::span<const uint8_t> Contents() const { return {}; }
    // Codes per row.
    virtual int32_t ColumnCount() const = 0;
    virtual int32_t LineHeight() const = 0;
    // The system's decimal separator, for fractions written into the texts.
    virtual char DecimalSeparator() const = 0;

protected:
    ~fieldhost() = default;
};

}  // namespace quillmap
