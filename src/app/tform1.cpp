#include "app/tform1.h"

#include <algorithm>

#include "app/mainlayout.h"
#include "app/texts.h"
#include "base/settings.h"

namespace quillmap {

namespace {

constexpr platform::extent InitialClient{792, 454};

platform::fontspec WindowFont() {
    platform::fontspec font;
    font.face = "Lucida Console";
    font.height = -13;
    font.charset = platform::RussianCharset;
    return font;
}

std::string FileName(const std::string& path) {
    const size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

Tform1::Tform1(platform::application& app, platform::system& system) : app_(app), system_(system) {
    platform::formdesign design;
    design.caption = std::string(UntitledName) + CaptionSuffix;
    design.client = InitialClient;
    design.background = platform::clWhite;
    design.mainwindow = true;
    window_ = app_.CreateForm(design, *this);
    bitmap_ = app_.CreateBitmap(InitialClient);
    bitmap_->Canvas().SetFont(WindowFont());
    view_ = MakeView();
    Layout(window_->ClientSize());
}

std::unique_ptr<vwgif> Tform1::MakeView() { return std::make_unique<vwgif>(bitmap_->Canvas(), system_); }

void Tform1::OpenDocument(const std::string& path) {
    std::unique_ptr<vwgif> view = MakeView();
    view->LoadFromFile(path);
    view_ = std::move(view);
    window_->SetCaption(FileName(path) + CaptionSuffix);
    Layout(window_->ClientSize());
}

void Tform1::Layout(platform::extent client) {
    const settingvalues& settings = Settings();
    marginx_ = EffectiveMargin(client.width, settings.OtstupX);
    marginy_ = EffectiveMargin(std::max(0, client.height), settings.OtstupY);
    bitmap_->SetSize(client);
    view_->SetMargins(marginx_, marginy_);
    view_->SetClientWidth(client.width - 2 * marginx_);
    view_->SetClientHeight(client.height - 2 * marginy_);
    RenderView();
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

void Tform1::OnPaint(platform::canvas& surface) {
    const platform::extent size = bitmap_->Size();
    surface.CopyFrom(*bitmap_, {1, 1, size.width - 1, size.height - 1});
}

void Tform1::OnResize(platform::extent client) {
    Layout(client);
    window_->Invalidate();
}

void Tform1::OnClose() { app_.Terminate(); }

}  // namespace quillmap
