// The skins of the main window: "Шкурки", "Настройка шкурки..." and the background they paint.
#include "app/tform1.h"

namespace quillmap {

void Tform1::ScanSkins() {
    skins_.Scan(menu_->Skins(), [this](size_t index) { fpress(index); });
}

void Tform1::fpress(size_t index) {
    if (!skins_.Choose(index)) return;
    HideCaret();
    skins_.Create(bitmap_->Size());
    RenderView();
    PresentView();
}

bool Tform1::ChooseSkinPath(const std::string& path) {
    const std::optional<size_t> index = skins_.ItemOf(path);
    if (index) skins_.Items()[*index].item->Click();
    return index.has_value();
}

void Tform1::RestoreDefaultSkin() {
    if (!ChooseSkinPath(state_.defaults.skin)) skins_.Items().front().item->Click();
}

void Tform1::N46Click() {
    BeginDialog();
    skins_.Configure();
    EndDialog();
    HideCaret();
    RenderView();
    PresentView();
}

}  // namespace quillmap
