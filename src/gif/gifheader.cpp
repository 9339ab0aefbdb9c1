#include "gif/gifheader.h"

#include <array>
#include <string>
#include <string_view>

#include "gif/gifblock.h"
#include "gif/gifcolourmap.h"
#include "gif/gifcont.h"
#include "gif/gifnumber.h"
#include "gif/giftexts.h"
#include "gif/giftitles.h"
#include "model/danye.h"

namespace quillmap {

namespace {

constexpr std::array<std::string_view, 1> NameAlternatives = {"GIF"};
constexpr std::array<std::string_view, 2> NameRemarks = {giftext::SignatureNotGif, ""};
constexpr signaturedef NameDef{NameAlternatives, NameRemarks, giftext::SignaturePrefix, ""};

constexpr std::array<std::string_view, 2> VersionAlternatives = {"87a", "89a"};
constexpr std::array<std::string_view, 3> VersionRemarks = {giftext::VersionUnknown, giftext::Version87a,
                                                            giftext::Version89a};
constexpr signaturedef VersionDef{VersionAlternatives, VersionRemarks, giftext::VersionPrefix,
                                  giftext::VersionSuffix};

constexpr std::array<int32_t, 4> ScreenFlagWidths = {1, 3, 1, 3};
enum screengroup { sgM, sgCR, sgS, sgPixel };

gifcont& RootOf(pole& field) { return static_cast<gifcont&>(field.Root()); }

danye& AppendNumber(cont& parent, int32_t length, fixedtext title, fixedtext description,
                    fieldstyle style = fieldstyle::Number) {
    auto& field = parent.Append<danye>(length);
    field.SetTitle(title);
    field.SetDescription(description);
    field.SetStyle(style);
    return field;
}

}  // namespace

gifname::gifname(fieldhost& view, cont* parent) : signatura(view, parent, NameDef, 3) {
    SetTitle(giftitle::Signature);
    SetStyle(fieldstyle::Composite);
}

void gifname::OnMatch(int32_t) {
    cont& root = *Parent();
    root.TruncateChildren(1);
    root.Append<gifscrdesc>();
}

gifver::gifver(fieldhost& view, cont* parent) : signatura(view, parent, VersionDef, 3) {
    SetTitle(giftitle::Version);
    SetStyle(fieldstyle::Composite);
}

void gifver::OnMatch(int32_t index) {
    RootOf(*this).SetVersion(static_cast<uint8_t>(index));
    cont& descriptor = *Parent();
    descriptor.TruncateChildren(1);
    AppendNumber(descriptor, 2, giftitle::ScreenWidth, giftext::ScreenWidth);
    AppendNumber(descriptor, 2, giftitle::ScreenHeight, giftext::ScreenHeight);
    descriptor.Append<gifsdflag>();
    AppendNumber(descriptor, 1, giftitle::Background, giftext::Background, fieldstyle::NumberColourIndex);
    // Title, style and text of the last byte follow the version, in the descriptor's refresh.
    descriptor.Append<danye>(1);
}

gifscrdesc::gifscrdesc(fieldhost& view, cont* parent) : cont(view, parent) {
    SetTitle(giftitle::ScreenDescriptor);
    SetDescription(giftext::ScreenDescriptor);
    SetStyle(fieldstyle::Composite);
    Append<gifver>();
}

int32_t gifscrdesc::Recheck(int32_t position, int32_t count) {
    // The root parses again from what changes the structure; here only the texts follow.
    int32_t r = -1;
    for (int32_t i = FirstChildEndingAfter(position); i < ChildCount() && Child(i).Start() < position + count; ++i) {
        r = Child(i).Recheck(position, count);
        if (r > 0) return r;
    }
    RefreshTexts();
    return r;
}

void gifscrdesc::Parse() {
    cont::Parse();
    RefreshTexts();
}

void gifscrdesc::RelayoutFrom(int32_t k) {
    cont::RelayoutFrom(k);
    RefreshTexts();
}

void gifscrdesc::RebuildFrom(int32_t position) {
    const int32_t i = std::min(FirstChildEndingAfter(position), FirstUnplacedChild());
    if (i == 0) {
        TruncateChildren(1);
        RelayoutFrom(0);
    } else {
        // Never beyond the flags byte: what follows the descriptor hangs on it.
        RelayoutFrom(std::min(i, 3));
    }
}

void gifscrdesc::RefreshTexts() {
    if (ChildCount() < 6) return;
    const gifcont& root = RootOf(*this);
    const auto& flags = static_cast<const gifsdflag&>(Child(3));
    const int32_t length = DocumentLength();

    pole& background = Child(4);
    std::string text = giftext::Background;
    text += flags.MapPresent() ? giftext::BackgroundWithMap : giftext::BackgroundWithoutMap;
    if (flags.Start() + 1 < length && flags.MapPresent() && background.ByteAt(background.Start()) >= flags.ColourCount())
        text = text + giftext::IndexBeyondMap + giftext::BackgroundUndefined + giftext::FileSuspicious;
    background.CopyDescription(text);

    pole& last = Child(5);
    const pole& version = Child(0);
    const bool inside = version.Start() + 9 < length;
    const uint8_t value = last.ByteAt(last.Start());
    if (root.Is89a()) {
        last.SetTitle(giftitle::PixelAspect);
        last.SetStyle(fieldstyle::Number);
        text = giftext::PixelAspect;
        if (inside && value != 0)
            text = text + giftext::PixelAspectRatio + FormatFraction((value + 15) / 64.0, View().DecimalSeparator());
        else if (inside)
            text += giftext::PixelAspectUnused;
    } else {
        last.SetTitle(giftitle::Reserved);
        last.SetStyle(fieldstyle::Composite);
        text = giftext::Reserved87a;
        if (inside && value != 0) text += giftext::Reserved87aSet;
    }
    last.CopyDescription(text);
}

gifsdflag::gifsdflag(fieldhost& view, cont* parent) : gifdecidingflags(view, parent, ScreenFlagWidths) {}

void gifsdflag::OnFlag(int32_t group, uint32_t value) {
    std::string text;
    switch (group) {
        case sgM:
            mappresent_ = value == 1;
            text = giftext::ScreenFlagM;
            if (mappresent_)
                text += giftext::ScreenFlagMSet;
            else
                text = text + giftext::ScreenFlagMClear + giftext::ScreenFlagMClearAdvice;
            break;
        case sgCR:
            text = giftext::ScreenFlagCR;
            break;
        case sgS:
            if (RootOf(*this).Is89a()) {
                text = giftext::ScreenFlagS;
                text += !mappresent_ ? giftext::ScreenFlagSNoMap
                        : value == 1 ? giftext::SortedRemark
                                     : giftext::UnsortedRemark;
                text += giftext::ScreenFlagSBit;
            } else {
                text = giftext::ScreenFlagReserved87a;
                if (value == 1) text += giftext::ScreenFlagReserved87aSet;
            }
            break;
        case sgPixel: {
            colourcount_ = 2 << value;
            text = giftext::ScreenFlagPixel + std::string(giftext::ColourNumberRemark) + std::to_string(colourcount_);
            // The map, if any, and the first block follow the descriptor.
            cont& root = Parent()->Root();
            root.TruncateChildren(2);
            if (mappresent_) root.Append<gifgcmcikl>(colourcount_);
            root.Append<gifimdesc>();
            break;
        }
        default:
            break;
    }
    SetGroupText(group, std::move(text));
}

}  // namespace quillmap
