#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dialogs/checkedtext.h"
#include "platform/application.h"
#include "platform/system.h"

namespace quillmap {

inline constexpr std::string_view ExtensionsTitle = "Расширения";
inline constexpr platform::extent ExtensionsClient{265, 297};
inline constexpr std::string_view NewExtensionTitle = "Ввод нового расширения";
inline constexpr std::string_view NewExtensionPrompt = "Введите расширение, которое хотите Добавить в список.";
inline constexpr std::string_view SystemExtensionMessage =
    "Это расширение очень важно для системы. И если я закреплюсь за ним, то это может привести к её краху. Так "
    "что я рисковать не буду.";

// Where the parts of the extensions dialog go, in client coordinates.
namespace extensionslayout {
inline constexpr platform::rect List{8, 8, 8 + 249, 8 + 248};
inline constexpr platform::rect Add{8, 264, 8 + 81, 264 + 25};
inline constexpr platform::rect Ok{97, 264, 97 + 75, 264 + 25};
inline constexpr platform::rect Cancel{182, 264, 182 + 75, 264 + 25};
}  // namespace extensionslayout

// What the main window gives the dialog each time it is shown.
struct extensionsrequest {
    // The associated extensions, checked when the program still opens them.
    std::vector<checkedtext> rows;
    // The list looks like the main window's drawing area.
    platform::colour background = platform::clWindow;
    platform::colour text = platform::clWindowText;
};

// The extensions dialog: the extensions the program opens, each with a check mark that keeps it,
// and "Добавить..." for another. Modal, beside the mouse; made hidden at start-up and kept to the end.
class TForm5 final : private platform::dialogevents {
public:
    static constexpr size_t AddButton = 0;
    static constexpr size_t OkButton = 1;
    static constexpr size_t CancelButton = 2;
    static constexpr size_t List = 0;

    TForm5(platform::application& app, platform::system& system);
    TForm5(const TForm5&) = delete;
    TForm5& operator=(const TForm5&) = delete;

    // The rows as the user left them at "ОК", in their order; nothing when they cancelled.
    std::optional<std::vector<checkedtext>> Execute(const extensionsrequest& request);

    // "Добавить...": an extension typed into an input box is checked, appended when new.
    void Button1Click();
    platform::dialogform& Form() { return *form_; }

private:
    void OnShow(platform::canvas&) override {}
    void OnPaint(platform::canvas&) override {}
    void OnButtonClick(size_t index) override;
    void OnKeyPress(char key) override;
    void OnClose() override;
    void OnActivate(bool) override {}

    platform::application& app_;
    platform::system& system_;
    std::unique_ptr<platform::dialogform> form_;
};

}  // namespace quillmap
