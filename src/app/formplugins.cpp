// The plug-ins of the main window: "Плагины", their keys, and the services their commands use.
#include <utility>

#include "app/tform1.h"
#include "base/bytefile.h"

namespace quillmap {

void Tform1::ScanPlugins() {
    plugins_.Scan(menu_->Plugins(), [this](size_t index) { plgpress(index); });
}

void Tform1::plgpress(size_t index) { RunPlugin(index, 0); }

void Tform1::RunPlugin(size_t index, int32_t command) {
    HideCaret();
    {
        const pluginscope scope(*this);
        plugins_.Run(index, command, QM_VIEW_GIF, PluginService);
    }
    if (!caretdrawn_) ToggleCaret();
}

// The caret is hidden before the services that move it or change the bytes under it, since a
// plug-in may call them after a key service has shown it again.

// A plug-in's keys leave the modifiers as the user holds them, and its characters are typed
// whatever they are: the key that ran the plug-in may well have been Ctrl+ something.
void Tform1::KeyDown(uint16_t key, uint8_t shift) {
    const bool held = ctrloralt_;
    OnKeyDown(key, shift);
    ctrloralt_ = held;
}

void Tform1::TypeChar(char character) {
    const bool held = std::exchange(ctrloralt_, false);
    OnChar(character);
    ctrloralt_ = held;
}

textpos Tform1::Position(bool caret) const { return caret ? view_->Caret() : view_->Anchor(); }

bool Tform1::SetPosition(textpos position, bool caret) {
    HideCaret();
    view_->SetPosition(position.column, position.line, caret);
    return Position(caret) == position;
}

int32_t Tform1::EndPosition() const {
    const int32_t last = view_->LastLine();
    return view_->PositionToLinear(static_cast<int32_t>(view_->GetLine(last).size()), last);
}

std::string Tform1::Line(int32_t line) const { return view_->GetLine(line); }

void Tform1::Refresh() { OnResize(window_->ClientSize()); }

void Tform1::Open(const std::string& path) {
    HideCaret();
    if (AcceptFileName(path)) OpenOrBeep(path);
}

void Tform1::Save(const std::string& path) {
    if (path.empty())
        Save();
    else if (AcceptFileName(path))
        SaveUnder(path);
}

void Tform1::ReadBlocks(const blockreader& callback) const { view_->ReadBlocks(callback); }

void Tform1::RewriteBlocks(const blockrewriter& callback) {
    HideCaret();
    view_->RewriteBlocks(callback);
    PluginEdited();
}

std::string Tform1::Selection() const { return view_->SelectedText(); }

void Tform1::ReplaceSelection(std::string_view text) {
    HideCaret();
    view_->ReplaceSelection(text);
    PluginEdited();
}

platform::extent Tform1::ViewSize() const { return {view_->ClientWidth(), view_->ClientHeight()}; }

void Tform1::ReadFields(const fieldreader& callback) const { view_->ReadFields(callback); }

void Tform1::RewriteFields(const fieldrewriter& callback) {
    HideCaret();
    view_->RewriteFields(callback);
    PluginEdited();
}

void Tform1::PluginEdited() {
    menu_->UpdateUndoRedo(view_->CanUndo(), view_->CanRedo());
    SetModified(true);
}

}  // namespace quillmap
