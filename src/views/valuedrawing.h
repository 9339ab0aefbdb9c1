#pragma once

#include <cstdint>
#include <string_view>

#include "model/pole.h"
#include "platform/canvas.h"

namespace quillmap {

class vwstruct;

// Whether the selection of the codes holds every byte of the field that lies in the document.
bool FieldSelected(vwstruct& view, const pole& field);

// A value text drawn from its top-left corner, characters [from, to) in the selection colours
// (ChosenTextClr on an opaque ChosenFonClr), the rest in the canvas font over what is there.
void DrawSelectedRuns(platform::canvas& canvas, platform::point at, std::string_view text, int64_t from, int64_t to);

// A value swatch: the rectangle filled with the colour and outlined in black, one pixel wide;
// the canvas keeps its pen and brush.
void DrawSwatch(platform::canvas& canvas, const platform::rect& area, platform::colour colour);

}  // namespace quillmap
