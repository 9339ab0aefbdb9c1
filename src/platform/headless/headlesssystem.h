#pragma once

#include <map>
#include <optional>
#include <vector>

#include "platform/posix/posixfiles.h"
#include "platform/headless/headlessclipboard.h"
#include "platform/headless/headlessregistry.h"
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
    // The scheme's colours as the classic Windows scheme paints them, unless a test changes them;
    // one the table lacks is black.
    colour ColourValue(colour c) override {
        if (!IsSystemColour(c)) return c;
        const auto found = schemecolours.find(c);
        return found == schemecolours.end() ? clBlack : found->second;
    }
    std::map<colour, colour> schemecolours{
        {clWindow, Rgb(255, 255, 255)},       {clWindowText, Rgb(0, 0, 0)},
        {clHighlight, Rgb(0, 0, 128)},        {clHighlightText, Rgb(255, 255, 255)},
        {clBtnFace, Rgb(192, 192, 192)},      {clBtnShadow, Rgb(128, 128, 128)},
    };
    files& Files() override { return files_; }
    headlessclipboard& Clipboard() override { return clipboard_; }
    headlessregistry& Registry() override { return registry_; }

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
    headlessregistry registry_;
};

}  // namespace quillmap::platform
