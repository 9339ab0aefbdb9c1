#pragma once

#include <optional>
#include <vector>

#include "platform/posix/posixfiles.h"
#include "platform/headless/headlessclipboard.h"
#include "platform/system.h"

namespace quillmap::platform {

// Counts what would have sounded and lets tests move the clock. Files are the real ones, in
// the tests' scratch folders: what saving promises is what the file system does.
class headlesssystem final : public system {
public:
    void Beep() override { ++beeps_; }
    void MessageBeep(beepkind kind) override { messagebeeps_.push_back(kind); }
    uint32_t TickCount() override { return ticks_; }
    char DecimalSeparator() override { return decimalseparator_; }
    extent ScreenSize() override { return screen_; }
    point CursorPos() override { return cursor_; }
    // The whole screen unless a test docks a taskbar.
    rect WorkArea() override { return workarea_.value_or(rect{0, 0, screen_.width, screen_.height}); }
    fontspec MessageBoxFont() override { return messageboxfont; }
    fontspec messageboxfont{"Tahoma", -11, DefaultCharset, 0, clBlack};
    files& Files() override { return files_; }
    headlessclipboard& Clipboard() override { return clipboard_; }

    int Beeps() const { return beeps_; }
    const std::vector<beepkind>& MessageBeeps() const { return messagebeeps_; }
    void AdvanceTicks(uint32_t milliseconds) { ticks_ += milliseconds; }
    void SetDecimalSeparator(char separator) { decimalseparator_ = separator; }
    void SetScreenSize(extent screen) { screen_ = screen; }
    void MoveCursor(point to) { cursor_ = to; }
    void SetWorkArea(const rect& area) { workarea_ = area; }

private:
    int beeps_ = 0;
    std::vector<beepkind> messagebeeps_;
    uint32_t ticks_ = 0;
    char decimalseparator_ = '.';
    extent screen_{1024, 768};
    point cursor_;
    std::optional<rect> workarea_;
    posixfiles files_;
    headlessclipboard clipboard_;
};

}  // namespace quillmap::platform
