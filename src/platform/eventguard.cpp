#include "platform/eventguard.h"

#include <utility>

namespace quillmap::platform {

namespace {

std::function<void()>& Handler() {
    static std::function<void()> handler;
    return handler;
}

}  // namespace

void SetOutOfMemoryHandler(std::function<void()> handler) { Handler() = std::move(handler); }

void ReportOutOfMemory() {
    // Memory may still be short: a second failure while telling the user is not passed on.
    try {
        if (Handler()) Handler()();
    } catch (const std::bad_alloc&) {
    }
}

}  // namespace quillmap::platform
