#pragma once

#include "gif/lzwdecoder.h"
#include "platform/pixelsurface.h"

namespace quillmap {

// Writes the decoded pixels (complete rows and the part of the last one) into a surface of the
// picture's size, each decoded row in its picture row; the rest of the surface stays as it was.
void WritePicture(const lzwresult& decoded, const lzwinput& picture, platform::pixelsurface& surface);

}  // namespace quillmap
