#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "dialogs/switcherlayout.h"
#include "platform/application.h"
#include "platform/system.h"

namespace quillmap {

// The recent-files switcher: a borderless list over the main window while the user holds Ctrl
// and presses Tab. The main window moves its selection and, when Ctrl goes up, opens the file
// selected. Made hidden at start-up; it never takes the activation.
class TForm13 final : private platform::windowevents {
public:
    static constexpr platform::colour FrameColour = platform::Rgb(192, 192, 192);
    static constexpr platform::colour SelectedBackground = platform::Rgb(0, 0, 128);
    static constexpr platform::colour SelectedText = platform::Rgb(255, 255, 0);

    TForm13(platform::application& app, platform::system& system);
    ~TForm13();
    TForm13(const TForm13&) = delete;
    TForm13& operator=(const TForm13&) = delete;

    // Lays out the recent files (full paths, most recent first) and the current document's path
    // over the main window, selects the first row and shows the list.
    void FormShow(const std::vector<std::string>& recent, const std::string& current,
                  const platform::rect& mainwindow);
    void Hide() { window_->Hide(); }
    bool Visible() const { return window_->Visible(); }
    // The next row, or the one before; past either end round to the other.
    void Step(bool backward);
    int32_t SelectedIndex() const { return selected_; }
    int32_t EntryCount() const { return static_cast<int32_t>(layout_.rows.size()); }
    // The selection is the extra last row that stands for a current document not in the list.
    bool SelectedIsUnlistedCurrent() const;
    const switcherlayout& Layout() const { return layout_; }
    platform::window& Window() const { return *window_; }

private:
    void OnPaint(platform::canvas& surface) override;
    void OnResize(platform::extent) override {}
    void OnClose() override { Hide(); }

    platform::system& system_;
    platform::fontspec font_;
    std::unique_ptr<platform::bitmap> measuring_;
    std::unique_ptr<platform::window> window_;
    switcherlayout layout_;
    int32_t selected_ = 0;
};

}  // namespace quillmap
