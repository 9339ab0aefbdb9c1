#include "app/tform1.h"

#include <algorithm>

#include "app/mainlayout.h"
#include "app/statusbartexts.h"
#include "app/texts.h"
#include "base/rounding.h"
#include "base/settings.h"

namespace quillmap {

namespace {

constexpr platform::extent InitialClient{792, 454};
// The user may make the window small, but never smaller than this.
constexpr platform::extent MinimumSize{100, 100};

platform::fontspec WindowFont() {
    platform::fontspec font;
    font.face = "Lucida Console";
    font.height = -13;
    font.charset = platform::RussianCharset;
    return font;
}

platform::rect Intersection(const platform::rect& a, const platform::rect& b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
}

}  // namespace

Tform1::Tform1(platform::application& app, platform::system& system) : app_(app), system_(system) {
    // The picture, its view and the menus come before the window: setting the menu bar resizes
    // the window at once, and the layout that follows needs all of them.
    bitmap_ = app_.CreateBitmap(InitialClient);
    bitmap_->Canvas().SetFont(WindowFont());
    view_ = MakeView();
    menu_ = std::make_unique<mainmenu>(app_, MenuHandlers(), Settings().SaveOnF2);
    menu_->Print().SetEnabled(app_.HasPrinter());
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
    Layout(window_->ClientSize());
}

Tform1::~Tform1() { window_->Disconnect(); }

std::unique_ptr<vwgif> Tform1::MakeView() { return std::make_unique<vwgif>(bitmap_->Canvas(), system_); }

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
    vscroll_->SetSteps(vscroll_->SmallChange(), RoundHalfEven(0.8 * client.height));
    hscroll_->SetSteps(hscroll_->SmallChange(), RoundHalfEven(0.8 * client.width));

    view_->SetMargins(marginx_, marginy_);
    view_->SetClientWidth(client.width - ScrollBarSize - 2 * marginx_);
    UpdateHScroll();
    view_->SetClientHeight(client.height - ScrollBarSize - 2 * marginy_ - status);
    UpdateVScroll();
    HideCaret();
    RenderView();
    window_->Invalidate();
    UpdateStatusBar();
    ToggleCaret();
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
    const int32_t offset = vertical ? view_->ScrollY() : view_->ScrollX();
    if (content < bar.Position()) bar.SetPosition(offset);
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

void Tform1::RenderView() {
    platform::canvas& canvas = bitmap_->Canvas();
    const platform::extent size = bitmap_->Size();
    canvas.SetBrush(platform::clWhite);
    canvas.FillRect({0, 0, size.width, size.height});
    canvas.SetClipRect({marginx_, marginy_, size.width - marginx_, size.height - marginy_});
    view_->Paint();
    canvas.ClearClip();
}

void Tform1::PresentView() {
    const platform::extent size = bitmap_->Size();
    window_->Present(*bitmap_, {1, 1, size.width - 1, size.height - 1});
}

void Tform1::HideCaret() {
    if (caretdrawn_) ToggleCaret();
}

void Tform1::ToggleCaret() {
    if (!painted_) return;
    DrawCaret();
    caretdrawn_ = !caretdrawn_;
    if (statusbar_->Visible()) UpdateStatusBar();
}

void Tform1::UpdateStatusBar() {
    const textpos caret = view_->Caret();
    const textpos anchor = view_->Anchor();
    statusbar_->SetText(0, PositionPanelText(caret.line, caret.column));
    statusbar_->SetText(1, view_->HasSelection() ? PositionPanelText(anchor.line, anchor.column) : std::string());
    statusbar_->SetText(2, LineCountPanelText(view_->LineCount()));
    statusbar_->SetText(3, ModePanelText(view_->InsertMode()));
    statusbar_->SetText(4, OpenTimePanelText(opentime_));
}

void Tform1::DrawCaret() {
    platform::canvas& canvas = bitmap_->Canvas();
    const platform::extent size = bitmap_->Size();
    const platform::point at = view_->CaretPixels();
    const int32_t height = view_->LineHeight();
    const platform::rect bounds = view_->DrawingBounds();
    const platform::rect clip = Intersection(
        {marginx_ - 1, marginy_ - 1, size.width - marginx_, size.height - marginy_},
        {bounds.left + marginx_, bounds.top + marginy_, bounds.right + marginx_, bounds.bottom + marginy_});
    if (clip.left >= clip.right || clip.top >= clip.bottom) return;

    const platform::penspec pen = canvas.Pen();
    canvas.SetClipRect(clip);
    canvas.SetPen({platform::clBlack, 1, platform::penmode::invert});
    platform::rect touched;
    if (view_->InsertMode()) {
        // A bar two pixels wide.
        const platform::point bar[] = {{at.x, at.y}, {at.x, at.y + height}, {at.x - 1, at.y + height}, {at.x - 1, at.y - 1}};
        canvas.Polyline(bar);
        touched = {at.x - 1, at.y - 1, at.x + 1, at.y + height + 1};
    } else {
        // A band under the character it would replace.
        const std::string under = view_->CharNearCaret(true);
        const int32_t width = canvas.TextExtent(under.empty() ? std::string_view(" ") : std::string_view(under)).width;
        for (int32_t y = at.y + height - 4; y < at.y + height - 1; ++y) {
            const platform::point row[] = {{at.x, y}, {at.x + width, y}};
            canvas.Polyline(row);
        }
        touched = {at.x, at.y + height - 4, at.x + width, at.y + height - 1};
    }
    canvas.SetPen(pen);
    canvas.ClearClip();
    const platform::rect shown = Intersection(touched, clip);
    if (shown.left < shown.right && shown.top < shown.bottom) window_->Present(*bitmap_, shown);
}

void Tform1::OnPaint(platform::canvas& surface) {
    const platform::extent size = bitmap_->Size();
    const platform::extent client = window_->ClientSize();
    surface.CopyFrom(*bitmap_, {1, 1, size.width - 1, size.height - 1});
    surface.SetPen({platform::clBtnShadow, 1});
    const platform::point edge[] = {{client.width, 0}, {0, 0}, {0, client.height}};
    surface.Polyline(edge);
    // The square between the two bars: plain beside the status bar, a size grip without it.
    const platform::rect corner{size.width, size.height, size.width + ScrollBarSize, size.height + ScrollBarSize};
    if (statusbar_->Visible()) {
        surface.SetBrush(platform::clBtnFace);
        surface.FillRect(corner);
    } else {
        surface.DrawSizeGrip(corner);
    }
    if (!painted_) {
        painted_ = true;
        view_->CalcCaretPixels();
    }
}

void Tform1::OnResize(platform::extent client) { Layout(client); }

void Tform1::OnClose() { Exit(); }

void Tform1::OnActivate(bool active) {
    if (active) {
        if (!caretdrawn_) ToggleCaret();
        window_->StartTimer(CaretTimer, CaretBlink);
    } else {
        HideCaret();
        window_->StopTimer(CaretTimer);
        menu_->ClearEditShortcuts();
    }
}

void Tform1::OnEnterMenuLoop() { menu_->RestoreEditShortcuts(); }

void Tform1::BeginDialog() { OnActivate(false); }

void Tform1::EndDialog() { OnActivate(true); }

void Tform1::OnTimer(int32_t id) {
    if (id == CaretTimer) ToggleCaret();
    if (id == AutoScrollTimer) AutoScroll();
}

}  // namespace quillmap
