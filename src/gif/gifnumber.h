#pragma once

#include <string>

namespace quillmap {

// A fraction as the texts write it: the shortest general form, at most 15 significant digits,
// with the system's decimal separator.
std::string FormatFraction(double value, char decimalseparator);

}  // namespace quillmap
