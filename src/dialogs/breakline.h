#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "dialogs/wrapclasses.h"
#include "platform/canvas.h"

namespace quillmap {

// The position of the first character, from `start`, that does not belong on a line of
// `usablewidth` pixels, measured in the surface's current font. Positions count from 0.
// It returns `start` itself at a line break (a blank line) and when not even one character fits.
size_t BreakLine(int32_t usablewidth, platform::canvas& surface, std::string_view text, size_t start,
                 hyphenrule hyphen);

// Where the next line begins after a line that ended at `end`: past one space character, and past
// both halves of an LF CR or CR LF pair.
size_t NextLineStart(std::string_view text, size_t end);

// One wrapped line: its text as it is measured and drawn, and where the next line begins.
struct wrappedline {
    std::string_view text;
    size_t next = 0;
};

// The line that starts at `start`; a blank line is a single space. Nothing when not even one
// character fits the width, which ends the text for whoever is wrapping it.
std::optional<wrappedline> TakeLine(int32_t usablewidth, platform::canvas& surface, std::string_view text,
                                    size_t start, hyphenrule hyphen);

}  // namespace quillmap
