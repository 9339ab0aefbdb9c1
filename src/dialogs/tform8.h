#pragma once

#include <functional>
#include <memory>
#include <string_view>

#include "platform/application.h"
#include "platform/system.h"

namespace quillmap {

inline constexpr std::string_view AboutTitle = "О программе";
inline constexpr platform::extent AboutClient{348, 223};

// Where the parts of the about box go, in client coordinates.
namespace aboutlayout {
inline constexpr platform::point Picture{8, 4};
inline constexpr platform::rect Ok{134, 188, 134 + 75, 188 + 25};
// The texts right of the picture: the name at the top, the two blue lines under it, each centred
// in the room the picture leaves.
inline constexpr int32_t TextLeft = 121;
inline constexpr int32_t TextRight = AboutClient.width - 8;
inline constexpr int32_t NameTop = 16;
inline constexpr int32_t PurposeTop = 60;
// The two purple lines under the picture, centred on the box.
inline constexpr int32_t HistoryTop = 140;
}  // namespace aboutlayout

// The about box: the program's picture, name and version, and where GIF comes from. Modeless;
// made hidden at start-up and kept to the end. "ОК", Esc and losing activation hide it.
class TForm8 final : private platform::dialogevents {
public:
    static constexpr size_t OkButton = 0;

    TForm8(platform::application& app, platform::system& system);
    TForm8(const TForm8&) = delete;
    TForm8& operator=(const TForm8&) = delete;

    // What the main window does when the box goes; set once by it. Esc gives it the keyboard
    // back; every hiding lets it return to the topmost band when it is kept there.
    std::function<void()> focusmain;
    std::function<void()> restoretopmost;

    // "О программе...": centred over the main window's bounds, and focused.
    void Show(const platform::rect& mainwindow);
    bool Visible() const { return form_->Visible(); }

    // "ОК".
    void Button1Click() { FormDeactivate(); }
    // The picture as it is shown; none when the system could not make it.
    const platform::pixelsurface* Picture() const { return picture_.get(); }
    platform::dialogform& Form() { return *form_; }

private:
    // The picture's background takes the dialog's face colour.
    void OnShow(platform::canvas& measuring) override;
    void OnPaint(platform::canvas& surface) override;
    void OnButtonClick(size_t index) override;
    void OnKeyPress(char key) override;
    void OnClose() override { FormDeactivate(); }
    void OnActivate(bool active) override;
    // Hides the box, once for every showing: hiding it takes its activation too.
    void FormDeactivate();

    platform::system& system_;
    std::unique_ptr<platform::dialogform> form_;
    std::unique_ptr<platform::pixelsurface> picture_;
    bool shown_ = false;
};

}  // namespace quillmap
