#include "gif/gifblock.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "gif/gifcont.h"
#include "gif/gifextension.h"
#include "gif/gifimage.h"
#include "gif/subblockchain.h"
#include "gif/giftexts.h"
#include "gif/giftitles.h"
#include "model/danye.h"
#include "model/signatura.h"

namespace quillmap {

namespace {

constexpr std::array<std::string_view, 3> BlockSeparators = {",", "!", ";"};

// The children before the first sub-block of an extension, label included, by label.
int32_t ExtensionHeadLength(int32_t label) {
    switch (label) {
        case glGraphicControl:
            return 6;
        case glPlainText:
            return 11;
        case glApplication:
            return 5;
        default:
            return 2;
    }
}

bool IsSeparatorByte(uint8_t byte) { return byte == ',' || byte == '!' || byte == ';'; }

}  // namespace

gifimdesc::gifimdesc(fieldhost& view, cont* parent) : cont(view, parent) {
    SetStyle(fieldstyle::Composite);
    Append<gifsepch>();
}

gifsepch& gifimdesc::Separator() const { return static_cast<gifsepch&>(Child(0)); }

gifblockkind gifimdesc::Kind() const { return Separator().Found() < 0 ? gbNone : Separator().Kind(); }

int32_t gifimdesc::Label() const {
    if (Kind() != gbExtension || ChildCount() < 2) return -1;
    return static_cast<const signatura&>(Child(1)).Matched();
}

bool gifimdesc::IsCounter(int32_t i) const {
    // The sub-block sizes are the grammar's only counters, every other field of the chain.
    return i >= ObjectCount() && i < ChildCount() && (i - ObjectCount()) % 2 == 0;
}

void gifimdesc::AppendSubBlockSize() {
    NoteShapeChange();
    if (Run())
        static_cast<subblockchain*>(Run())->AppendSize();
    else
        SetRun(std::make_unique<subblockchain>(*this));
}

const subblockchain* gifimdesc::SubBlocks() const { return static_cast<const subblockchain*>(Run()); }

bool gifimdesc::IsDataAfterCounter(int32_t i) const { return IsCounter(i - 1) && !IsCounter(i); }

void gifimdesc::Parse() {
    cont::Parse();
    PostParse();
}

void gifimdesc::RelayoutFrom(int32_t k) {
    cont::RelayoutFrom(k);
    PostParse();
}

void gifimdesc::PostParse() {
    if (ChildCount() > 0) {
        // Bytes the separator scan passed over lie outside every field.
        const int32_t end = End();
        start_ = Separator().Start();
        length_ = end - start_;
    }
    RefreshTexts();
    if (ChildCount() <= 1 || End() >= DocumentLength()) return;
    if (Kind() == gbImage || IsSeparatorByte(ByteAt(End()))) Root().Append<gifimdesc>();
}

int32_t gifimdesc::Recheck(int32_t position, int32_t count) {
    int32_t r = -1;
    int32_t from = position;
    int32_t left = count;
    // A range in or before the separator always reaches the separator, whose scan starts there.
    for (int32_t i = FirstChildEndingAfter(position); i < ChildCount() && left > 0; ++i) {
        if (i >= ObjectCount()) {
            r = Run()->Recheck(from, left);
            if (r > 0) return r;
            break;
        }
        pole& child = Child(i);
        if (i > 0 && child.Start() >= from + left) break;
        r = child.Recheck(from, left);
        if (r > 0) return r;
        left -= child.End() - from;
        from = child.End();
    }
    RefreshTexts();
    return r;
}

void gifimdesc::RebuildFrom(int32_t position) {
    const int32_t length = DocumentLength();
    int32_t i = Separator().Length() == 0 ? 0 : FirstChildEndingAfter(position);
    i = std::min(i, FirstUnplacedChild());
    if (i == 0) {
        cont& root = Root();
        const int32_t index = root.IndexOf(*this);
        auto* previous = index > 0 ? dynamic_cast<gifimdesc*>(&root.Child(index - 1)) : nullptr;
        if (previous) {
            // Whether a block follows at all is the previous block's decision: after an image
            // one always does while bytes remain, after an extension only at a separator.
            root.TruncateChildren(index);  // destroys this block
            previous->PostParse();
            return;
        }
        TruncateChildren(1);
        SetStart(index > 0 ? root.Child(index - 1).End() : 0);
        RelayoutFrom(0);
        return;
    }
    if (i == ChildCount()) {
        if (IsDataAfterCounter(i - 1) && ChildEnd(i - 1) < length) AppendSubBlockSize();
        RelayoutFrom(i);
        return;
    }
    switch (Kind()) {
        case gbImage: {
            constexpr int32_t Flags = 5;
            if (i <= Flags) {
                // The flags make again everything after them.
                TruncateChildren(Flags + 1);
                RelayoutFrom(i);
            } else if (i == Flags + 1) {
                TruncateChildren(CodeSizeIndex() + 2);
                RelayoutFrom(i);
            } else {
                RebuildSubBlocks(i);
            }
            break;
        }
        case gbExtension: {
            const int32_t head = ExtensionHeadLength(Label());
            if (i == 1) {
                TruncateChildren(2);
                AppendSubBlockSize();
                RelayoutFrom(1);
            } else if (i < head) {
                // The fixed part keeps its first sub-block size.
                TruncateChildren(head + 1);
                RelayoutFrom(i);
            } else {
                RebuildSubBlocks(i);
            }
            break;
        }
        default:
            RelayoutFrom(i);
            break;
    }
}

void gifimdesc::RebuildSubBlocks(int32_t i) {
    const int32_t length = DocumentLength();
    if (IsCounter(i)) {
        // The first size of a chain is always there; a later one only when it starts inside the document.
        TruncateChildren(ChildStart(i) < length || !IsDataAfterCounter(i - 1) ? i + 1 : i);
    } else if (IsDataAfterCounter(i)) {
        // The data keeps the length its size gave it; the size after it is read again.
        TruncateChildren(i + 1);
        if (ChildEnd(i) < length) AppendSubBlockSize();
    } else {
        // A field before the chain: it and the first size stay.
        TruncateChildren(i + 2);
    }
    RelayoutFrom(i);
}

void gifimdesc::RefreshTexts() {
    switch (Kind()) {
        case gbImage:
            SetTitle(giftitle::Image);
            SetDescription(giftext::ImageBlock);
            RefreshImageTexts();
            break;
        case gbExtension:
            SetTitle(giftitle::Extension);
            SetDescription(giftext::ExtensionBlock);
            RefreshExtensionTexts();
            break;
        case gbTrailer:
            SetTitle(giftitle::EndOfData);
            SetDescription(giftext::Trailer);
            break;
        default:
            // No separator was found: the block is an empty place at the end of the document.
            SetTitle(fixedtext(""));
            SetDescription(fixedtext(""));
            break;
    }
}

gifsepch::gifsepch(fieldhost& view, cont* parent) : waiter(view, parent, BlockSeparators) {
    SetStyle(fieldstyle::Composite);
}

void gifsepch::Parse() {
    // Named only once found.
    SetTitle(fixedtext(""));
    waiter::Parse();
}

void gifsepch::OnFound(int32_t index, int32_t position) {
    MoveTo(position);
    SetLength(1);
    kind_ = static_cast<gifblockkind>(index);
    auto& block = static_cast<gifimdesc&>(*Parent());
    block.TruncateChildren(1);
    block.SetCodeSizeIndex(-1);
    switch (kind_) {
        case gbImage: {
            SetTitle(giftitle::ImageSeparator);
            SetDescription(giftext::ImageSeparator);
            static constexpr const char* Titles[] = {giftitle::ImageLeft, giftitle::ImageTop, giftitle::ImageWidth,
                                                     giftitle::ImageHeight};
            for (const char* title : Titles) {
                auto& number = block.Append<danye>(2);
                number.SetTitle(fixedtext::Kept(title));
                number.SetStyle(fieldstyle::Number);
            }
            block.Append<gifidflag>(static_cast<const gifcont&>(Root()).Is89a());
            break;
        }
        case gbExtension:
            SetTitle(giftitle::ExtensionIntroducer);
            SetDescription(giftext::ExtensionIntroducer);
            block.Append<gifext>();
            block.AppendSubBlockSize();
            break;
        default:
            SetTitle(giftitle::Trailer);
            SetDescription(giftext::TrailerSeparator);
            break;
    }
}

}  // namespace quillmap
