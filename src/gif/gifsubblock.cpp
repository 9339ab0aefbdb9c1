#include "gif/gifsubblock.h"

#include "gif/gifblock.h"
#include "gif/gifextension.h"
#include "gif/giftexts.h"
#include "gif/giftitles.h"

namespace quillmap {

gifebcount::gifebcount(fieldhost& view, cont* parent) : counter(view, parent) {
    SetTitle(giftitle::BlockSize);
    SetDescription(giftext::SubBlockSize);
    SetStyle(fieldstyle::Number);
}

void gifebcount::Parse() {
    counter::Parse();
    auto& block = static_cast<gifimdesc&>(*Parent());
    const int32_t length = DocumentLength();
    const bool image = block.Kind() == gbImage;
    if (Value() == 0 && Start() < length) {
        SetTitle(giftitle::EndOfData);
        SetDescription(image ? fixedtext(giftext::ImageTerminator) : fixedtext(giftext::ExtensionTerminator));
        return;
    }
    SetTitle(giftitle::BlockSize);
    SetDescription(giftext::SubBlockSize);
    if (Start() >= length) return;

    pole& data = block.Child(block.IndexOf(*this) + 1);
    if (image) {
        data.SetTitle(giftitle::Data);
        data.SetDescription(giftext::ImageData);
        data.SetStyle(fieldstyle::ImageData);
    } else {
        data.SetStyle(fieldstyle::Composite);
        switch (block.Label()) {
            case glGraphicControl:
                data.SetTitle(giftitle::Data);
                data.SetDescription(giftext::ControlData);
                break;
            case glComment:
                data.SetTitle(giftitle::Comment);
                data.SetDescription(giftext::CommentData);
                break;
            case glPlainText:
                data.SetTitle(giftitle::Text);
                data.SetDescription(giftext::PlainTextData);
                break;
            default:
                data.SetTitle(giftitle::Data);
                data.SetDescription(giftext::ApplicationData);
                break;
        }
    }
    if (End() + Value() < length) block.Append<gifebcount>();
}

}  // namespace quillmap
