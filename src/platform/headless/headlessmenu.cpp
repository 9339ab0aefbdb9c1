#include "platform/headless/headlessmenu.h"

#include "platform/headless/headlessapplication.h"

namespace quillmap::platform {

headlessmenupeer::~headlessmenupeer() {
    if (window_ != nullptr) window_->MenuBarGone();
}

}  // namespace quillmap::platform
