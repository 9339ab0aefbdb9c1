#include <gtest/gtest.h>

#include <new>

#include "platform/eventguard.h"

namespace quillmap::platform {
namespace {

TEST(EventGuard, AnEventThatRunsOutOfMemoryEndsThereAndTheProgramIsTold) {
    int told = 0;
    SetOutOfMemoryHandler([&] { ++told; });
    EXPECT_TRUE(DeliverEvent([] {}));
    EXPECT_FALSE(DeliverEvent([] { throw std::bad_alloc(); }));
    EXPECT_EQ(told, 1);
    // Telling the user may run out too: that goes no further.
    SetOutOfMemoryHandler([] { throw std::bad_alloc(); });
    EXPECT_FALSE(DeliverEvent([] { throw std::bad_alloc(); }));
    SetOutOfMemoryHandler(nullptr);
}

}  // namespace
}  // namespace quillmap::platform
