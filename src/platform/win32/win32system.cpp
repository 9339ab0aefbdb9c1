#include "platform/win32/win32system.h"

#include "platform/win32/winapi.h"

namespace quillmap::win32 {

// The default sound, as MessageBeep(0) plays it.
void win32system::Beep() { ::MessageBeep(0); }

void win32system::MessageBeep(platform::beepkind kind) { ::MessageBeep(static_cast<UINT>(kind)); }

uint32_t win32system::TickCount() { return GetTickCount(); }

}  // namespace quillmap::win32
