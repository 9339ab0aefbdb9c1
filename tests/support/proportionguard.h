#pragma once

#include "dialogs/textblock.h"

namespace quillmap::testing {

// Restores the application-wide text block proportion a test changes (a text popup sets it).
class proportionguard {
public:
    proportionguard() : saved_(TextBlockProportion()) {}
    ~proportionguard() { SetTextBlockProportion(saved_); }
    proportionguard(const proportionguard&) = delete;
    proportionguard& operator=(const proportionguard&) = delete;

private:
    double saved_;
};

}  // namespace quillmap::testing
