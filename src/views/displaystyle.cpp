#include "views/displaystyle.h"

#include "views/compositestyle.h"

namespace quillmap {

const displaystyle& StyleOf(const pole*) {
    // Until the number, flag, colour and image styles exist, every field shows its bytes.
    static const compositestyle composite;
    return composite;
}

}  // namespace quillmap
