#pragma once

#include "platform/canvas.h"
#include "platform/geometry.h"

namespace quillmap::platform {

// An off-screen picture with its own canvas: the main window draws its view here and copies the
// result to the screen, so that a repaint never shows half-drawn rows.
class bitmap {
public:
    virtual ~bitmap() = default;
    virtual canvas& Canvas() = 0;
    virtual extent Size() const = 0;
    // The picture is lost; the canvas keeps its font, pen and brush.
    virtual void SetSize(extent size) = 0;
};

}  // namespace quillmap::platform
