#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "dialogs/searchform.h"
#include "dialogs/searchhooks.h"
#include "platform/application.h"
#include "platform/system.h"

namespace quillmap {

inline constexpr std::string_view FindTitle = "Найти";
inline constexpr platform::extent FindClient{427, 87};
inline constexpr std::string_view NothingFound = ". Ничего не найдено.";

namespace findlayout {
inline constexpr platform::point Label{8, 8};
inline constexpr platform::rect Phrase{8, 26, 8 + 305, 26 + 24};
inline constexpr platform::rect MatchCase{8, 58, 8 + 200, 58 + 20};
inline constexpr platform::rect FindNext{322, 24, 322 + 97, 24 + 25};
inline constexpr platform::rect Finish{322, 56, 322 + 97, 56 + 25};
}  // namespace findlayout

// The find dialog: a phrase looked for as text and as codes through the whole document, the
// same phrase again continuing after the match it found. Modeless; made hidden at start-up and
// kept to the end. The main window's "Найти следующий" repeats its last search.
class TForm2 final : private platform::dialogevents {
public:
    static constexpr size_t FindNextButton = 0;
    static constexpr size_t FinishButton = 1;
    static constexpr size_t MatchCaseBox = 2;
    static constexpr size_t PhraseBox = 0;

    TForm2(platform::application& app, platform::system& system);
    TForm2(const TForm2&) = delete;
    TForm2& operator=(const TForm2&) = delete;

    searchhooks hooks;
    // Run by the first search from the dialog, which makes "Найти следующий" worth offering.
    std::function<void()> enablefindnext;

    // "Найти...": centred over the main window's bounds when given, otherwise at the mouse.
    void Show(const std::optional<platform::rect>& centreover) { form_.Show(hooks, centreover); lastphrase_.clear(); }
    bool Visible() const { return form_.Visible(); }

    // "Найти далее" and "Завершить".
    void Button2Click();
    void Button3Click() { form_.Hide(hooks); }
    // "Найти следующий": the phrase of the dialog's last search again, after the caret.
    void FindNext();
    const std::string& FindNextPhrase() const { return findnextphrase_; }
    platform::dialogform& Form() const { return form_.Form(); }

private:
    void OnShow(platform::canvas&) override {}
    void OnPaint(platform::canvas& surface) override;
    void OnButtonClick(size_t index) override;
    void OnKeyPress(char key) override { Edit1KeyPress(key); }
    void OnClose() override { Button3Click(); }
    void OnActivate(bool) override {}
    bool OnEditKey(size_t index, char key) override;
    // Enter runs "Найти далее", Esc "Завершить".
    void Edit1KeyPress(char key);
    // The search and what it ends in: the bars following the view, or the asterisk and a message.
    void Search(const std::string& phrase, bool fromcaret);

    platform::system& system_;
    searchform form_;
    // The phrase searched last since the dialog was shown, which the next search continues.
    std::string lastphrase_;
    std::string findnextphrase_;
};

}  // namespace quillmap
