#pragma once

#include "platform/system.h"
#include "platform/win32/win32files.h"

namespace quillmap::win32 {

class win32system final : public platform::system {
public:
    void Beep() override;
    void MessageBeep(platform::beepkind kind) override;
    uint32_t TickCount() override;
    char DecimalSeparator() override;
    platform::extent ScreenSize() override;
    platform::point CursorPos() override;
    platform::files& Files() override { return files_; }

private:
    win32files files_;
};

}  // namespace quillmap::win32
