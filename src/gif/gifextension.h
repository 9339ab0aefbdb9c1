#pragma once

#include "model/flagi.h"
#include "model/signatura.h"

namespace quillmap {

enum giflabel : int32_t { glGraphicControl = 0, glComment = 1, glPlainText = 2, glApplication = 3 };

// The extension label: which kind of extension follows.
class gifext final : public signatura {
public:
    gifext(fieldhost& view, cont* parent);
    void OnMatch(int32_t index) override;
};

// The graphic control extension's flags byte: reserved, disposal method, user input, transparency.
class gifgceflag final : public flagi {
public:
    gifgceflag(fieldhost& view, cont* parent);
    void OnFlag(int32_t group, uint32_t value) override;

    bool UserInput() const { return userinput_; }
    bool Transparency() const { return transparency_; }

private:
    bool userinput_ = false;
    bool transparency_ = false;
};

}  // namespace quillmap
