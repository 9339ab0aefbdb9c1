// The structure view's search, which comes with the find dialogs; until then it finds nothing.
#include "views/vwstruct.h"

namespace quillmap {

bool vwstruct::FindPhrase(std::string_view, int32_t&, bool, bool) { return false; }

}  // namespace quillmap
