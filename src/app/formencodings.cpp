// The encodings of the main window: "Формат" > "Кодировка", F8, and the ".enc" files the user
// loads and names, remembered per file and in data.dat.
#include <algorithm>

#include "app/encodingfile.h"
#include "app/tform1.h"
#include "dialogs/inputbox.h"

namespace quillmap {

namespace {

constexpr char EncodingFilter[] = "кодировки|*.enc";
constexpr char EncodingNameCaption[] = "Ввод названия кодировки";
constexpr char EncodingNamePrompt[] = "Как будет называться эта кодировка?";
constexpr char DefaultEncodingName[] = "новая кодировка";
constexpr char EncodingRefused[] = "К сожалению, я не могу разобрать формат указанного файла кодировки.";

// "Windows" and "DOS" come first; the loaded encodings follow them.
constexpr size_t DosNumber = 1;
constexpr size_t FirstLoaded = 2;
// data.dat keeps an encoding's number, and the count of loaded ones, in one byte each.
constexpr size_t MaxLoadedEncodings = 253;

// Stored numbers that name no encoding (a file that could not be read at start-up shortened the
// list, or the number names "Загрузить из файла...") stand for "Windows" from then on.
void ForgetLostEncoding(uint8_t& number, size_t choosable) {
    if (number >= choosable) number = 0;
}

// What a removal does to a stored number: the removed one becomes "Windows", later ones move up.
void RenumberAfterRemoval(uint8_t& number, size_t removed) {
    if (number == removed)
        number = 0;
    else if (number > removed)
        --number;
}

}  // namespace

void Tform1::BindEncodings() {
    platform::menu& encodings = menu_->Encodings();
    for (size_t i = 0; i + 1 < encodings.Count(); ++i) BindEncodingItem(encodings.Item(i));
    platform::menuitem& load = encodings.Item(encodings.Count() - 1);
    load.OnClick([this] { N56Click(); });
    load.SetEnabled(true);
}

void Tform1::BindEncodingItem(platform::menuitem& item) {
    item.OnClick([this, &item] { codirclick(item); });
    item.SetEnabled(true);
}

size_t Tform1::EncodingCount() const { return menu_->Encodings().Count() - 1; }

std::optional<charmaptable> Tform1::ReadEncodingFile(const std::string& path) {
    return quillmap::ReadEncodingFile(system_.Files(), path);
}

void Tform1::codirclick(platform::menuitem& item) {
    ApplyEncoding(item);
    HideCaret();
    UpdateVScroll();
    UpdateHScroll();
    SyncScrollBars();
    ToggleCaret();
}

void Tform1::ApplyEncoding(platform::menuitem& item) {
    platform::menu& encodings = menu_->Encodings();
    const size_t number = encodings.IndexOf(item);
    charmaptable table = WindowsTable();
    if (number == DosNumber) table = DosTable();
    if (number >= FirstLoaded) {
        // A loaded encoding is read again each time: its file may have changed, or gone.
        const std::optional<charmaptable> loaded = ReadEncodingFile(state_.encodings[number - FirstLoaded].first);
        if (!loaded) return RemoveEncoding(number);
        table = *loaded;
    }
    for (size_t i = 0; i < encodings.Count(); ++i) encodings.Item(i).SetChecked(i == number);
    desiredcolumn_ = -1;
    charmap_ = table;
    view_->SetCharMap(table);
}

bool Tform1::AddEncoding(const std::string& path, const std::string& name) {
    platform::menu& encodings = menu_->Encodings();
    const auto known = std::find_if(state_.encodings.begin(), state_.encodings.end(),
                                    [&path](const auto& loaded) { return loaded.first == path; });
    if (known != state_.encodings.end()) {
        known->second = name;
        encodings.Item(FirstLoaded + static_cast<size_t>(known - state_.encodings.begin())).SetCaption(name);
        return true;
    }
    if (state_.encodings.size() >= MaxLoadedEncodings || !ReadEncodingFile(path)) return false;
    state_.encodings.emplace_back(path, name);
    BindEncodingItem(encodings.Insert(EncodingCount(), name));
    return true;
}

void Tform1::RemoveEncoding(size_t number) {
    platform::menu& encodings = menu_->Encodings();
    if (number < FirstLoaded || number >= EncodingCount()) return;
    RenumberAfterRemoval(state_.defaults.encoding, number);
    for (winposit& pinned : state_.pinned) RenumberAfterRemoval(pinned.encoding, number);
    const bool checked = encodings.Item(number).Checked();
    encodings.Remove(encodings.Item(number));
    state_.encodings.erase(state_.encodings.begin() + static_cast<std::ptrdiff_t>(number - FirstLoaded));
    // The view must not go on showing an encoding the menu no longer offers.
    if (checked) ApplyEncoding(encodings.Item(0));
}

void Tform1::N56Click() {
    BeginDialog();
    platform::filedialog dialog;
    dialog.filter = EncodingFilter;
    dialog.folder = app_.ProgramFolder();
    if (app_.ChooseFile(dialog)) {
        if (ReadEncodingFile(dialog.filename)) {
            const std::optional<std::string> name =
                InputBox(app_, system_, EncodingNameCaption, EncodingNamePrompt, DefaultEncodingName);
            if (!AddEncoding(dialog.filename, name.value_or(DefaultEncodingName))) system_.Beep();
        } else {
            system_.Beep();
            app_.ShowError(EncodingRefused);
        }
    }
    EndDialog();
}

void Tform1::ApplyStoredEncoding(uint8_t number) {
    ApplyEncoding(menu_->Encodings().Item(number < EncodingCount() ? number : 0));
}

uint8_t Tform1::CheckedEncoding() const {
    const platform::menu& encodings = menu_->Encodings();
    for (size_t i = 0; i < EncodingCount(); ++i)
        if (encodings.Item(i).Checked()) return static_cast<uint8_t>(i);
    return 0;
}

void Tform1::RestoreEncodings() {
    std::vector<std::pair<std::string, std::string>> stored;
    stored.swap(state_.encodings);
    // A file that cannot be read any more is left out without a word.
    for (const auto& [path, name] : stored) AddEncoding(path, name);
    ForgetLostEncoding(state_.defaults.encoding, EncodingCount());
    for (winposit& pinned : state_.pinned) ForgetLostEncoding(pinned.encoding, EncodingCount());
    ApplyStoredEncoding(state_.defaults.encoding);
}

}  // namespace quillmap
