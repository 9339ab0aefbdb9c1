#include "model/danye.h"

namespace quillmap {

danye::danye(fieldhost& view, cont* parent, int32_t length) : pole(view, parent, fieldkind::danye) { length_ = length; }

int32_t danye::Recheck(int32_t, int32_t) { return -1; }

void danye::Parse() {}

}  // namespace quillmap
