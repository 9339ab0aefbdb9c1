#include "gif/gifcont.h"

#include "gif/gifblock.h"
#include "gif/gifcolourmap.h"
#include "gif/gifheader.h"
#include "gif/giftexts.h"
#include "gif/giftitles.h"

namespace quillmap {

gifcont::gifcont(fieldhost& view) : cont(view, nullptr) { Build(); }

void gifcont::Build() {
    SetTitle(giftitle::File);
    SetDescription(giftext::File);
    SetStyle(fieldstyle::Composite);
    SetExpanded(true);
    Append<gifname>();
    SetStart(0);
}

void gifcont::Reset() {
    TruncateChildren(0);
    version_ = 0;
    Build();
}

const gifsdflag* gifcont::ScreenFlags() const {
    if (ChildCount() < 2) return nullptr;
    const auto& descriptor = static_cast<const cont&>(Child(1));
    if (descriptor.ChildCount() < 6) return nullptr;
    return static_cast<const gifsdflag*>(&descriptor.Child(3));
}

const gifgcmcikl* gifcont::GlobalMap() const {
    return ChildCount() > 2 ? dynamic_cast<const gifgcmcikl*>(&Child(2)) : nullptr;
}

int32_t gifcont::ColourOf(int32_t position) const {
    const gifsdflag* flags = ScreenFlags();
    const gifgcmcikl* map = GlobalMap();
    if (ChildCount() < 3 || !flags || !flags->MapPresent() || !map) return -1;
    const int32_t number = ByteAt(position);
    if (number >= map->ChildCount()) return -1;
    const pole& entry = map->Child(number);
    if (entry.Start() + 3 >= DocumentLength()) return -1;
    uint8_t rgb[3];
    ReadBytes(entry.Start(), 3, rgb);
    return int32_t(rgb[0]) | (int32_t(rgb[1]) << 8) | (int32_t(rgb[2]) << 16);
}

uint32_t gifcont::ScreenWidth() const { return DocumentLength() < 8 ? 0 : ReadNumber(6, 2); }

uint32_t gifcont::ScreenHeight() const { return DocumentLength() < 10 ? 0 : ReadNumber(8, 2); }

void gifcont::GapText(int32_t position, std::string& text) const {
    if (position < End()) {
        text = giftext::GapBeforeSeparator;
        return;
    }
    const auto* last = ChildCount() > 0 ? dynamic_cast<const gifimdesc*>(&LastChild()) : nullptr;
    text = last && last->ChildCount() == 1 ? giftext::GapAfterTrailer : giftext::GapUnrecognised;
}

int32_t gifcont::Recheck(int32_t position, int32_t count) {
    const int32_t children = ChildCount();
    const int32_t length = Length();
    int32_t r = -1;
    int32_t from = position;
    int32_t left = count;
    int32_t i = FirstChildEndingAfter(position);
    // Each child sees the part of the range from its predecessor's end on, so a block also sees
    // bytes skipped before its separator.
    for (; i < ChildCount() && left > 0; ++i) {
        pole& child = Child(i);
        r = child.Recheck(from, left);
        if (r > 0) {
            RebuildFrom(position);
            return r;
        }
        left -= child.End() - from;
        from = child.End();
    }
    constexpr int32_t ScreenSizeStart = 6, ScreenSizeEnd = 10;
    if (position < ScreenSizeEnd && position + count > ScreenSizeStart) RefreshBlockTexts();
    if (left > 0 && i >= ChildCount() && ChildCount() > 0) {
        // The range reaches past the last field: the byte after it decides whether more follows.
        RebuildFrom(from);
        return ChildCount() != children || Length() != length ? from : -1;
    }
    return r;
}

void gifcont::RefreshBlockTexts() {
    for (int32_t i = 0; i < ChildCount(); ++i)
        if (auto* block = dynamic_cast<gifimdesc*>(&Child(i))) block->RefreshTexts();
}

void gifcont::RebuildFrom(int32_t position) {
    if (ChildCount() == 0) return;
    int32_t i = FirstChildEndingAfter(position);
    if (i == ChildCount()) {
        if (!dynamic_cast<gifimdesc*>(&LastChild())) return;
        i = ChildCount() - 1;
    }
    if (i == 0) {
        TruncateChildren(1);
        RelayoutFrom(0);
        return;
    }
    if (i == 1) {
        TruncateChildren(2);
        static_cast<gifscrdesc&>(Child(1)).RebuildFrom(position);
        RelayoutFrom(2);
        return;
    }
    if (i == 2 && GlobalMap()) {
        TruncateChildren(4);
        static_cast<cont&>(Child(3)).TruncateChildren(1);
        RelayoutFrom(2);
        return;
    }
    TruncateChildren(i + 1);
    static_cast<cont&>(Child(i)).RebuildFrom(position);
    // A block may have given way to the block before it, which may have made a new one.
    if (i < ChildCount() && !Child(i).Placed())
        RelayoutFrom(i);
    else
        RelayoutFrom(i + 1);
}

}  // namespace quillmap
