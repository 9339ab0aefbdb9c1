// What the program remembers between runs: data.dat read at start and written at the end.
#include <filesystem>

#include "app/texts.h"
#include "app/tform1.h"
#include "base/safewrite.h"
#include "base/settings.h"

namespace quillmap {

namespace {

std::filesystem::path StatePath(const platform::application& app) {
    return Cp1251Path(app.ProgramFolder()) / "data.dat";
}

}  // namespace

void Tform1::LoadState() {
    const std::filesystem::path path = StatePath(app_);
    std::error_code missing;
    if (!std::filesystem::exists(path, missing)) {
        // Only where the program never ran: a state file that cannot be read greets nobody.
        Greet();
        return FirstRun();
    }
    try {
        bytefile file(path, bytefile::openmode::reading);
        ReadState(file, state_, Settings());
    } catch (const bytefileerror&) {
        // A state file that cannot be opened counts as none; the defaults stand.
        return FirstRun();
    }
    KeepAssociatedExtensions();
    ApplyState();
}

void Tform1::FirstRun() {
    const platform::rect area = system_.WorkArea();
    const platform::rect bounds = window_->Bounds();
    const int32_t left = area.left + (area.Width() - bounds.Width()) / 2;
    const int32_t top = area.top + (area.Height() - bounds.Height()) / 2;
    window_->SetBounds({left, top, left + bounds.Width(), top + bounds.Height()});
}

void Tform1::ApplyState() {
    const settingvalues& settings = Settings();
    const winposit& look = state_.defaults;
    window_->SetBounds(LimitedWindow(look.left, look.top, look.width, look.height, system_.ScreenSize(),
                                     {settings.MinRestoredWidth, settings.MinRestoredHeight}));
    if (look.state == 2) window_->SetShowCommand(ShowMaximized);
    // The modes themselves come with the first paint.
    menu_->AllRemoved().SetChecked(look.allremoved);
    menu_->OnTop().SetChecked(look.ontop);
    // The colour behind the codes without a skin; the skin itself is chosen once the file is.
    if (look.skin.empty()) skins_.SetBackground(look.background);
    if (settings.SaveOnF2) {
        menu_->AllRemoved().SetShortcut(AllRemovedShortcut(true));
        popup_->AllRemoved().SetShortcut(AllRemovedShortcut(true));
    }
    std::vector<tmnitem*> checkable;
    for (tmnitem* item : viewactions_->Items())
        if (item->Checkable()) checkable.push_back(item);
    for (size_t i = 0; i < checkable.size() && i < look.actions.size(); ++i) checkable[i]->SetChecked(look.actions[i]);
    if (look.statusbar != menu_->StatusBar().Checked() && !menu_->AllRemoved().Checked())
        ToggleStatusBar();
    else
        menu_->StatusBar().SetChecked(look.statusbar);
    // The font the codes were shown in; a file without one keeps the window's.
    if (!state_.font.face.empty()) {
        platform::fontspec font = state_.font;
        font.charset = platform::RussianCharset;
        bitmap_->Canvas().SetFont(font);
    }
    RestoreEncodings();
    // A view made now measures the font and lays out its rows by the settings just read, and
    // shows the default encoding.
    ReplaceView(MakeView());
}

void Tform1::RecordAppearance(winposit& look) const {
    const platform::rect bounds = window_->Bounds();
    look.left = bounds.left;
    look.top = bounds.top;
    look.width = bounds.Width();
    look.height = bounds.Height();
    switch (ShowStateOf(window_->ShowCommand())) {
    case windowshow::normal: look.state = 0; break;
    case windowshow::minimised: look.state = 1; break;
    case windowshow::maximised: look.state = 2; break;
    }
    look.allremoved = menu_->AllRemoved().Checked();
    look.ontop = menu_->OnTop().Checked();
    look.viewkind = 4;
    look.actions.clear();
    for (const tmnitem* item : viewactions_->Items())
        if (item->Checkable()) look.actions.push_back(item->Checked());
    look.skin = skins_.CheckedPath();
    if (look.skin.empty()) look.background = skins_.Background();
    look.statusbar = menu_->StatusBar().Checked();
    look.encoding = CheckedEncoding();
}

void Tform1::SaveState() {
    state_.font = bitmap_->Canvas().Font();
    try {
        WriteReplacing(system_.Files(), StatePath(app_), [this](const std::filesystem::path& temporary) {
            bytefile file(temporary, bytefile::openmode::writing);
            WriteState(file, state_, Settings());
            file.Close();
        });
    } catch (const std::exception&) {
        // The old state file stays; the program still ends.
        ShowMessage(StateNotSavedTitle, StateNotSavedText);
    }
}

}  // namespace quillmap
