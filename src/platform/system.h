#pragma once

#include <cstdint>

#include "platform/canvas.h"
#include "platform/clipboard.h"
#include "platform/files.h"
#include "platform/geometry.h"
#include "platform/registry.h"

namespace quillmap::platform {

// MessageBeep sound kinds (the values Windows gives them).
enum class beepkind : uint32_t {
    simple = 0xFFFFFFFF,
    ok = 0x00000000,
    hand = 0x00000010,
    question = 0x00000020,
    exclamation = 0x00000030,
    asterisk = 0x00000040,
};

// Small services of the operating system that the program's logic asks for.
class system {
public:
    virtual ~system() = default;
    // The beep that refuses bad input.
    virtual void Beep() = 0;
    virtual void MessageBeep(beepkind kind) = 0;
    // Milliseconds since the system started; wraps like GetTickCount.
    virtual uint32_t TickCount() = 0;
    // The user's decimal separator, for fractions written into texts.
    virtual char DecimalSeparator() = 0;
    // The primary screen's size in pixels.
    virtual extent ScreenSize() = 0;
    // The mouse cursor, in screen coordinates.
    virtual point CursorPos() = 0;
    // The primary screen without the taskbar and the other bars docked at its edges.
    virtual rect WorkArea() = 0;
    // The font of the system's standard messages (the non-client metrics' message font): bold
    // when its weight is above 500.
    virtual fontspec MessageBoxFont() = 0;
    // The plain colour a colour stands for: one of the system's scheme as the system paints it
    // now, any other as it is.
    virtual colour ColourValue(colour c) = 0;
    // Replacing files and their read-only attribute.
    virtual files& Files() = 0;
    virtual clipboard& Clipboard() = 0;
    // Where file types are bound to the programs that open them.
    virtual registry& Registry() = 0;
};

}  // namespace quillmap::platform
