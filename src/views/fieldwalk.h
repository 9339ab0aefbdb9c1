#pragma once

#include <cstdint>
#include <functional>

#include "model/cont.h"

namespace quillmap {

// A plug-in's walk over the field tree. The callback sees each field (by serial) or gap (serial
// 0) of a level with its length and bytes; it may ask to descend into a container, and may stop
// the walk. Every level ends with a call of (0, 0, null), and so does a descend into anything that
// is not a container, gaps included.
using fieldreader =
    std::function<void(uint32_t serial, int32_t length, const uint8_t* bytes, bool& descend, bool& stop)>;
// The same walk, where the callback may hand back other bytes for the entry.
using fieldrewriter =
    std::function<void(uint32_t serial, int32_t& length, const uint8_t*& bytes, bool& descend, bool& stop)>;

// One stop of the walk: a field or gap with the document bytes it covers, or the end of a level.
struct walkentry {
    uint32_t serial = 0;  // 0 for a gap and for a level's end
    int32_t start = 0;
    int32_t length = 0;  // only the bytes the document holds
    const cont* container = nullptr;
    bool levelend = false;
};

// Visits the root's children in document order, with gaps where no child covers the bytes, and
// goes into a container when the visitor sets descend. Ends as soon as the visitor sets stop.
using walkvisitor = std::function<void(const walkentry& entry, bool& descend, bool& stop)>;
void WalkFields(const cont& root, int32_t documentlength, const walkvisitor& visit);

}  // namespace quillmap
