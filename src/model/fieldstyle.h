#pragma once

#include <cstdint>

namespace quillmap {

// Which of the structure view's shared behaviour tables draws a field's value and edits it.
// A field carries only this name; the view owns the tables.
enum class fieldstyle : uint8_t {
    none,  // not yet given a style by its creator
    Composite,
    Number,
    NumberColourIndex,  // Number, with the value followed by the colour the number selects
    Flags,
    ColourEntry,
    ImageData,
};

}  // namespace quillmap
