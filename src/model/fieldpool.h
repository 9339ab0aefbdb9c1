#pragma once

#include <cstddef>

namespace quillmap {

// Fields are small and a document may hold millions of them: they come from pooled chunks,
// without a heap header each, and a freed field's place serves the next field of its size.
// The chunks go back to the heap when the last field is gone. Single-threaded, like the program.
void* AllocateField(std::size_t size);
void ReleaseField(void* field, std::size_t size);

}  // namespace quillmap
