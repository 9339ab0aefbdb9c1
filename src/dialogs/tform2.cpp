#include "dialogs/tform2.h"

#include <climits>

#include "dialogs/dialogfont.h"

namespace quillmap {

TForm2::TForm2(platform::application& app, platform::system& system)
    : system_(system), form_(app, system, FindTitle, *this, FindClient, 1) {
    platform::dialogform& form = form_.Form();
    form.AddButton("Найти далее");
    form.AddButton("Завершить");
    form.AddCheckBox("С учётом регистра");
    form.SetButtonFont(DialogFont);
    form.SetButtonBounds(FindNextButton, findlayout::FindNext);
    form.SetButtonBounds(FinishButton, findlayout::Finish);
    form.SetButtonBounds(MatchCaseBox, findlayout::MatchCase);
    form.SetEditBounds(PhraseBox, findlayout::Phrase);
}

void TForm2::OnPaint(platform::canvas& surface) {
    surface.SetFont(DialogFont);
    surface.TextOut(findlayout::Label, "Фраза для поиска", std::nullopt);
}

void TForm2::OnButtonClick(size_t index) {
    if (index == FindNextButton) Button2Click();
    else if (index == FinishButton) Button3Click();
}

bool TForm2::OnEditKey(size_t, char key) {
    if (!IsDialogKey(key)) return false;
    Edit1KeyPress(key);
    return true;
}

void TForm2::Edit1KeyPress(char key) {
    if (key == '\r') Button2Click();
    else if (key == platform::EscapeKey) Button3Click();
}

void TForm2::Button2Click() {
    const std::string phrase = Form().EditText(PhraseBox);
    if (phrase.empty()) return;
    if (enablefindnext) enablefindnext();
    // A new phrase starts at the first byte; the same one again goes on after its match.
    const bool fromcaret = phrase == lastphrase_;
    lastphrase_ = phrase;
    findnextphrase_ = phrase;
    Search(phrase, fromcaret);
}

void TForm2::FindNext() {
    if (!findnextphrase_.empty()) Search(findnextphrase_, true);
}

void TForm2::Search(const std::string& phrase, bool fromcaret) {
    int32_t budget = INT32_MAX;
    if (hooks.view().FindPhrase(phrase, budget, fromcaret, Form().Checked(MatchCaseBox)))
        hooks.followview();
    else
        ReportSearchEnded(hooks, Form(), system_, phrase, NothingFound);
}

}  // namespace quillmap
