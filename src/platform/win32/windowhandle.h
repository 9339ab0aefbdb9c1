#pragma once

#include <utility>

#include "platform/win32/winapi.h"

namespace quillmap::win32 {

// Owns one window and destroys it when it goes.
class windowhandle {
public:
    windowhandle() = default;
    explicit windowhandle(HWND window) : window_(window) {}
    windowhandle(windowhandle&& other) noexcept : window_(std::exchange(other.window_, nullptr)) {}
    windowhandle& operator=(windowhandle&& other) noexcept {
        if (this != &other) {
            Reset();
            window_ = std::exchange(other.window_, nullptr);
        }
        return *this;
    }
    windowhandle(const windowhandle&) = delete;
    windowhandle& operator=(const windowhandle&) = delete;
    ~windowhandle() { Reset(); }

    HWND Get() const { return window_; }
    // For a window that Windows has destroyed already (its owner went first): forget it.
    void Forget() { window_ = nullptr; }

private:
    // Forgotten before it is destroyed: the messages DestroyWindow sends may come back here.
    void Reset() {
        if (HWND window = std::exchange(window_, nullptr)) DestroyWindow(window);
    }

    HWND window_ = nullptr;
};

}  // namespace quillmap::win32
