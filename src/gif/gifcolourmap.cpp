#include "gif/gifcolourmap.h"

#include <array>
#include <string>

#include "gif/giftexts.h"
#include "gif/giftitles.h"
#include "model/danye.h"

namespace quillmap {

namespace {

// "ЦВЕТ №0" to "ЦВЕТ №255", made once and shared by every map.
fixedtext EntryTitle(int32_t k) {
    static const std::array<std::string, 256> titles = [] {
        std::array<std::string, 256> made;
        for (size_t i = 0; i < made.size(); ++i) made[i] = giftitle::ColourEntryPrefix + std::to_string(i);
        return made;
    }();
    return fixedtext::Kept(titles[static_cast<size_t>(k)].c_str());
}

}  // namespace

gifgcmcikl::gifgcmcikl(fieldhost& view, cont* parent, int32_t count) : cikl(view, parent, count) {
    const bool global = parent && !parent->Parent();
    SetTitle(global ? fixedtext(giftitle::GlobalMap) : fixedtext(giftitle::LocalMap));
    SetDescription(global ? fixedtext(giftext::GlobalMap) : fixedtext(giftext::LocalMap));
    SetStyle(fieldstyle::Composite);
    for (int32_t k = 0; k < count && k < 256; ++k) {
        auto& entry = Append<danye>(3);
        entry.SetTitle(EntryTitle(k));
        entry.SetDescription(giftext::ColourEntry);
        entry.SetStyle(fieldstyle::ColourEntry);
    }
}

void gifgcmcikl::SetStart(int32_t position) {
    start_ = position;
    for (int32_t k = 0; k < ChildCount(); ++k) Child(k).MoveTo(position < 0 ? -1 : position + 3 * k);
}

void gifgcmcikl::RebuildFrom(int32_t) { RelayoutFrom(0); }

}  // namespace quillmap
