#pragma once

#include <vector>

#include "platform/system.h"

namespace quillmap::platform {

// Counts what would have sounded and lets tests move the clock.
class headlesssystem final : public system {
public:
    void Beep() override { ++beeps_; }
    void MessageBeep(beepkind kind) override { messagebeeps_.push_back(kind); }
    uint32_t TickCount() override { return ticks_; }
    char DecimalSeparator() override { return decimalseparator_; }

    int Beeps() const { return beeps_; }
    const std::vector<beepkind>& MessageBeeps() const { return messagebeeps_; }
    void AdvanceTicks(uint32_t milliseconds) { ticks_ += milliseconds; }
    void SetDecimalSeparator(char separator) { decimalseparator_ = separator; }

private:
    int beeps_ = 0;
    std::vector<beepkind> messagebeeps_;
    uint32_t ticks_ = 0;
    char decimalseparator_ = '.';
};

}  // namespace quillmap::platform
