#pragma once

#include <ostream>

#include "gif/gifdocument.h"

namespace quillmap {

struct outlinecounts {
    long blocks = 0;
    long images = 0;
    long extensions = 0;
    long subblocks = 0;  // data sub-blocks
    long fields = 0;     // every node of the tree
    long gaps = 0;
};

// Counts the tree's parts without printing it.
outlinecounts CountOutline(const gifdocument& document);

// The field outline with every container open: one entry per field or gap, indented by depth,
// with place, title, value and the whole description, in UTF-8. Returns the counts.
outlinecounts WriteOutline(const gifdocument& document, std::ostream& out);

}  // namespace quillmap
