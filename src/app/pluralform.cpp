#include "app/pluralform.h"

namespace quillmap {

pluralform PluralForm(int64_t count) {
    const int64_t units = count % 10;
    const int64_t tens = count % 100;
    if (tens >= 11 && tens <= 14) return pluralform::many;
    if (units == 1) return pluralform::one;
    if (units >= 2 && units <= 4) return pluralform::few;
    return pluralform::many;
}

}  // namespace quillmap
