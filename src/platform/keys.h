#pragma once

#include <cstdint>

namespace quillmap::platform {

// Key codes as Windows numbers them; letters and digits are their upper-case characters.
enum keycode : uint16_t {
    vkBack = 0x08,
    vkTab = 0x09,
    vkReturn = 0x0D,
    vkControl = 0x11,
    vkEscape = 0x1B,
    vkPrior = 0x21,
    vkNext = 0x22,
    vkEnd = 0x23,
    vkHome = 0x24,
    vkLeft = 0x25,
    vkUp = 0x26,
    vkRight = 0x27,
    vkDown = 0x28,
    vkInsert = 0x2D,
    vkDelete = 0x2E,
    vkF1 = 0x70,
    vkF2 = 0x71,
    vkF3 = 0x72,
    vkF4 = 0x73,
    vkF8 = 0x77,
    vkF12 = 0x7B,
};

// Which modifiers are held with a key.
enum shiftbit : uint8_t {
    ssShift = 1,
    ssAlt = 2,
    ssCtrl = 4,
};

}  // namespace quillmap::platform
