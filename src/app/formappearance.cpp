// What the main window remembers of the documents it leaves: the recent files with their carets,
// and the appearance, pinned to a file or the default one.
#include "app/appearance.h"
#include "app/recentlist.h"
#include "app/tform1.h"

namespace quillmap {

void Tform1::RememberRecent() {
    const textpos caret = view_->Caret();
    recentlist(state_.recent, state_.positions).Remember(documentname_, {caret.column, caret.line});
}

void Tform1::chfls() {
    winposit* pinned = documentname_.empty() ? nullptr : FindPinned(state_.pinned, documentname_);
    RecordAppearance(pinned ? *pinned : state_.defaults);
}

bool Tform1::addfls(const std::string& path) {
    winposit look = state_.defaults;
    RecordAppearance(look);
    return PinAppearance(state_.pinned, std::move(look), path);
}

}  // namespace quillmap
