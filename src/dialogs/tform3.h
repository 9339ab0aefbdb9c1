#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "dialogs/searchform.h"
#include "dialogs/searchhooks.h"
#include "platform/application.h"
#include "platform/system.h"
#include "views/codeselection.h"

namespace quillmap {

inline constexpr std::string_view ReplaceTitle = "Заменить";
inline constexpr platform::extent ReplaceClient{473, 185};
inline constexpr std::string_view NoMoreFound = ". Больше он не встречается.";

namespace replacelayout {
inline constexpr platform::point PhraseLabel{8, 8};
inline constexpr platform::rect Phrase{8, 24, 8 + 329, 24 + 24};
inline constexpr platform::point ReplacementLabel{8, 56};
inline constexpr platform::rect Replacement{8, 72, 8 + 329, 72 + 24};
inline constexpr platform::rect MatchCase{8, 112, 8 + 150, 112 + 20};
inline constexpr platform::rect ReplaceCodes{8, 136, 8 + 150, 136 + 20};
inline constexpr platform::rect StartGroup{164, 104, 164 + 173, 104 + 76};
inline constexpr platform::rect FromStart{172, 120, 172 + 160, 120 + 18};
inline constexpr platform::rect FromCaret{172, 139, 172 + 160, 139 + 18};
inline constexpr platform::rect InSelection{172, 158, 172 + 160, 158 + 18};
inline constexpr platform::rect FindNext{346, 8, 346 + 119, 8 + 25};
inline constexpr platform::rect Replace{346, 40, 346 + 119, 40 + 25};
inline constexpr platform::rect ReplaceAll{346, 72, 346 + 119, 72 + 25};
inline constexpr platform::rect Finish{346, 152, 346 + 119, 152 + 25};
}  // namespace replacelayout

// The replace dialog: a phrase looked for as text, or as codes when the replacement is codes too,
// from the first byte, from the caret or inside the selection; each match is selected, then
// replaced one by one or all at once. Modeless; made hidden at start-up and kept to the end.
//
// A search runs until it finds nothing more; typing in a box, ticking a box or choosing where to
// start begins a new one.
class TForm3 final : private platform::dialogevents {
public:
    static constexpr size_t FindNextButton = 0;
    static constexpr size_t ReplaceButton = 1;
    static constexpr size_t ReplaceAllButton = 2;
    static constexpr size_t FinishButton = 3;
    static constexpr size_t MatchCaseBox = 4;
    static constexpr size_t ReplaceCodesBox = 5;
    static constexpr size_t StartGroup = 6;
    static constexpr size_t FromStartButton = 7;
    static constexpr size_t FromCaretButton = 8;
    static constexpr size_t InSelectionButton = 9;
    static constexpr size_t PhraseBox = 0;
    static constexpr size_t ReplacementBox = 1;
    // The budget of no search.
    static constexpr int32_t NoSearch = -1;

    TForm3(platform::application& app, platform::system& system);
    TForm3(const TForm3&) = delete;
    TForm3& operator=(const TForm3&) = delete;

    searchhooks hooks;

    // "Заменить...": "В выделенном тексте" offered only with a selection, and chosen then; the
    // dialog centred over the main window's bounds when given, otherwise at the mouse.
    void Show(const std::optional<platform::rect>& centreover, bool selection);
    bool Visible() const { return form_.Visible(); }

    void Button4Click();  // "Найти далее"
    void Button1Click();  // "Заменить"
    void Button2Click();  // "Заменить всё"
    void Button3Click() { form_.Hide(hooks); }  // "Завершить"

    int32_t Budget() const { return budget_; }
    bool Exhausted() const { return exhausted_; }
    platform::dialogform& Form() const { return form_.Form(); }

private:
    void OnShow(platform::canvas&) override {}
    void OnPaint(platform::canvas& surface) override;
    void OnButtonClick(size_t index) override;
    void OnKeyPress(char key) override { Edit1KeyPress(key); }
    void OnClose() override { Button3Click(); }
    void OnActivate(bool) override {}
    bool OnEditKey(size_t index, char key) override;
    void OnEditChange(size_t) override { RestartSearch(); }
    // Enter in the phrase box goes on to the replacement; Enter in the replacement replaces.
    // Esc in either ends the dialog.
    void Edit1KeyPress(char key);
    void Edit2KeyPress(char key);
    void RestartSearch();
    // One search from the caret or the first byte, in the form "Заменять коды" chooses.
    void FindNextForReplace(bool fromcaret, bool refresh);
    // Whether a match found by this search is still the selection the user left alone.
    bool MatchSelected() const;
    // The replacement's bytes; none, after the default beep, when "Заменять коды" reads no codes
    // in it (which ends the search).
    std::optional<std::string> ReplacementBytes();
    // "Заменять коды" makes the search look for codes only; otherwise it looks for text only.
    searchmode Mode() const;
    // The selected match replaced, and with all every further one; whether the next search
    // starts after the caret.
    bool ReplaceSelected(const std::string& replacement, bool all);

    platform::system& system_;
    searchform form_;
    int32_t budget_ = NoSearch;
    caretend savedcaret_;
    caretend savedanchor_;
    bool exhausted_ = false;
};

}  // namespace quillmap
