#include "views/charclasses.h"

#include <string_view>

namespace quillmap {

namespace {

charclasstable TextTable() {
    charclasstable table;
    table.fill(SeparatorClass);
    auto give = [&table](std::string_view characters, uint8_t charclass) {
        for (const char c : characters) table[static_cast<unsigned char>(c)] = charclass;
    };
    give("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789_µ", LatinClass);
    give("АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯабвгдежзийклмнопрстуфхцчшщъыьэюяЁё", CyrillicClass);
    give("ЂЃѓЉЊЌЋЏђљњќћџЎўЈҐЄЇІіґєјЅѕї", CyrillicClass);
    return table;
}

struct sharedclasses {
    charclasstable current = TextTable();
    int32_t suspended = 0;
};

sharedclasses& Shared() {
    static sharedclasses shared;
    return shared;
}

}  // namespace

uint8_t CharClass(unsigned char character) { return Shared().current[character]; }

const charclasstable& CharClasses() { return Shared().current; }

allseparators::allseparators() {
    sharedclasses& shared = Shared();
    if (shared.suspended++ == 0) shared.current.fill(SeparatorClass);
}

allseparators::~allseparators() {
    sharedclasses& shared = Shared();
    if (--shared.suspended == 0) shared.current = TextTable();
}

}  // namespace quillmap
