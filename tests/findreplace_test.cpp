#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/dialogforms.h"
#include "platform/headless/headlessdialogform.h"
#include "support/inputwindow.h"

namespace quillmap::testing {
namespace {

using platform::beepkind;

// The main window with a document open and its find and replace dialogs, driven through their
// controls and keys as the user drives them.
struct searchwindow : inputwindow {
    explicit searchwindow(const std::string& bytes) : inputwindow(bytes) {
        form.SetSearchDialogs(dialogs.Find(), dialogs.Replace());
        system.SetScreenSize({1024, 768});
    }
    platform::headlessdialogform& Find() { return static_cast<platform::headlessdialogform&>(dialogs.Find().Form()); }
    platform::headlessdialogform& Replace() {
        return static_cast<platform::headlessdialogform&>(dialogs.Replace().Form());
    }
    // The selection as the bytes it covers.
    std::pair<int32_t, int32_t> Selected() {
        const codeselection s = form.View().Selection();
        return {s.frombyte, s.tobyte};
    }
    void Select(int32_t from, int32_t to) {
        vwgif& view = form.View();
        const textpos a = view.LinearToPosition(from), b = view.LinearToPosition(to);
        view.SetPosition(a.column, a.line, false);
        view.SetPosition(a.column, a.line, true);
        view.SetPosition(b.column, b.line, true);
    }
    // Ctrl and a letter as Windows delivers them: the key, then its control character.
    void CtrlKey(char letter) {
        form.OnKeyDown(static_cast<uint16_t>(letter), platform::ssCtrl);
        form.OnChar(static_cast<char>(letter - '@'));
    }
    // Ctrl+F, the phrase typed, Enter.
    void FindByKeys(const std::string& phrase) {
        if (!dialogs.Find().Visible()) CtrlKey('F');
        Find().FocusEdit(TForm2::PhraseBox);
        Find().TypeInEdit(TForm2::PhraseBox, phrase + "\r");
    }
    // Ctrl+R with the two texts typed, each box's Enter after it: the search, and "Заменить".
    void OpenReplace(const std::string& phrase, const std::string& replacement) {
        CtrlKey('R');
        Replace().TypeInEdit(TForm3::PhraseBox, phrase);
        Replace().TypeInEdit(TForm3::ReplacementBox, replacement);
    }

