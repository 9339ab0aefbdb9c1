#include "model/fieldserial.h"

namespace quillmap {

namespace {

uint32_t NextFieldSerial = 0;

}  // namespace

uint32_t TakeFieldSerial() { return NextFieldSerial++; }

uint32_t TakeFieldSerials(uint32_t count) {
    const uint32_t first = NextFieldSerial;
    NextFieldSerial += count;
    return first;
}

}  // namespace quillmap
