#pragma once

#include <cstddef>

namespace quillmap {

// A text that lives as long as the program (a literal or a constant array), so a field can point
// at it instead of copying it: millions of sub-blocks share one explanation.
class fixedtext {
public:
    template <std::size_t N>
    consteval fixedtext(const char (&text)[N]) : text_(text) {}

    // A text made at run time that is kept until the program ends (a table built once).
    static fixedtext Kept(const char* text) { return fixedtext(text, 0); }

    const char* c_str() const { return text_; }

private:
    fixedtext(const char* text, int) : text_(text) {}

    const char* text_;
};

}  // namespace quillmap
