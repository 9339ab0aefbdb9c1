#include "model/fieldserial.h"

namespace quillmap {

namespace {

uint32_t NextFieldSerial = 0;

}  // namespace

uint32_t TakeFieldSerial() { return NextFieldSerial++; }

}  // namespace quillmap
