#include "app/tform1.h"

#include <algorithm>

#include "app/mainlayout.h"
#include "app/statusbartexts.h"
#include "app/texts.h"
#include "base/rounding.h"
#include "base/settings.h"
#include "dialogs/popupstyle.h"
#include "platform/eventguard.h"

namespace quillmap {

namespace {

constexpr platform::extent InitialClient{792, 454};
// The user may make the window small, but never smaller than this.
constexpr platform::extent MinimumSize{100, 100};

}  // namespace

Tform1::Tform1(platform::application& app, platform::system& system)
    : app_(app), system_(system), skins_(app), plugins_(app), popups_(app, system, PopupStyle) {
    // The picture, its view and the menus come before the window: setting the menu bar resizes
    // the window at once, and the layout that follows needs all of them.
    bitmap_ = app_.CreateBitmap(InitialClient);
    bitmap_->Canvas().SetFont(platform::RussianFont("Lucida Console", -13));
    view_ = MakeView();
    menu_ = std::make_unique<mainmenu>(app_, MenuHandlers(), Settings().SaveOnF2);
    menu_->Print().SetEnabled(app_.HasPrinter());
    BindEncodings();
    popup_ = std::make_unique<windowpopup>(app_, MenuHandlers(), Settings().SaveOnF2);
    taskbar_ = std::make_unique<taskbarmenu>(app_, TaskbarHandlers());
    viewactions_ = std::make_unique<viewactions>(menu_->Format(), menu_->Extra());
    viewactions_->Create(view_->PopupItems(), [this](bool changed) { ViewActionDone(changed); });

    platform::formdesign design;
    design.caption = std::string(UntitledName) + CaptionSuffix;
    design.client = InitialClient;
    design.background = platform::clWhite;
    design.mainwindow = true;
    design.minimum = MinimumSize;
    window_ = app_.CreateForm(design, *this);
    vscroll_ = window_->CreateScrollBar(platform::scrollaxis::vertical);
    hscroll_ = window_->CreateScrollBar(platform::scrollaxis::horizontal);
    statusbar_ = window_->CreateStatusBar();
    statusbar_->SetPanels({70, 70, 80, 60, 80}, 4);
    window_->SetMenuBar(&menu_->Bar());
    for (platform::filedialog* dialog : {&opendialog_, &savedialog_}) dialog->filter = FileFilter;
    opendialog_.title = OpenDialogTitle;
    savedialog_.title = SaveDialogTitle;
    savedialog_.save = true;
    // Files dropped from the shell open here.
    window_->AcceptDroppedFiles(true);
    // Empty places for the recent files until the state file gives the list.
    state_.recent.assign(static_cast<size_t>(Settings().MaxRecentListLen), std::string());
    state_.positions.assign(state_.recent.size(), recentposition{});
    Layout(window_->ClientSize());
    platform::SetOutOfMemoryHandler([this] { OnOutOfMemory(); });
}

Tform1::~Tform1() {
    platform::SetOutOfMemoryHandler(nullptr);
    window_->Disconnect();
}

std::unique_ptr<vwgif> Tform1::MakeView() {
    auto view = std::make_unique<vwgif>(bitmap_->Canvas(), system_);
    view->SetApplication(app_, window_.get());
    view->SetPopups(popups_);
    view->SetCharMap(charmap_);
    // The view changed its layout on its own (the column count): the bars and the picture follow.
    view->onrefresh = [this] { ViewActionDone(false); };
    view->onnavigatorclosed = [this] {
        for (tmnitem* item : viewactions_->Items())
            if (item->Tag() == vwstruct::NavigatorAction) item->SetChecked(false);
    };
    return view;
}

void Tform1::SetModified(bool modified) {
    if (modified == modified_) return;
    modified_ = modified;
    const std::string caption = window_->Caption();
    if (modified)
        window_->SetCaption("* " + caption);
    else if (!caption.empty() && caption.front() == '*')
        window_->SetCaption(caption.substr(std::min<size_t>(2, caption.size())));
}

int32_t Tform1::StatusHeight() const { return statusbar_->Visible() ? StatusBarHeight : 0; }

void Tform1::Layout(platform::extent client) {
    const settingvalues& settings = Settings();
    const int32_t status = StatusHeight();
    marginx_ = EffectiveMargin(client.width - ScrollBarSize, settings.OtstupX);
    marginy_ = EffectiveMargin(std::max(0, client.height - ScrollBarSize - status), settings.OtstupY);
    const platform::extent picture{std::max(0, client.width - ScrollBarSize),
                                   std::max(0, client.height - ScrollBarSize - status)};
    bitmap_->SetSize(picture);
    hscroll_->Place({0, picture.height, picture.width, picture.height + ScrollBarSize});
    vscroll_->Place({picture.width, 0, picture.width + ScrollBarSize, picture.height});
    statusbar_->Place({0, client.height - StatusBarHeight, client.width, client.height});
    // Without the status bar and its grip, the corner between the bars sizes the window.
    window_->SetSizeGrip(statusbar_->Visible() ? platform::rect{}
                                               : platform::rect{picture.width, picture.height,
                                                                picture.width + ScrollBarSize,
                                                                picture.height + ScrollBarSize});
    vscroll_->SetSteps(vscroll_->SmallChange(), RoundHalfEven(0.8 * client.height));
    hscroll_->SetSteps(hscroll_->SmallChange(), RoundHalfEven(0.8 * client.width));

    view_->SetMargins(marginx_, marginy_);
    view_->SetClientWidth(client.width - ScrollBarSize - 2 * marginx_);
    RefreshViewActions();
    UpdateHScroll();
    view_->SetClientHeight(client.height - ScrollBarSize - 2 * marginy_ - status);
    UpdateVScroll();
    HideCaret();
    RenderView();
    window_->Invalidate();
    UpdateStatusBar();
    ToggleCaret();
}

void Tform1::RefreshViewActions() {
    for (tmnitem* item : viewactions_->Items()) {
        view_->SetupPopupItem(item->Tag(), *item);
        item->Reapply();
    }
}

void Tform1::UpdateVScroll() { UpdateScroll(platform::scrollaxis::vertical); }

void Tform1::UpdateHScroll() { UpdateScroll(platform::scrollaxis::horizontal); }

void Tform1::UpdateScroll(platform::scrollaxis axis) {
    const bool vertical = axis == platform::scrollaxis::vertical;
    platform::scrollbar& bar = vertical ? *vscroll_ : *hscroll_;
    const platform::extent client = window_->ClientSize();
    const int32_t content = vertical ? view_->ContentHeight() : view_->ContentWidth();
    const int64_t overflow = vertical ? int64_t{content} + 2 * marginy_ - client.height + StatusHeight() + ScrollBarSize
                                      : int64_t{content} + 2 * marginx_ - client.width + ScrollBarSize;
    if (overflow <= 0) {
        bar.SetPosition(0);
        bar.SetEnabled(false);
        if (vertical)
            view_->SetScrollY(0);
        else
            view_->SetScrollX(0);
        return;
    }
    bar.SetEnabled(true);
    // The view may have scrolled on its own (its caret brought into view): the bar starts there.
    const int32_t offset = vertical ? view_->ScrollY() : view_->ScrollX();
    bar.SetPosition(offset);
    const int32_t visible = vertical ? view_->ClientHeight() : view_->ClientWidth();
    bar.SetRange(content, visible);
    bar.SetSteps(view_->LineHeight(), bar.LargeChange());
    // A range that clipped the position must move the view too.
    if (bar.Position() != offset) OnScroll(axis, bar.Position());
}

void Tform1::OnScroll(platform::scrollaxis axis, int32_t position) {
    platform::scrollbar& bar = axis == platform::scrollaxis::vertical ? *vscroll_ : *hscroll_;
    position = std::clamp(position, 0, std::max(0, bar.Maximum() - bar.Page()));
    bar.SetPosition(position);
    const bool drawn = caretdrawn_;
    HideCaret();
    if (axis == platform::scrollaxis::vertical)
        view_->SetScrollY(position);
    else
        view_->SetScrollX(position);
    RenderView();
    PresentView();
    if (drawn) ToggleCaret();
}

void Tform1::SyncScrollBars() {
    for (const platform::scrollaxis axis : {platform::scrollaxis::vertical, platform::scrollaxis::horizontal}) {
        platform::scrollbar& bar = axis == platform::scrollaxis::vertical ? *vscroll_ : *hscroll_;
        const int32_t offset = axis == platform::scrollaxis::vertical ? view_->ScrollY() : view_->ScrollX();
        if (bar.Enabled() && bar.Position() != offset)
            bar.SetPosition(offset);
        else if (bar.Position() + bar.Page() > bar.Maximum())
            OnScroll(axis, bar.Position());
    }
    RenderView();
    PresentView();
}

void Tform1::OnResize(platform::extent client) { Layout(client); }

void Tform1::OnClose() { Exit(); }

void Tform1::OnTimer(int32_t id) {
    if (id == CaretTimer) ToggleCaret();
    if (id == AutoScrollTimer) AutoScroll();
}

}  // namespace quillmap
