#pragma once

#include "platform/system.h"

namespace quillmap::win32 {

class win32system final : public platform::system {
public:
    void Beep() override;
    void MessageBeep(platform::beepkind kind) override;
    uint32_t TickCount() override;
    char DecimalSeparator() override;
    platform::extent ScreenSize() override;
    platform::point CursorPos() override;
};

}  // namespace quillmap::win32
