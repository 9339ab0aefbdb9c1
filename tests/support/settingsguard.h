#pragma once

#include "base/settings.h"

namespace quillmap::testing {

// Gives a test the default settings and puts back whatever was there before.
class settingsguard {
public:
    settingsguard() : saved_(Settings()) { Settings() = DefaultSettings(); }
    ~settingsguard() { Settings() = saved_; }
    settingsguard(const settingsguard&) = delete;
    settingsguard& operator=(const settingsguard&) = delete;

private:
    settingvalues saved_;
};

}  // namespace quillmap::testing
