#include "gif/gifextension.h"

#include <array>
#include <string>
#include <string_view>

#include "gif/gifblock.h"
#include "gif/giftexts.h"
#include "gif/giftitles.h"
#include "model/danye.h"

namespace quillmap {

namespace {

constexpr std::array<std::string_view, 4> LabelAlternatives = {"\xF9", "\xFE", "\x01", "\xFF"};
constexpr std::array<std::string_view, 5> LabelRemarks = {giftext::LabelUnknown, giftext::LabelGraphicControl,
                                                          giftext::LabelComment, giftext::LabelPlainText,
                                                          giftext::LabelApplication};
constexpr signaturedef LabelDef{LabelAlternatives, LabelRemarks, giftext::LabelPrefix, giftext::LabelSuffix};

constexpr std::array<int32_t, 4> ControlFlagWidths = {3, 3, 1, 1};
enum controlgroup { cgReserved, cgDisposal, cgUserInput, cgTransparency };

// The fixed fields of an extension, after its label.
struct fixedfield {
    int32_t length;
    const char* title;
    fieldstyle style;
};

constexpr std::array<fixedfield, 9> PlainTextFields = {{
    {1, giftitle::BlockSize, fieldstyle::Number},
    {2, giftitle::GridLeft, fieldstyle::Number},
    {2, giftitle::GridTop, fieldstyle::Number},
    {2, giftitle::GridWidth, fieldstyle::Number},
    {2, giftitle::GridHeight, fieldstyle::Number},
    {1, giftitle::CellWidth, fieldstyle::Number},
    {1, giftitle::CellHeight, fieldstyle::Number},
    {1, giftitle::TextColour, fieldstyle::NumberColourIndex},
    {1, giftitle::Background, fieldstyle::NumberColourIndex},
}};

constexpr std::array<fixedfield, 3> ApplicationFields = {{
    {1, giftitle::BlockSize, fieldstyle::Number},
    {8, giftitle::ApplicationId, fieldstyle::Composite},
    {3, giftitle::ApplicationCode, fieldstyle::Composite},
}};

void AppendFixed(cont& block, std::span<const fixedfield> fields) {
    for (const fixedfield& field : fields) {
        auto& made = block.Append<danye>(field.length);
        made.SetTitle(fixedtext::Kept(field.title));
        made.SetStyle(field.style);
    }
}

}  // namespace

gifext::gifext(fieldhost& view, cont* parent) : signatura(view, parent, LabelDef, 1) {
    SetTitle(giftitle::ExtensionLabel);
    SetStyle(fieldstyle::Composite);
}

void gifext::OnMatch(int32_t index) {
    // The fixed part goes between the label and the first sub-block, which is made again after it.
    cont& block = *Parent();
    block.TruncateChildren(block.IndexOf(*this) + 1);
    switch (index) {
        case glGraphicControl: {
            auto& size = block.Append<danye>(1);
            size.SetTitle(giftitle::BlockSize);
            size.SetStyle(fieldstyle::Number);
            block.Append<gifgceflag>();
            auto& delay = block.Append<danye>(2);
            delay.SetTitle(giftitle::Delay);
            delay.SetStyle(fieldstyle::Number);
            auto& transparent = block.Append<danye>(1);
            transparent.SetTitle(giftitle::Transparent);
            transparent.SetStyle(fieldstyle::NumberColourIndex);
            break;
        }
        case glPlainText:
            AppendFixed(block, PlainTextFields);
            break;
        case glApplication:
            AppendFixed(block, ApplicationFields);
            break;
        default:
            break;
    }
    static_cast<gifimdesc&>(block).AppendSubBlockSize();
}

gifgceflag::gifgceflag(fieldhost& view, cont* parent) : flagi(view, parent, ControlFlagWidths) {
    SetTitle(giftitle::Flags);
    SetStyle(fieldstyle::Flags);
}

void gifgceflag::OnFlag(int32_t group, uint32_t value) {
    std::string text;
    switch (group) {
        case cgReserved:
            text = giftext::ReservedBits;
            if (value != 0) text += giftext::ReservedBitsSet;
            text += giftext::ControlReservedBits;
            break;
        case cgDisposal: {
            static constexpr const char* Remarks[] = {giftext::Disposal0, giftext::Disposal1, giftext::Disposal2,
                                                      giftext::Disposal3};
            text = giftext::Disposal;
            text += value < 4 ? Remarks[value] : giftext::DisposalUnknown;
            text = text + giftext::DisposalValues + giftext::DisposalValue0 + giftext::DisposalValue1 +
                   giftext::DisposalValue2 + giftext::DisposalValue3 + giftext::DisposalValues4to7;
            break;
        }
        case cgUserInput:
            userinput_ = value == 1;
            text = giftext::UserInput;
            if (userinput_) {
                text = text + giftext::UserInputSet + giftext::UserInputSetReaction;
                if (Start() + 2 < DocumentLength() && ReadNumber(Start() + 1, 2) != 0)
                    text += giftext::UserInputSetDelay;
            } else {
                text = text + giftext::UserInputClear + giftext::UserInputBit;
            }
            break;
        case cgTransparency:
            transparency_ = value == 1;
            text = giftext::Transparency;
            if (transparency_) text += giftext::TransparencySet;
            text += giftext::TransparencyBit;
            break;
        default:
            break;
    }
    SetGroupText(group, std::move(text));
}

}  // namespace quillmap
