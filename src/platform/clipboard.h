#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quillmap::platform {

// The system clipboard as the program uses it: bytes in, bytes out.
class clipboard {
public:
    virtual ~clipboard() = default;
    // Replaces the clipboard's contents with the bytes: as Russian text for other programs, which
    // ends at the first zero byte, and whole, with their length, in the program's own format, so
    // that a paste in this or another running copy gets every byte back. False when the
    // clipboard could not be taken.
    virtual bool Put(std::string_view bytes) = 0;
    // What a paste inserts: the program's own bytes when another copy of it put them there,
    // otherwise the text in CP1251 ('?' for a character with no form there); empty when the
    // clipboard holds neither, none when it could not be read.
    virtual std::optional<std::string> Get() = 0;
};

}  // namespace quillmap::platform
