#pragma once

namespace quillmap::platform {

// A window the headless application can make the active one: a form or a dialog.
class headlessactivatable {
public:
    // The system tells the window that it became the active one or stopped being it.
    virtual void ActivationChanged(bool active) = 0;

protected:
    ~headlessactivatable() = default;
};

}  // namespace quillmap::platform
