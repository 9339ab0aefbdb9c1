#include "app/skinhost.h"

#include "app/libraryscan.h"

namespace quillmap {

skinhost::skinhost(platform::application& app) : app_(app) {}

// The program is ending: the library goes without its deletskin, which could only tidy up what
// the process's end takes back anyway.
skinhost::~skinhost() = default;

void skinhost::Scan(platform::menu& skins, const std::function<void(size_t)>& choose) {
    items_.push_back({&skins.Add("Без шкурок"), 0, {}});
    items_.front().item->SetChecked(true);
    ScanLibraries(app_, "skins", QM_SKIN_SIGNATURE, 8, [&](const std::string& path, const platform::library& library) {
        items_.push_back({&skins.Add(library.String(QM_SKIN_CAPTION_ID, 100)), 1, path});
    });
    for (size_t i = 0; i < items_.size(); ++i) items_[i].item->OnClick([choose, i] { choose(i); });
}

bool skinhost::Choose(size_t index) {
    if (items_[index].item->Checked()) return false;
    for (size_t i = 0; i < items_.size(); ++i) items_[i].item->SetChecked(i == index);
    Release();
    if (items_[index].tag == 1) {
        std::unique_ptr<platform::library> library = app_.OpenLibrary(LibraryPath(app_, items_[index].path));
        const std::optional<entrypoints> entries = library ? EntriesOf(*library) : std::nullopt;
        if (entries) {
            library_ = std::move(library);
            skin_ = *entries;
        }
    }
    return true;
}

std::optional<size_t> skinhost::ItemOf(const std::string& path) const {
    for (size_t i = 0; i < items_.size(); ++i)
        if (items_[i].path == path) return i;
    return std::nullopt;
}

std::string skinhost::CheckedPath() const {
    for (const tskitem& item : items_)
        if (item.item->Checked()) return item.path;
    return {};
}

void skinhost::Create(platform::extent size) {
    if (skin_.crskin) CallSkin([&] { skin_.crskin(size.width, size.height); });
}

void skinhost::Draw(platform::canvas& canvas, platform::extent size) {
    canvas.SetBrush(background_);
    if (skin_.drskin)
        canvas.LendNative([&](void* dc) { CallSkin([&] { skin_.drskin(dc, size.width, size.height); }); });
    // The built-in set, or a skin that has just failed: the plain colour.
    if (!skin_.drskin) canvas.FillRect({0, 0, size.width, size.height});
}

void skinhost::Configure() {
    if (skin_.nastroj) return CallSkin([&] { skin_.nastroj(); });
    platform::colour chosen = background_;
    if (app_.ChooseColour(chosen, SkinCustomColours)) background_ = chosen;
}

std::optional<skinhost::entrypoints> skinhost::EntriesOf(const platform::library& library) {
    entrypoints entries;
    entries.crskin = reinterpret_cast<qm_crskin>(library.Entry("crskin"));
    entries.chskin = reinterpret_cast<qm_chskin>(library.Entry("chskin"));
    entries.deletskin = reinterpret_cast<qm_deletskin>(library.Entry("deletskin"));
    entries.drskin = reinterpret_cast<qm_drskin>(library.Entry("drskin"));
    entries.nastroj = reinterpret_cast<qm_nastroj>(library.Entry("nastroj"));
    if (!entries.crskin || !entries.chskin || !entries.deletskin || !entries.drskin || !entries.nastroj)
        return std::nullopt;
    return entries;
}

void skinhost::Release() {
    if (skin_.deletskin) CallSkin([&] { skin_.deletskin(); });
    skin_ = {};
    library_.reset();
}

void skinhost::CallSkin(const std::function<void()>& call) {
    if (app_.CallGuarded(call)) return;
    skin_ = {};
    library_.reset();
    for (size_t i = 0; i < items_.size(); ++i) items_[i].item->SetChecked(i == 0);
}

}  // namespace quillmap
