#include "model/cikl.h"

namespace quillmap {

cikl::cikl(fieldhost& view, cont* parent, int32_t count) : cont(view, parent, fieldkind::cikl), count_(count) {
    children_.reserve(count > 0 ? count : 0);
}

}  // namespace quillmap
