// The texts of the fields inside a block, made again from the bytes after every layout.
#include <string>

#include "gif/gifblock.h"
#include "gif/gifcont.h"
#include "gif/gifextension.h"
#include "gif/gifnumber.h"
#include "gif/giftexts.h"

namespace quillmap {

namespace {

// Sets a text and appends a remark when its condition holds.
void Describe(pole& field, const char* text, bool remark = false, std::string_view addition = {}) {
    if (!remark) {
        field.SetDescription(fixedtext::Kept(text));
        return;
    }
    field.CopyDescription(std::string(text).append(addition));
}

std::string UndefinedColourRemark(const char* undefined, const char* closing) {
    return std::string(giftext::IndexBeyondMap) + undefined + closing;
}

}  // namespace

void gifimdesc::RefreshImageTexts() {
    if (ChildCount() < 5) return;
    const auto& root = static_cast<const gifcont&>(Root());
    const uint32_t left = ReadNumber(Child(1).Start(), 2);
    const uint32_t top = ReadNumber(Child(2).Start(), 2);
    const uint32_t width = ReadNumber(Child(3).Start(), 2);
    const uint32_t height = ReadNumber(Child(4).Start(), 2);
    const bool outsidewidth = root.ScreenWidth() < left + width;
    const bool outsideheight = root.ScreenHeight() < top + height;
    Describe(Child(1), giftext::ImageLeft, outsidewidth, giftext::OutsideScreen);
    Describe(Child(2), giftext::ImageTop, outsideheight, giftext::OutsideScreen);
    Describe(Child(3), giftext::ImageWidth, outsidewidth, giftext::OutsideScreen);
    Describe(Child(4), giftext::ImageHeight, outsideheight, giftext::OutsideScreen);

    if (CodeSizeIndex() < 0 || CodeSizeIndex() >= ChildCount()) return;
    pole& codesize = Child(CodeSizeIndex());
    const uint8_t value = codesize.ByteAt(codesize.Start());
    const bool outofrange = codesize.Start() > 0 && (value < 2 || value > 11);
    Describe(codesize, giftext::CodeSize, outofrange,
             std::string("\n\r") + giftext::CodeSizeOutOfRange + giftext::CodeSizeOutOfRangeEffects);
}

void gifimdesc::RefreshExtensionTexts() {
    const int32_t label = Label();
    const int32_t length = DocumentLength();
    const int32_t at = ChildCount() > 1 ? Child(1).Start() : 0;  // L: the label's position
    const auto inside = [&](int32_t offset) { return at + offset < length; };
    const auto byte = [&](int32_t offset) { return ByteAt(at + offset); };
    const auto number = [&](int32_t offset) { return ReadNumber(at + offset, 2); };
    const auto& root = static_cast<const gifcont&>(Root());

    if (label == glGraphicControl && ChildCount() >= 6) {
        Describe(Child(2), giftext::ControlBlockSize, inside(1) && byte(1) != 4, giftext::BlockSizeSuspicious);
        const uint32_t delay = number(3);
        std::string text = giftext::Delay;
        if (inside(4)) {
            text = text + giftext::DelayRemark + FormatFraction(delay / 100.0, View().DecimalSeparator()) +
                   giftext::DelaySeconds;
            if (static_cast<const gifgceflag&>(Child(3)).UserInput() && delay != 0) text += giftext::DelayUserInput;
        }
        Child(4).CopyDescription(text);
        Describe(Child(5), giftext::Transparent);
    } else if (label == glPlainText && ChildCount() >= 11) {
        const uint32_t gridleft = number(2), gridtop = number(4), gridwidth = number(6), gridheight = number(8);
        const uint8_t cellwidth = byte(10), cellheight = byte(11);
        Describe(Child(2), giftext::PlainTextBlockSize, inside(1) && byte(1) != 12, giftext::PlainTextBlockSizeWrong);
        Describe(Child(3), giftext::GridLeft, inside(3) && root.ScreenWidth() < gridleft, giftext::GridOutside);
        Describe(Child(4), giftext::GridTop, inside(5) && root.ScreenHeight() < gridtop, giftext::GridOutside);
        Describe(Child(5), giftext::GridWidth, inside(7) && root.ScreenWidth() < gridleft + gridwidth,
                 giftext::GridPartlyOutside);
        Describe(Child(6), giftext::GridHeight, inside(9) && root.ScreenHeight() < gridtop + gridheight,
                 giftext::GridPartlyOutside);
        const bool widthchecked = inside(11);
        Describe(Child(7), giftext::CellWidth, widthchecked && (cellwidth == 0 || gridwidth % cellwidth != 0),
                 cellwidth == 0 ? giftext::CellWidthZero : giftext::CellsCut);
        const bool heightchecked = inside(12);
        Describe(Child(8), giftext::CellHeight, heightchecked && (cellheight == 0 || gridheight % cellheight != 0),
                 cellheight == 0 ? giftext::CellHeightZero : giftext::CellsCut);
        const std::string undefined = UndefinedColourRemark(giftext::TextColourUndefined, giftext::TextColourSuspicious);
        Describe(Child(9), giftext::TextColour, inside(12) && root.ColourOf(at + 12) < 0, undefined);
        Describe(Child(10), giftext::TextBackground, inside(13) && root.ColourOf(at + 13) < 0, undefined);
    } else if (label == glApplication && ChildCount() >= 5) {
        Describe(Child(2), giftext::ApplicationBlockSize, inside(1) && byte(1) != 11, giftext::BlockSizeSuspicious);
        Describe(Child(3), giftext::ApplicationId);
        Describe(Child(4), giftext::ApplicationCode);
    }
}

}  // namespace quillmap
