#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "platform/application.h"
#include "platform/system.h"

namespace quillmap {

class vwstruct;

// Where the parts of the column-count window go, in client coordinates.
struct stolboklayout {
    platform::extent client;
    // The text height of the first line: the second is written that much lower.
    int32_t textheight = 0;
    platform::rect minus;
    platform::rect edit;
    platform::rect plus;
    platform::rect done;
};

inline constexpr std::string_view ColumnWindowTitle = "Число столбцов";
inline constexpr std::string_view ColumnWindowLine1 = "Число столбцов в редакторе";
inline constexpr std::string_view ColumnWindowLine2 = "будет равно...";
inline constexpr platform::point ColumnWindowTextAt{10, 4};

// Lays the window out in the font the surface has.
stolboklayout LayOutColumnWindow(platform::canvas& measuring);

// The top left corner of a window of the given outer size shown at the mouse: centred across
// the pointer with its top there, kept inside the screen's width, and above the pointer when it
// would reach below the work area.
platform::point PlaceColumnWindow(platform::point mouse, platform::extent window, platform::extent screen,
                                  const platform::rect& workarea);

// The number typed in the edit box; what does not read as a whole number counts as 0.
int32_t ReadColumnNumber(std::string_view text);

// The small window that sets the structure view's codes per row: an edit box between "-" and
// "+" buttons, and "Готово". The view makes it on first use and owns it; hidden, it stays for
// the next use.
class stolbokno final : private platform::dialogevents {
public:
    static constexpr size_t MinusButton = 0;
    static constexpr size_t PlusButton = 1;
    static constexpr size_t DoneButton = 2;
    static constexpr size_t CountEdit = 0;

    stolbokno(platform::application& app, platform::system& system, vwstruct& view);
    stolbokno(const stolbokno&) = delete;
    stolbokno& operator=(const stolbokno&) = delete;

    // At the mouse, the count shown afresh, the keyboard in the edit box.
    void Show();
    void Hide() { form_->Hide(); }
    // The edit box shows the view's column count.
    void ShowCount();

    platform::dialogform& Form() { return *form_; }
    const stolboklayout& Layout() const { return layout_; }

private:
    void OnShow(platform::canvas& measuring) override;
    void OnPaint(platform::canvas& surface) override;
    void OnButtonClick(size_t index) override;
    void OnKeyPress(char key) override { Key(key); }
    bool OnEditKey(size_t, char key) override { return Key(key); }
    void OnClose() override { Hide(); }
    void OnActivate(bool active) override;
    // The keys are the same in the edit box and anywhere in the window; true for those used.
    bool Key(char key);
    int32_t Typed() const;

    platform::system& system_;
    vwstruct& view_;
    platform::fontspec font_;
    stolboklayout layout_;
    std::unique_ptr<platform::dialogform> form_;
};

}  // namespace quillmap
