#pragma once

#include "gif/lzwdecoder.h"
#include "platform/system.h"

namespace quillmap {

class gifimdesc;

// Gathers what decoding an image block needs from the tree: its code size, size, row order,
// colours (local map, else global; the transparent colour of a graphic control block just
// before it; a mark colour where the map has none) and its data sub-blocks.
lzwinput ImageInputOf(const gifimdesc& block);

// Decodes an image block, records the status in the block, and beeps when the code size is
// out of range.
lzwresult DecodeImageBlock(gifimdesc& block, platform::system& system);

}  // namespace quillmap
