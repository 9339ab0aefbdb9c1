#include "gif/gifnumber.h"

#include <algorithm>
#include <cstdio>

namespace quillmap {

std::string FormatFraction(double value, char decimalseparator) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    std::string text(buffer);
    std::replace(text.begin(), text.end(), '.', decimalseparator);
    return text;
}

}  // namespace quillmap
