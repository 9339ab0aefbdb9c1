#pragma once

#include <cstdint>

namespace quillmap::testing {

// Makes the n-th allocation from now (counted from 1) fail with std::bad_alloc, once, as when
// memory runs out in the middle of an operation and comes back once its partial work is undone.
// The test binary replaces the global operator new to count. Ends with the scope.
class allocationlimit {
public:
    explicit allocationlimit(int64_t n);
    ~allocationlimit();
    allocationlimit(const allocationlimit&) = delete;
    allocationlimit& operator=(const allocationlimit&) = delete;
    // Whether the failure came.
    bool Struck() const;
};

}  // namespace quillmap::testing
