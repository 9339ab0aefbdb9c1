#pragma once

#include <functional>
#include <new>

namespace quillmap::platform {

// The program's answer to memory running out inside an event's handler, set once at start-up:
// by then the handler's partial work has been undone, and the user is told.
void SetOutOfMemoryHandler(std::function<void()> handler);
void ReportOutOfMemory();

// Runs an event's handler; memory running out in it ends the handler, not the program. The
// backends deliver every event through it, so that std::bad_alloc never crosses the system's
// code. False when the handler ran out.
template <class Handler>
bool DeliverEvent(Handler&& handler) {
    try {
        handler();
        return true;
    } catch (const std::bad_alloc&) {
        ReportOutOfMemory();
        return false;
    }
}

}  // namespace quillmap::platform
