#include "support/allocationlimit.h"

#include <cstdlib>
#include <new>

namespace quillmap::testing {

namespace {

// Allocations left before the failing one; negative when nothing is armed.
int64_t countdown = -1;
bool struck = false;

}  // namespace

allocationlimit::allocationlimit(int64_t n) {
    countdown = n - 1;
    struck = false;
}

allocationlimit::~allocationlimit() { countdown = -1; }

bool allocationlimit::Struck() const { return struck; }

}  // namespace quillmap::testing

void* operator new(std::size_t size) {
    using namespace quillmap::testing;
    if (countdown >= 0 && countdown-- == 0) {
        struck = true;
        throw std::bad_alloc();
    }
    if (void* place = std::malloc(size == 0 ? 1 : size)) return place;
    throw std::bad_alloc();
}

void* operator new[](std::size_t size) { return ::operator new(size); }
void operator delete(void* place) noexcept { std::free(place); }
void operator delete[](void* place) noexcept { std::free(place); }
void operator delete(void* place, std::size_t) noexcept { std::free(place); }
void operator delete[](void* place, std::size_t) noexcept { std::free(place); }
