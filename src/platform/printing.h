#pragma once

#include <cstdint>
#include <string>

#include "platform/canvas.h"
#include "platform/geometry.h"

namespace quillmap::platform {

// What the print dialog answered.
struct printrequest {
    bool pagerange = false;  // the user chose pages from..to rather than all
    int32_t frompage = 1;
    int32_t topage = 100;
};

// One print job: pages drawn on the printer's canvas one after another.
class printjob {
public:
    virtual ~printjob() = default;
    virtual canvas& Canvas() = 0;
    // The page in device pixels, and the device's resolution.
    virtual extent PageSize() const = 0;
    virtual extent DotsPerInch() const = 0;
    // Where (0, 0) of the drawing lies on every page: the margins.
    virtual void SetOrigin(point origin) = 0;
    // Ends the current sheet and starts a new one.
    virtual void NewPage() = 0;
    // Paints the current sheet white to be drawn on again: a page before the chosen range.
    virtual void ClearPage() = 0;
    // Sends the job to the printer. Throws when the printer refuses it.
    virtual void Finish() = 0;
};

}  // namespace quillmap::platform
