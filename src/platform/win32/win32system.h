#pragma once

#include "platform/system.h"
#include "platform/win32/win32clipboard.h"
#include "platform/win32/win32files.h"
#include "platform/win32/win32registry.h"

namespace quillmap::win32 {

class win32system final : public platform::system {
public:
    void Beep() override;
    void MessageBeep(platform::beepkind kind) override;
    uint32_t TickCount() override;
    char DecimalSeparator() override;
    platform::extent ScreenSize() override;
    platform::point CursorPos() override;
    platform::rect WorkArea() override;
    platform::fontspec MessageBoxFont() override;
    platform::colour ColourValue(platform::colour c) override;
    platform::files& Files() override { return files_; }
    platform::clipboard& Clipboard() override { return clipboard_; }
    platform::registry& Registry() override { return registry_; }

private:
    win32files files_;
    win32clipboard clipboard_;
    win32registry registry_;
};

}  // namespace quillmap::win32
