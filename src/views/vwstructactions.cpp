// The structure view's own menu items, and its commands on codes as text: the selected codes
// copied as text, and text pasted as codes.
#include "base/settings.h"
#include "views/codetext.h"
#include "views/tmnitem.h"
#include "views/vwstruct.h"

namespace quillmap {

amnaction vwstruct::PopupItems() {
    return {
        {"Число столбцов...", [this](bool) { ShowColumnWindow(); return false; }, false, false, 0},
        {"Вставить текст в виде кода", [this](bool) { return PasteTextAsCodes(); }, false, false, 1},
        {"Копировать код в виде текста", [this](bool) { CopyCodesAsText(); return false; }, false, false, 1},
        {"Навигация", [this](bool checked) { ShowNavigator(checked); return false; }, true, false, 0},
    };
}

void vwstruct::SetupPopupItem(int32_t index, tmnitem& item) {
    if (index == PasteAsCodesAction) item.SetShortcut("Ctrl+Shift+V");
    if (index == CopyAsCodesAction) item.SetShortcut("Ctrl+Shift+C");
}

void vwstruct::CopyCodesAsText() {
    const bytespan span = SelectedBytes(CaretEnd(), AnchorEnd());
    if (span.to <= span.from) return;
    const std::span<const uint8_t> selected(bytes_.data() + span.from, static_cast<size_t>(span.to - span.from));
    if (!system_.Clipboard().Put(CodesAsText(selected, ColumnCount()))) system_.Beep();
}

bool vwstruct::PasteTextAsCodes() {
    const std::optional<std::string> text = system_.Clipboard().Get();
    const std::string bytes = text ? CodesToBytes(*text, Settings().TextBaseSyst) : std::string();
    if (bytes.empty()) {
        system_.Beep();
        return false;
    }
    ReplaceSelection(bytes);
    return true;
}

}  // namespace quillmap
