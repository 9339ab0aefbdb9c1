#pragma once

#include "gif/gifcont.h"
#include "platform/headless/headlesscanvas.h"
#include "platform/headless/headlesssystem.h"
#include "views/vwstruct.h"

namespace quillmap::testing {

// A structure view over a GIF root for tests of what the structure view already does; the
// caret keys, typing, drawing and the rest answer "nothing happened".
class structview final : public vwstruct {
public:
    structview(platform::canvas& surface, platform::system& system)
        : vwstruct(surface, system, [](fieldhost& view) { return std::make_unique<gifcont>(view); }) {}

    void RecalcMetrics() override {}
    int32_t ContentWidth() const override { return 0; }
    void SetCharMap(const charmaptable&) override {}
    void Paint() override {}
    bool TypeChar(char) override { return false; }
    bool Insert(std::string_view, bool, bool) override { return false; }
    bool DeleteAtCaret() override { return false; }
    bool DeleteSelection(bool, bool) override { return false; }
    void DeleteLine(bool) override {}
    bool CaretLeft(bool, bool) override { return false; }
    bool CaretRight(bool, bool) override { return false; }
    bool CaretUp(bool, bool, int32_t&) override { return false; }
    bool CaretDown(bool, bool, int32_t&) override { return false; }
    void LineStart(bool) override {}
    void LineEnd(bool) override {}
    void PageUp(bool, int32_t&) override {}
    void PageDown(bool, int32_t&) override {}
    void MouseButton(int32_t, int32_t, bool, bool) override {}
    std::string CharNearCaret(bool) const override { return {}; }
    bool FindPhrase(std::string_view, int32_t&, bool, bool) override { return false; }
    amnaction PopupItems() override { return {}; }
    void Clear() override {}

    using vwcommon::MarkOpen;
};

}  // namespace quillmap::testing
