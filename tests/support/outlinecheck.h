#pragma once

#include <string>
#include <vector>

#include "model/cont.h"
#include "views/navigatoroutline.h"

namespace quillmap::testing {

// Checks the rows against the current tree: the root's children in order, after an open
// container's row all its children in order, nothing under a closed one, every row's field
// with the serial it had when the row was made, the rows indented by depth and following one
// another without gaps. Empty when they do, else what the first wrong row is.
std::string OutlineMismatch(const cont& root, const std::vector<outlinerow>& rows);

}  // namespace quillmap::testing
