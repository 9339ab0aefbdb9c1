// The picture of an image block, decoded and shown in the image popup.
#include <new>
#include <stdexcept>

#include "gif/gifblock.h"
#include "gif/gifimagedecode.h"
#include "gif/gifpicture.h"
#include "views/vwgif.h"

namespace quillmap {

void vwgif::ShowImage(pole& field) {
    auto& block = static_cast<gifimdesc&>(*field.Parent());
    lzwresult decoded;
    try {
        decoded = DecodeImageBlock(block, system_);
    } catch (const std::bad_alloc&) {
        // A picture larger than memory cannot be shown either.
        return system_.Beep();
    } catch (const std::length_error&) {
        return system_.Beep();
    }
    if (decoded.status == dsBadCodeSize || !Popups()) return;
    const lzwinput picture = ImageInputOf(block);
    if (platform::pixelsurface* surface = Popups()->ShowImagePopup(picture.width, picture.height))
        WritePicture(decoded, picture, *surface);
}

}  // namespace quillmap
