#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/canvas.h"
#include "platform/geometry.h"

namespace quillmap::platform {

inline constexpr char EscapeKey = 27;

// What a dialog window tells its owner.
class dialogevents {
public:
    // Before every showing, while the window is still hidden: the owner lays the window out,
    // measuring on the surface it is given.
    virtual void OnShow(canvas& measuring) = 0;
    virtual void OnPaint(canvas& surface) = 0;
    virtual void OnButtonClick(size_t index) = 0;
    // Key preview: characters typed anywhere in the window come here before the focused control.
    virtual void OnKeyPress(char key) = 0;
    // Closed from the title bar or its system menu.
    virtual void OnClose() = 0;
    // The window became the active one, or stopped being it (also while it is being destroyed).
    virtual void OnActivate(bool active) = 0;

protected:
    ~dialogevents() = default;
};

// A dialog window with a fixed border, only the system menu in its title bar, and push buttons.
// Like a form of the platform, it carries a modal result: a modal showing ends as soon as the
// result is not 0, or when the window is destroyed.
class dialogform {
public:
    virtual ~dialogform() = default;

    // A visible push button; buttons are numbered in the order they are added, from 0.
    virtual size_t AddButton(std::string_view caption) = 0;
    virtual void SetButtonBounds(size_t index, const rect& bounds) = 0;
    // Every button shows its caption in a copy of this font.
    virtual void SetButtonFont(const fontspec& font) = 0;
    virtual void SetClientSize(extent client) = 0;
    // With the frame and the title bar.
    virtual extent WindowSize() const = 0;
    // In screen coordinates.
    virtual void MoveTo(point topleft) = 0;
    // Above every window that is not in the topmost band, without being activated.
    virtual void StayOnTop() = 0;

    // Shows the window with the first button focused and returns its modal result once that is
    // set; the other windows of the program wait meanwhile.
    virtual int32_t ShowModal() = 0;
    virtual bool ShowingModally() const = 0;
    // Shows the window without waiting, the first button focused.
    virtual void Show() = 0;
    virtual void SetModalResult(int32_t result) = 0;
    virtual int32_t ModalResult() const = 0;

    // Destroys the window; this object stays, and only reports that it is gone.
    virtual void Destroy() = 0;
    virtual bool Destroyed() const = 0;
};

}  // namespace quillmap::platform
