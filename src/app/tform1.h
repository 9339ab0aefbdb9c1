#pragma once

#include <memory>
#include <string>

#include "platform/application.h"
#include "platform/bitmap.h"
#include "platform/system.h"
#include "views/vwgif.h"

namespace quillmap {

// The main window: lives from start to end of the program. It draws its view into an off-screen
// picture and copies that to the screen.
class Tform1 final : public platform::windowevents {
public:
    Tform1(platform::application& app, platform::system& system);

    platform::window& Window() { return *window_; }
    vwgif& View() { return *view_; }
    platform::bitmap& Picture() { return *bitmap_; }

    // Shows the file in a new view. Throws bytefileerror when it cannot be read; the window then
    // keeps the document it had.
    void OpenDocument(const std::string& path);

    void OnPaint(platform::canvas& surface) override;
    void OnResize(platform::extent client) override;
    void OnClose() override;

private:
    // Margins, the picture's size and the view's visible size follow the client area.
    void Layout(platform::extent client);
    // The background, then the view inside the margins.
    void RenderView();
    std::unique_ptr<vwgif> MakeView();

    platform::application& app_;
    platform::system& system_;
    std::unique_ptr<platform::window> window_;
    std::unique_ptr<platform::bitmap> bitmap_;
    std::unique_ptr<vwgif> view_;
    int32_t marginx_ = 0;
    int32_t marginy_ = 0;
};

}  // namespace quillmap
