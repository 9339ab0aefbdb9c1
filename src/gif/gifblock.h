#pragma once

#include "model/cont.h"
#include "model/waiter.h"

namespace quillmap {

class gifsepch;
class gifcont;
class subblockchain;

enum gifblockkind : uint8_t { gbImage = 0, gbExtension = 1, gbTrailer = 2, gbNone = 255 };

// One block of the file: an image, an extension or the trailer, found by its separator.
class gifimdesc final : public cont {
public:
    gifimdesc(fieldhost& view, cont* parent);

    int32_t Recheck(int32_t position, int32_t count) override;
    void Parse() override;
    void RelayoutFrom(int32_t k) override;
    void RebuildFrom(int32_t position) override;

    gifsepch& Separator() const;
    gifblockkind Kind() const;
    // The extension label's matched index (0 0xF9, 1 0xFE, 2 0x01, 3 0xFF), -1 for none or unknown.
    int32_t Label() const;
    // Index of the LZW code size child of an image block, -1 before the flags made it.
    int32_t CodeSizeIndex() const { return codesizeindex_; }
    void SetCodeSizeIndex(int32_t index) { codesizeindex_ = index; }
    uint8_t DecodeStatus() const { return decodestatus_; }
    void SetDecodeStatus(uint8_t status) { decodestatus_ = status; }

    // Another sub-block size: the chain's first, or one after the chain's last data.
    void AppendSubBlockSize();
    const subblockchain* SubBlocks() const;

    // After layout: the block starts at its separator, its texts are made again, and the byte
    // after it decides whether another block follows.
    void PostParse();
    // The titles and texts inside the block, made again from the bytes.
    void RefreshTexts();

private:
    void RefreshImageTexts();
    void RefreshExtensionTexts();
    // Cuts the sub-block chain back around child i and lays it out again from there.
    void RebuildSubBlocks(int32_t i);
    bool IsCounter(int32_t i) const;
    bool IsDataAfterCounter(int32_t i) const;

    int32_t codesizeindex_ = -1;
    uint8_t decodestatus_ = 0;
};

// The separator that starts a block: ",", "!" or ";", found by scanning forward.
class gifsepch final : public waiter {
public:
    gifsepch(fieldhost& view, cont* parent);
    void Parse() override;
    void OnFound(int32_t index, int32_t position) override;
    gifblockkind Kind() const { return kind_; }

private:
    gifblockkind kind_ = gbNone;
};

}  // namespace quillmap