    dialogforms dialogs{app, system};
};

std::string NotFound(const std::string& phrase) { return "Я завершил поиск текста \"" + phrase + "\". Ничего не найдено."; }
std::string NoMore(const std::string& phrase) { return "Я завершил поиск текста \"" + phrase + "\". Больше он не встречается."; }

TEST(FindDialog, TextCodesCaseAndWhichMatchWins) {
    struct sample {
        const char* name;
        std::string bytes;
        std::string phrase;
        bool matchcase;
        std::pair<int32_t, int32_t> selected;  // {-1, -1}: nothing found
    };
    const std::vector<sample> samples = {
        {"codes find the bytes of GIF", "..GIF..", "47 49 46", false, {2, 5}},
        {"and the word itself finds them as text", "..GIF..", "gif", false, {2, 5}},
        {"codes written without blanks", "..GIF..", "474946", false, {2, 5}},
        {"codes are exact about the case", "Ab AB", "41 42", false, {3, 5}},
        {"the text's match comes first", "x41 42 AB", "41 42", false, {1, 6}},
        {"at the same byte the text wins", "33 33", "33 33", false, {0, 5}},
        {"Cyrillic in another case", "xx ПРИВЕТ", "привет", false, {3, 9}},
        {"not with the case kept", "xx ПРИВЕТ", "привет", true, {-1, -1}},
        {"Ё and ё", "ёлка ЁЛКА", "ЁЛКА", false, {0, 4}},
        {"a phrase that is no codes still finds text", "a 1G b", "1g", false, {2, 4}},
    };
    for (const sample& s : samples) {
        SCOPED_TRACE(s.name);
        searchwindow w(s.bytes);
        w.CtrlKey('F');
        if (s.matchcase) w.Find().ClickButton(TForm2::MatchCaseBox);
        w.Find().TypeInEdit(TForm2::PhraseBox, s.phrase + "\r");
        if (s.selected.first < 0) {
            ASSERT_EQ(w.app.Messages().size(), 1u);
            EXPECT_EQ(w.app.Messages().back(), NotFound(s.phrase));
            EXPECT_EQ(w.system.MessageBeeps(), std::vector<beepkind>{beepkind::asterisk});
        } else {
            EXPECT_TRUE(w.app.Messages().empty());
            EXPECT_EQ(w.Selected(), s.selected);
            EXPECT_EQ(w.form.View().Caret(), w.form.View().LinearToPosition(s.selected.first));
        }
        // Enter and Esc never reach the box.
        EXPECT_EQ(w.Find().EditText(TForm2::PhraseBox), s.phrase);
    }
}

TEST(FindDialog, TheSamePhraseGoesOnAndANewOneStartsOverAsDoesFindNext) {
    searchwindow w("ab ab ab");
    EXPECT_FALSE(w.form.Menu().FindNext().Enabled());  // nothing to repeat yet
    w.FindByKeys("ab");
    EXPECT_EQ(w.Selected(), (std::pair{0, 2}));
    EXPECT_TRUE(w.form.Menu().FindNext().Enabled());
    w.Find().PressEnter();  // "Найти далее" has the focus
    EXPECT_EQ(w.Selected(), (std::pair{3, 5}));
    // Another phrase, and the first one again: both from the first byte.
    w.Find().FocusEdit(TForm2::PhraseBox);
    w.Find().TypeInEdit(TForm2::PhraseBox, "b\r");
    EXPECT_EQ(w.Selected(), (std::pair{1, 2}));
    w.Find().FocusEdit(TForm2::PhraseBox);
    w.Find().TypeInEdit(TForm2::PhraseBox, "ab\r");
    EXPECT_EQ(w.Selected(), (std::pair{0, 2}));
    // F3 in the main window goes on with it, and says when there is no more.
    w.form.OnKeyDown(platform::vkF3, 0);
    EXPECT_EQ(w.Selected(), (std::pair{3, 5}));
    w.form.OnKeyDown(platform::vkF3, 0);
    w.form.OnKeyDown(platform::vkF3, 0);
    EXPECT_EQ(w.Selected(), (std::pair{6, 8}));
    ASSERT_EQ(w.app.Messages().size(), 1u);
    EXPECT_EQ(w.app.Messages().back(), NotFound("ab"));
    // Esc ends the dialog.
    w.Find().TypeInEdit(TForm2::PhraseBox, "\x1b");
    EXPECT_FALSE(w.dialogs.Find().Visible());
}

TEST(FindDialog, OpensCentredWithCtrlAndAtTheMouseFromTheMenu) {
    searchwindow w("abc");
    w.window.SetBounds({100, 100, 700, 500});
    w.system.MoveCursor({600, 300});
    w.CtrlKey('F');
    const platform::extent size = w.Find().WindowSize();
    EXPECT_EQ(w.Find().Position(), (platform::point{100 + (600 - size.width) / 2, 100 + (400 - size.height) / 2}));
    EXPECT_EQ(w.Find().FocusedEdit(), TForm2::PhraseBox);
    // The phrase box looks like the codes: their ink on their background.
    EXPECT_EQ(w.Find().Edits()[TForm2::PhraseBox].font.textcolour, w.form.Picture().Canvas().Font().textcolour);
    EXPECT_EQ(w.Find().Edits()[TForm2::PhraseBox].background, Tform1::PictureBackground);
    w.Find().ClickButton(TForm2::FinishButton);
    w.form.Menu().Find().Click();
    EXPECT_EQ(w.Find().Position(), (platform::point{600 - size.width / 2, 300}));
    EXPECT_TRUE(w.Find().OnTop());
}

TEST(ReplaceDialog, FindsFirstThenReplacesOneByOneAndAllTheRest) {
    searchwindow w("xAbyabzab");
    w.OpenReplace("ab", "[ab]");
    // "Заменить" before any search only finds and selects.
    w.Replace().TypeInEdit(TForm3::ReplacementBox, "\r");
    EXPECT_EQ(w.Selected(), (std::pair{1, 3}));
    EXPECT_EQ(w.Bytes(), "xAbyabzab");
    // Now it replaces and selects the next.
    w.Replace().TypeInEdit(TForm3::ReplacementBox, "\r");
    EXPECT_EQ(w.Bytes(), "x[ab]yabzab");
    EXPECT_EQ(w.Selected(), (std::pair{6, 8}));
    EXPECT_TRUE(w.form.Modified());
    EXPECT_TRUE(w.form.Menu().Undo().Enabled());
    // All the rest; the replacement's own "ab" is not searched again.
    w.Replace().ClickButton(TForm3::ReplaceAllButton);
    EXPECT_EQ(w.Bytes(), "x[ab]y[ab]z[ab]");
    ASSERT_EQ(w.app.Messages().size(), 1u);
    EXPECT_EQ(w.app.Messages().back(), NoMore("ab"));
    EXPECT_FALSE(w.form.View().HasSelection());
    EXPECT_TRUE(w.dialogs.Replace().Exhausted());
    // Each replacement is one step back.
    w.form.Undo();
    EXPECT_EQ(w.Bytes(), "x[ab]y[ab]zab");
    // Pressed again once the search is over, "Заменить" searches rather than replace nothing.
    w.Replace().ClickButton(TForm3::ReplaceButton);
    EXPECT_EQ(w.Bytes(), "x[ab]y[ab]zab");
}

TEST(ReplaceDialog, WhereTheSearchStartsAndEnds) {
    struct sample {
        const char* name;
        std::string bytes;
        std::pair<int32_t, int32_t> selection;  // before Ctrl+R
        size_t start;                           // the start option chosen
        std::string phrase;
        std::string expected;  // after "Заменить всё"
    };
    const std::vector<sample> samples = {
        {"from the start", "abab", {2, 2}, TForm3::FromStartButton, "ab", "--"},
        {"from the caret: the byte under it too", "abab", {2, 2}, TForm3::FromCaretButton, "ab", "ab-"},
        {"from the caret at the first byte", "abab", {0, 0}, TForm3::FromCaretButton, "ab", "--"},
        {"in the selection: not one running past its end", "ababab", {0, 3}, TForm3::InSelectionButton, "ab", "-abab"},
        {"in the selection: nothing after it", "xabxab", {1, 4}, TForm3::InSelectionButton, "ab", "x-xab"},
        {"in the selection away from the first byte: not one running past its end", "xaab", {1, 3},
         TForm3::InSelectionButton, "ab", "xaab"},
        {"in the selection: it still ends there as matches are replaced", "ababab", {0, 4},
         TForm3::InSelectionButton, "ab", "--ab"},
        {"in the selection, all of its matches and none beyond", "aaaaaa", {1, 5}, TForm3::InSelectionButton, "aa",
         "a--a"},
    };
    for (const sample& s : samples) {
        SCOPED_TRACE(s.name);
        searchwindow w(s.bytes);
        w.Select(s.selection.first, s.selection.second);
        w.CtrlKey('R');
        EXPECT_EQ(w.Replace().Buttons()[TForm3::InSelectionButton].enabled, s.selection.first != s.selection.second);
        w.Replace().ClickButton(s.start);
        w.Replace().TypeInEdit(TForm3::PhraseBox, s.phrase);
        w.Replace().TypeInEdit(TForm3::ReplacementBox, "-");
        w.Replace().ClickButton(TForm3::ReplaceAllButton);
        EXPECT_EQ(w.Bytes(), s.expected);
        EXPECT_EQ(w.app.Messages().back(), NoMore(s.phrase));
        // Once the search began, the selection is no longer offered.
        EXPECT_FALSE(w.Replace().Buttons()[TForm3::InSelectionButton].enabled);
    }
}

TEST(ReplaceDialog, NothingIsReplacedWithoutAMatch) {
    // Codes that are no codes only beep.
    searchwindow w("\x01\x02\x01\x02");
    w.OpenReplace("01 02", "1G");
    w.Replace().ClickButton(TForm3::ReplaceCodesBox);
    w.Replace().ClickButton(TForm3::FindNextButton);
    EXPECT_EQ(w.Selected(), (std::pair{0, 2}));
    w.Replace().ClickButton(TForm3::ReplaceButton);
    EXPECT_EQ(w.Bytes(), "\x01\x02\x01\x02");
    EXPECT_EQ(w.system.MessageBeeps(), std::vector<beepkind>{beepkind::ok});
    EXPECT_TRUE(w.app.Messages().empty());
    // As codes the replacement works; "Заменить всё" after the first is replaced.
    w.Replace().TypeInEdit(TForm3::ReplacementBox, "\b\bff");
    w.Replace().ClickButton(TForm3::ReplaceAllButton);
    EXPECT_EQ(w.Bytes(), "\xFF\xFF");
    // A phrase nowhere: the message, and no change to the document's mark.
    searchwindow none("abc");
    none.OpenReplace("zz", "y");
    none.Replace().ClickButton(TForm3::ReplaceAllButton);
    EXPECT_EQ(none.app.Messages().back(), NoMore("zz"));
    EXPECT_FALSE(none.form.Modified());
    // Esc in the replacement box ends the dialog; Enter in the phrase box moves to it.
    none.Replace().FocusEdit(TForm3::PhraseBox);
    none.Replace().TypeInEdit(TForm3::PhraseBox, "\r");
    EXPECT_EQ(none.Replace().FocusedEdit(), TForm3::ReplacementBox);
    EXPECT_EQ(none.Replace().EditText(TForm3::PhraseBox), "zz");
    none.Replace().TypeInEdit(TForm3::ReplacementBox, "\x1b");
    EXPECT_FALSE(none.dialogs.Replace().Visible());
    // Once the last match is replaced, "Заменить" searches again rather than put the replacement
    // where the caret was left.
    searchwindow one("a");
    one.OpenReplace("a", "bb");
    one.Replace().TypeInEdit(TForm3::ReplacementBox, "\r\r");
    EXPECT_EQ(one.Bytes(), "bb");
    EXPECT_EQ(one.app.Messages().size(), 1u);
    one.Replace().TypeInEdit(TForm3::ReplacementBox, "\r");
    EXPECT_EQ(one.Bytes(), "bb");
    EXPECT_EQ(one.app.Messages().size(), 2u);
}

}  // namespace
}  // namespace quillmap::testing
