#pragma once

#include "model/cont.h"

namespace quillmap {

// After a copy of the document has been parsed into another tree of the same grammar, that tree
// opens and closes the same containers: child by child, a container takes the flag of the
// container at the same index in the source (and goes on inside when open); one without a
// counterpart is opened.
void CopyExpandedState(const cont& from, cont& to);

}  // namespace quillmap
