// The main window's commands on the document as a whole: new, open, save, save as, exit, help.
#include <array>
#include <memory>
#include <new>
#include <string>
#include <utility>

#include "app/appearance.h"
#include "app/filecommandtexts.h"
#include "app/documentinfo.h"
#include "app/fileidentity.h"
#include "base/filenames.h"
#include "app/printfont.h"
#include "app/readonlysave.h"
#include "app/texts.h"
#include "app/tform1.h"
#include "base/bytefile.h"
#include "base/rounding.h"
#include "base/settings.h"
#include "dialogs/mesokno.h"
#include "dialogs/referencepoint.h"

namespace quillmap {


void Tform1::SetCaption(const std::string& caption) {
    window_->SetCaption(caption);
    app_.SetTitle(caption);
}

void Tform1::ShowError(std::string_view text) {
    BeginDialog();
    app_.ShowError(text);
    EndDialog();
}

void Tform1::ShowMessage(std::string_view title, std::string_view text) {
    AnchorAtMainWindow(*window_);
    const std::array<std::string, 1> captions{InfoButton};
    const auto message = CreateMessageWindow(app_, system_, title, std::string(text), captions);
    BeginDialog();
    message->ShowModal();
    EndDialog();
}

std::unique_ptr<vwgif> Tform1::ReplaceView(std::unique_ptr<vwgif> view) {
    HideCaret();
    std::unique_ptr<vwgif> old = std::exchange(view_, std::move(view));
    try {
        viewactions_->Rebind(view_->PopupItems());
        menu_->UpdateUndoRedo(false, false);
        vscroll_->SetPosition(0);
        hscroll_->SetPosition(0);
        Layout(window_->ClientSize());
    } catch (const std::bad_alloc&) {
        // The window keeps the view it had.
        view_ = std::move(old);
        viewactions_->Rebind(view_->PopupItems());
        Layout(window_->ClientSize());
        throw;
    }
    return old;
}

bool Tform1::ConfirmDiscard() {
    if (!modified_) return false;
    AnchorAtMainWindow(*window_);
    const std::array<std::string, 3> captions{DiscardYes, DiscardNo, DiscardCancel};
    const auto question = CreateMessageWindow(app_, system_, DiscardTitle, DiscardText, captions);
    BeginDialog();
    const int32_t answer = question->ShowModal();
    EndDialog();
    if (answer == FirstButtonResult) {
        Save();
        // Saving was cancelled or failed: the document must not be lost.
        return modified_;
    }
    return answer != FirstButtonResult + 1;
}

void Tform1::NewDocument() {
    if (ConfirmDiscard()) return;
    RememberRecent();
    chfls();
    ApplyStoredEncoding(state_.defaults.encoding);
    ReplaceView(MakeView());
    if (menu_->AllRemoved().Checked() != state_.defaults.allremoved) ToggleAllRemoved();
    modified_ = false;
    ShowUntitledCaption();
    documentname_.clear();
    opentime_ = -1;
    window_->SetUserData(0);
}

void Tform1::ShowUntitledCaption() { SetCaption(std::string(UntitledName) + CaptionSuffix); }

bool Tform1::AcceptFileName(const std::string& path) {
    if (ExactFileName(path)) return true;
    system_.Beep();
    ShowError(InexactNameStart + path + InexactNameEnd);
    return false;
}

void Tform1::OpenCommand() {
    if (ConfirmDiscard()) return;
    RememberRecent();
    BeginDialog();
    if (app_.ChooseFile(opendialog_) && AcceptFileName(opendialog_.filename)) {
        chfls();
        if (OpenOrBeep(opendialog_.filename)) savedialog_.filterindex = opendialog_.filterindex;
    }
    EndDialog();
}

void Tform1::OnDropFile(const std::string& path) {
    // A name the system could not give exactly is refused before the document is put at stake.
    if (!AcceptFileName(path) || ConfirmDiscard()) return;
    RememberRecent();
    chfls();
    OpenOrBeep(path);
}

bool Tform1::OpenOrBeep(const std::string& path) {
    try {
        OpenDocument(path);
        return true;
    } catch (const bytefileerror&) {
        system_.Beep();
        return false;
    } catch (const std::bad_alloc&) {
        OnOutOfMemory();
        return false;
    }
}

void Tform1::OpenDocument(const std::string& path) {
    // Only a file that can be opened at all replaces the document; one too large to load
    // still does, empty, with a message.
    TestReadable(Cp1251Path(path));
    const std::string title = FileNameOf(path) + CaptionSuffix;
    const uint32_t identity = FileIdentity(path);
    // One file, one window: a copy that shows it already comes forward instead.
    if (app_.BringForwardOtherWindow(title, identity, *window_)) return;
    // What comes back when memory runs out on the way: the document shown stays, under its name
    // and in its appearance, and the old view is kept until the new one is in place.
    winposit previous;
    RecordAppearance(previous);
    const uint8_t previousencoding = CheckedEncoding();
    const std::string previouscaption = window_->Caption();
    std::string name = path;
    std::string folder = FolderOf(path);
    const std::string previousname = std::exchange(documentname_, std::move(name));
    std::unique_ptr<vwgif> old;
    try {
        const winposit* pinned = FindPinned(state_.pinned, path);
        const uint8_t encoding = pinned ? pinned->encoding : state_.defaults.encoding;
        // Copied: applying the appearance may run commands that record it.
        ApplyAppearance(pinned ? *pinned : winposit(state_.defaults), pinned != nullptr);
        // Chosen before the view is made, which starts with it.
        ApplyStoredEncoding(encoding);
        const uint32_t started = system_.TickCount();
        std::unique_ptr<vwgif> view;
        try {
            view = MakeView();
            view->LoadFromFile(path);
        } catch (const std::bad_alloc&) {
            throw;  // not a file that cannot be read: the document shown stays
        } catch (const std::exception&) {
            view = MakeView();
            system_.Beep();
            ShowError(LoadFailedMessage);
        }
        opentime_ = static_cast<int32_t>(system_.TickCount() - started);
        old = ReplaceView(std::move(view));
        RestoreRecentCaret(path);
        SetCaption(title);
        window_->SetUserData(identity);
    } catch (const std::bad_alloc&) {
        documentname_ = previousname;
        if (old) ReplaceView(std::move(old));
        ApplyAppearance(previous, true);
        ApplyStoredEncoding(previousencoding);
        SetCaption(previouscaption);
        throw;
    }
    modified_ = false;
    opendialog_.folder = std::move(folder);
    savedialog_.filename = documentname_;
}

void Tform1::Save() {
    if (documentname_.empty()) {
        SaveAs();
        return;
    }
    try {
        SaveRespectingReadOnly(system_.Files(), Cp1251Path(documentname_), Settings().TrySaveReadOnly,
                               [this] { view_->SaveToFile(documentname_); });
        SetModified(false);
    } catch (const bytefileerror&) {
        system_.Beep();
        ShowError(SaveFailedMessage);
    }
}

void Tform1::SaveAs() {
    BeginDialog();
    savedialog_.filterindex = 1;
    if (app_.ChooseFile(savedialog_) && AcceptFileName(savedialog_.filename))
        SaveUnder(WithDefaultExtension(savedialog_.filename));
    EndDialog();
}

bool Tform1::SaveUnder(const std::string& name) {
    try {
        SaveRespectingReadOnly(system_.Files(), Cp1251Path(name), Settings().TrySaveReadOnly,
                               [this, &name] { view_->SaveToFile(name); });
    } catch (const bytefileerror& failure) {
        app_.ShowError(failure.what());
        return false;
    }
    savedialog_.filename = name;
    documentname_ = name;
    window_->SetUserData(FileIdentity(name));
    modified_ = false;
    SetCaption(FileNameOf(documentname_) + CaptionSuffix);
    return true;
}

void Tform1::Print() {
    BeginDialog();
    platform::printrequest request;
    const int32_t columns = Settings().ColumnCount;
    if (app_.ChoosePrint(request)) {
        try {
            const std::unique_ptr<platform::printjob> job = app_.StartPrintJob(window_->Caption());
            PrintPages(*job, request.pagerange ? request.frompage : 0,
                       request.pagerange ? request.topage : 10000000);
            job->Finish();
        } catch (const std::exception&) {
            system_.Beep();
            app_.ShowError(CannotPrint);
        }
    }
    // The printout may have taken fewer columns for good: the window's rows follow.
    if (Settings().ColumnCount != columns) {
        view_->RebuildRows();
        Layout(window_->ClientSize());
    }
    EndDialog();
}

void Tform1::PrintPages(platform::printjob& job, int32_t from, int32_t to) {
    const settingvalues& settings = Settings();
    platform::canvas& canvas = job.Canvas();
    const platform::extent page = job.PageSize();
    const platform::extent dpi = job.DotsPerInch();
    // The window's font is in screen pixels; a printer's are many times smaller.
    const platform::canvas& screen = bitmap_->Canvas();
    canvas.SetFont(FontAtResolution(screen.Font(), screen.PixelsPerInch().height, dpi.height));
    const int32_t left = RoundHalfEven(settings.LeftMargin * dpi.width / 2.54);
    const int32_t right = RoundHalfEven(settings.RightMargin * dpi.width / 2.54);
    const int32_t top = RoundHalfEven(settings.TopMargin * dpi.height / 2.54);
    const int32_t bottom = RoundHalfEven(settings.BottomMargin * dpi.height / 2.54);
    job.SetOrigin({left, top});

    vwgif printed(canvas, system_);
    printed.SetPrinting(true);
    // Too wide for the paper: fewer columns, and the setting keeps the count. Measured before
    // the view knows the paper's width, which its description column would take up whole.
    const int32_t printable = page.width - left - right;
    while (printed.ContentWidth() > printable && Settings().ColumnCount > 1) --Settings().ColumnCount;
    printed.SetClientWidth(printable);
    const int32_t textheight = canvas.TextExtent("0").height;
    int32_t height = page.height - bottom - top;
    if (settings.NumPages) height = std::min(height, page.height - textheight - top);
    printed.SetClientHeight(height);
    view_->CopyDocumentTo(printed);

    for (int32_t number = 1;; ++number) {
        printed.Paint();
        if (settings.NumPages) {
            const std::string text = std::to_string(number);
            const int32_t width = canvas.TextExtent(text).width;
            canvas.TextOut({(page.width - width) / 2 - left, page.height - textheight - top}, text, std::nullopt);
        }
        if (number < from)
            job.ClearPage();
        else if (!printed.LastPage() && number < to)
            job.NewPage();
        if (printed.LastPage() || number >= to) break;
    }
}

void Tform1::DocumentInfo(bool fromkeyboard) {
    documentfacts facts;
    facts.name = documentname_;
    facts.opentime = opentime_;
    facts.length = view_->Length();
    facts.linecount = view_->LineCount();
    const textpos caret = view_->Caret();
    facts.caretline = caret.line;
    facts.caretcolumn = caret.column;
    facts.caretlinear = view_->PositionToLinear(caret.column, caret.line);
    if (view_->HasSelection()) facts.selectedlength = static_cast<int32_t>(view_->SelectedText().size());
    if (fromkeyboard)
        AnchorAtMainWindow(*window_);
    else
        AnchorAtMouse(system_);
    const std::array<std::string, 1> captions{InfoButton};
    infowindow_ = CreateMessageWindow(app_, system_, InfoTitle, DocumentInfoText(facts), captions);
    mesokno& shown = *infowindow_;
    shown.Button(0).onclick = CloseAndAct;
    shown.ondeactivate = [this, &shown] { ReleaseInfoWindow(shown); };
    shown.Show();
    if (menu_->OnTop().Checked()) shown.Form().StayOnTop();
}

void Tform1::ReleaseInfoWindow(const mesokno& window) {
    if (infowindow_.get() != &window) return;
    app_.Post([gone = std::shared_ptr<mesokno>(std::move(infowindow_))]() mutable { gone.reset(); });
}

void Tform1::Exit() {
    if (ConfirmDiscard()) return;
    RememberRecent();
    chfls();
    SaveState();
    app_.Terminate();
}

void Tform1::Help() {
    const std::string folder = app_.ProgramFolder();
    if (AcceptFileName(folder)) app_.OpenWithShell(HelpFileName, folder);
}

void Tform1::DownloadPlugins() { app_.OpenWithShell(PluginPage, ""); }

}  // namespace quillmap
