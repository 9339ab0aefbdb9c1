#include "platform/headless/headlessprinter.h"

namespace quillmap::platform {

void headlessprintjob::NewPage() {
    printer_.sheets.push_back(canvas_.Operations());
    canvas_.ClearOperations();
}

void headlessprintjob::ClearPage() {
    ++printer_.clearedpages;
    canvas_.ClearOperations();
}

}  // namespace quillmap::platform
