#include "views/displaystyle.h"

#include "views/colourentrystyle.h"
#include "views/colourindexstyle.h"
#include "views/compositestyle.h"
#include "views/flagsstyle.h"
#include "views/imagedatastyle.h"
#include "views/numberstyle.h"

namespace quillmap {

const displaystyle& StyleOf(const pole* field) {
    static const compositestyle composite;
    static const numberstyle number;
    static const colourindexstyle colourindex;
    static const flagsstyle flags;
    static const colourentrystyle colourentry;
    static const imagedatastyle imagedata;
    if (!field) return composite;
    switch (field->Style()) {
    case fieldstyle::Number: return number;
    case fieldstyle::NumberColourIndex: return colourindex;
    // Only a flags field has the groups the style shows.
    case fieldstyle::Flags: return field->Kind() == fieldkind::flagi ? static_cast<const displaystyle&>(flags) : composite;
    case fieldstyle::ColourEntry: return colourentry;
    case fieldstyle::ImageData: return imagedata;
    case fieldstyle::none:
    case fieldstyle::Composite: break;
    }
    return composite;
}

}  // namespace quillmap
