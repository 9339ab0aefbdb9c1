#include "app/tform1.h"

#include "app/texts.h"

namespace quillmap {

namespace {

constexpr platform::extent InitialClient{792, 454};

}  // namespace

Tform1::Tform1(platform::application& app) : app_(app) {
    platform::formdesign design;
    design.caption = std::string(UntitledName) + CaptionSuffix;
    design.client = InitialClient;
    design.background = platform::clWhite;
    design.mainwindow = true;
    window_ = app_.CreateForm(design, *this);
}

void Tform1::OnPaint(platform::canvas& surface) {
    const platform::extent client = window_->ClientSize();
    surface.SetBrush(platform::clWhite);
    surface.FillRect({0, 0, client.width, client.height});
}

void Tform1::OnResize(platform::extent) { window_->Invalidate(); }

void Tform1::OnClose() { app_.Terminate(); }

}  // namespace quillmap
