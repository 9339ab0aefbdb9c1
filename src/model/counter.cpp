#include "model/counter.h"

#include "model/cont.h"
#include "model/danye.h"

namespace quillmap {

counter::counter(fieldhost& view, cont* parent, int32_t length) : pole(view, parent, fieldkind::counter) { length_ = length; }

int32_t counter::ReadValue() const { return static_cast<int32_t>(ReadNumber(start_, length_)); }

void counter::Parse() {
    value_ = ReadValue();
    if (value_ == 0 || !Parent()) return;
    cont& parent = *Parent();
    parent.Insert<danye>(parent.IndexOf(*this) + 1, value_);
}

int32_t counter::Recheck(int32_t, int32_t) {
    const int32_t value = ReadValue();
    if (value == value_) return -1;
    value_ = value;
    return End();
}

}  // namespace quillmap
