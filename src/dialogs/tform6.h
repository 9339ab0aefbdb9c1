#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dialogs/checkedtext.h"
#include "platform/application.h"
#include "platform/system.h"

namespace quillmap {

inline constexpr std::string_view PinnedFilesTitle = "Закреплённые файлы";
inline constexpr platform::extent PinnedFilesClient{457, 297};

// Where the parts of the pinned files dialog go, in client coordinates.
namespace pinnedfileslayout {
inline constexpr platform::rect List{8, 8, 8 + 441, 8 + 248};
inline constexpr platform::rect AddCurrent{8, 264, 8 + 121, 264 + 25};
inline constexpr platform::rect AddOther{137, 264, 137 + 121, 264 + 25};
inline constexpr platform::rect Ok{288, 264, 288 + 75, 264 + 25};
inline constexpr platform::rect Cancel{374, 264, 374 + 75, 264 + 25};
}  // namespace pinnedfileslayout

// What the main window gives the dialog each time it is shown.
struct pinnedfilesrequest {
    // The paths that have an appearance pinned to them, in their order.
    std::vector<std::string> pinned;
    // Empty for a document without a name.
    std::string documentname;
    // The list looks like the main window's drawing area.
    platform::colour background = platform::clWindow;
    platform::colour text = platform::clWindowText;
    // "Добавить другой": the file the user chose, none when they gave up.
    std::function<std::optional<std::string>()> chooseother;
};

// The pinned files dialog: the paths with a pinned appearance, each with a check mark that keeps
// it, and the buttons that add the current document or another file. Modal; made hidden at
// start-up and kept to the end.
class TForm6 final : private platform::dialogevents {
public:
    static constexpr size_t AddCurrentButton = 0;
    static constexpr size_t AddOtherButton = 1;
    static constexpr size_t OkButton = 2;
    static constexpr size_t CancelButton = 3;
    static constexpr size_t List = 0;

    TForm6(platform::application& app, platform::system& system);
    TForm6(const TForm6&) = delete;
    TForm6& operator=(const TForm6&) = delete;

    // Shows the dialog modally beside the mouse, every pinned path checked; the list as the user
    // left it on "ОК", in its order, and nothing when they cancelled.
    std::optional<std::vector<checkedtext>> Execute(pinnedfilesrequest request);

    // "Добавить текущий" and "Добавить другой".
    void Button1Click();
    void Button2Click();
    platform::dialogform& Form() { return *form_; }

private:
    void OnShow(platform::canvas&) override {}
    void OnPaint(platform::canvas&) override {}
    void OnButtonClick(size_t index) override;
    void OnKeyPress(char key) override;
    void OnClose() override;
    void OnActivate(bool) override {}
    // A path goes in checked, unless the list holds it already.
    void AddUnlessListed(const std::string& path);

    platform::system& system_;
    std::unique_ptr<platform::dialogform> form_;
    pinnedfilesrequest request_;
};

}  // namespace quillmap
