#include "dialogs/tform3.h"

#include <climits>

#include "base/settings.h"
#include "dialogs/dialogfont.h"
#include "views/codetext.h"

namespace quillmap {

TForm3::TForm3(platform::application& app, platform::system& system)
    : system_(system), form_(app, system, ReplaceTitle, *this, ReplaceClient, 2) {
    platform::dialogform& form = form_.Form();
    form.AddButton("Найти далее");
    form.AddButton("Заменить");
    form.AddButton("Заменить всё");
    form.AddButton("Завершить");
    form.AddCheckBox("С учётом регистра");
    form.AddCheckBox("Заменять коды");
    form.AddGroupBox("Откуда начинать?");
    form.AddRadioButton("С самого начала");
    form.AddRadioButton("С позиции курсора");
    form.AddRadioButton("В выделенном тексте");
    form.SetButtonFont(DialogFont);
    const platform::rect bounds[] = {replacelayout::FindNext,  replacelayout::Replace,      replacelayout::ReplaceAll,
                                     replacelayout::Finish,    replacelayout::MatchCase,    replacelayout::ReplaceCodes,
                                     replacelayout::StartGroup, replacelayout::FromStart,   replacelayout::FromCaret,
                                     replacelayout::InSelection};
    for (size_t k = 0; k < std::size(bounds); ++k) form.SetButtonBounds(k, bounds[k]);
    form.SetChecked(FromStartButton, true);
    form.SetEditBounds(PhraseBox, replacelayout::Phrase);
    form.SetEditBounds(ReplacementBox, replacelayout::Replacement);
}

void TForm3::Show(const std::optional<platform::rect>& centreover, bool selection) {
    platform::dialogform& form = Form();
    form.SetButtonEnabled(InSelectionButton, selection);
    if (selection) form.SetChecked(InSelectionButton, true);
    else if (form.Checked(InSelectionButton)) form.SetChecked(FromStartButton, true);
    form_.Show(hooks, centreover);
    budget_ = NoSearch;
}

void TForm3::OnPaint(platform::canvas& surface) {
    surface.SetFont(DialogFont);
    surface.TextOut(replacelayout::PhraseLabel, "Заменяемый фрагмент", std::nullopt);
    surface.TextOut(replacelayout::ReplacementLabel, "Заменяющий фрагмент", std::nullopt);
}

void TForm3::OnButtonClick(size_t index) {
    switch (index) {
    case FindNextButton: Button4Click(); break;
    case ReplaceButton: Button1Click(); break;
    case ReplaceAllButton: Button2Click(); break;
    case FinishButton: Button3Click(); break;
    default: RestartSearch(); break;  // a box ticked or a start chosen
    }
}

bool TForm3::OnEditKey(size_t index, char key) {
    if (!IsDialogKey(key)) return false;
    if (index == PhraseBox) Edit1KeyPress(key);
    else Edit2KeyPress(key);
    return true;
}

void TForm3::Edit1KeyPress(char key) {
    if (key == '\r') Form().FocusEdit(ReplacementBox);
    else if (key == platform::EscapeKey) Button3Click();
}

void TForm3::Edit2KeyPress(char key) {
    if (key == '\r') Button1Click();
    else if (key == platform::EscapeKey) Button3Click();
}

void TForm3::RestartSearch() {
    budget_ = NoSearch;
    platform::dialogform& form = Form();
    if (!form.ButtonEnabled(InSelectionButton) && form.Checked(InSelectionButton)) form.SetChecked(FromStartButton, true);
}

searchmode TForm3::Mode() const { return Form().Checked(ReplaceCodesBox) ? searchmode::codes : searchmode::text; }

void TForm3::FindNextForReplace(bool fromcaret, bool refresh) {
    vwstruct& view = hooks.view();
    const std::string phrase = Form().EditText(PhraseBox);
    view.SetSearchMode(Mode());
    savedcaret_ = view.CaretEnd();
    if (view.FindPhrase(phrase, budget_, fromcaret, Form().Checked(MatchCaseBox))) {
        savedcaret_ = view.CaretEnd();
        savedanchor_ = view.AnchorEnd();
    } else {
        view.PutCaret(savedcaret_);
        exhausted_ = true;
        ReportSearchEnded(hooks, Form(), system_, phrase, NoMoreFound);
    }
    if (refresh) hooks.followview();
    view.SetSearchMode(searchmode::both);
}

void TForm3::Button4Click() {
    exhausted_ = false;
    if (Form().EditText(PhraseBox).empty()) return;
    bool fromcaret = true;
    if (budget_ == NoSearch) {
        vwstruct& view = hooks.view();
        platform::dialogform& form = Form();
        const bool inselection = form.Checked(InSelectionButton);
        fromcaret = inselection || form.Checked(FromCaretButton);
        budget_ = INT32_MAX;
        if (inselection) {
            const bytespan selected = view.SelectedSpan();
            budget_ = selected.to - selected.from;
            view.PutCaret({selected.from, 0});
        }
        if (view.Caret() == textpos{}) fromcaret = false;
        // The search starts after the caret: one byte back, it takes in the byte under the caret,
        // or the selection's first. The budget stays as it is, so that the search ends with the
        // selection rather than a byte after it.
        if (fromcaret) view.StepBack();
        form.SetButtonEnabled(InSelectionButton, false);
    }
    FindNextForReplace(fromcaret, true);
}

bool TForm3::MatchSelected() const {
    vwstruct& view = hooks.view();
    return budget_ != NoSearch && !exhausted_ && view.InCodes() && view.CaretEnd() == savedcaret_ &&
           view.AnchorEnd() == savedanchor_;
}

std::optional<std::string> TForm3::ReplacementBytes() {
    const std::string text = Form().EditText(ReplacementBox);
    if (!Form().Checked(ReplaceCodesBox)) return text;
    std::string codes = CodesToBytes(text, Settings().TextBaseSyst);
    if (!codes.empty()) return codes;
    exhausted_ = true;
    system_.MessageBeep(platform::beepkind::ok);
    return std::nullopt;
}

bool TForm3::ReplaceSelected(const std::string& replacement, bool all) {
    const phrasefinder finder(Form().EditText(PhraseBox), Settings().TextBaseSyst, Mode(), Form().Checked(MatchCaseBox));
    return hooks.view().ReplaceFound(replacement, finder, budget_, all);
}

void TForm3::Button1Click() {
    // Without a match of this search selected, it finds one first.
    if (!MatchSelected()) return Button4Click();
    const std::optional<std::string> replacement = ReplacementBytes();
    if (!replacement) return;
    const bool fromcaret = ReplaceSelected(*replacement, false);
    hooks.byteschanged();
    FindNextForReplace(fromcaret, true);
    hooks.updateundoredo();
}

void TForm3::Button2Click() {
    if (!MatchSelected()) Button4Click();
    bool replaced = false;
    if (!exhausted_) {
        const std::optional<std::string> replacement = ReplacementBytes();
        if (!replacement) return;
        // Every match to the end of the search, then the search that finds no more.
        FindNextForReplace(ReplaceSelected(*replacement, true), false);
        replaced = true;
    }
    hooks.updateundoredo();
    // Nothing replaced leaves the document as it was, and not marked changed.
    if (replaced) hooks.byteschanged();
    else hooks.followview();
}

}  // namespace quillmap
