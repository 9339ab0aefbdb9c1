#pragma once

#include <cstdint>

namespace quillmap {

// Pixels between two wrapped lines.
inline constexpr int32_t LineGap = 1;

// The width-to-height proportion FitTextBox aims a text box at: 3.5 from the start; the popup
// text window sets 5, which holds from then on.
double TextBlockProportion();
void SetTextBlockProportion(double proportion);

}  // namespace quillmap
