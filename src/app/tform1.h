#pragma once

#include <memory>

#include "platform/application.h"

namespace quillmap {

// The main window: lives from start to end of the program.
class Tform1 final : public platform::windowevents {
public:
    explicit Tform1(platform::application& app);

    platform::window& Window() { return *window_; }

    void OnPaint(platform::canvas& surface) override;
    void OnResize(platform::extent client) override;
    void OnClose() override;

private:
    platform::application& app_;
    std::unique_ptr<platform::window> window_;
};

}  // namespace quillmap
