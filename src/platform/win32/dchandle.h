#pragma once

#include <utility>

#include "platform/win32/winapi.h"

namespace quillmap::win32 {

// Saves a DC's state (selected objects, clip, colours, modes) and puts it back when it goes.
class savedstate {
public:
    explicit savedstate(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
    savedstate(savedstate&& other) noexcept
        : dc_(std::exchange(other.dc_, nullptr)), saved_(std::exchange(other.saved_, 0)) {}
    savedstate& operator=(savedstate&& other) noexcept {
        if (this != &other) {
            Restore();
            dc_ = std::exchange(other.dc_, nullptr);
            saved_ = std::exchange(other.saved_, 0);
        }
        return *this;
    }
    savedstate(const savedstate&) = delete;
    savedstate& operator=(const savedstate&) = delete;
    ~savedstate() { Restore(); }

private:
    void Restore() {
        if (dc_ != nullptr && saved_ != 0) {
            RestoreDC(dc_, saved_);
        }
        dc_ = nullptr;
        saved_ = 0;
    }

    HDC dc_;
    int saved_;
};

// The DC of one WM_PAINT: BeginPaint on creation, EndPaint when it goes.
class paintdc {
public:
    explicit paintdc(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
    paintdc(paintdc&& other) noexcept
        : window_(std::exchange(other.window_, nullptr)),
          paint_(other.paint_),
          dc_(std::exchange(other.dc_, nullptr)) {}
    paintdc& operator=(paintdc&& other) noexcept {
        if (this != &other) {
            End();
            window_ = std::exchange(other.window_, nullptr);
            paint_ = other.paint_;
            dc_ = std::exchange(other.dc_, nullptr);
        }
        return *this;
    }
    paintdc(const paintdc&) = delete;
    paintdc& operator=(const paintdc&) = delete;
    ~paintdc() { End(); }

    HDC Get() const { return dc_; }

private:
    void End() {
        if (window_ != nullptr) {
            EndPaint(window_, &paint_);
        }
        window_ = nullptr;
        dc_ = nullptr;
    }

    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// A window's client-area DC for measuring outside WM_PAINT: GetDC on creation, ReleaseDC when it goes.
class windowdc {
public:
    explicit windowdc(HWND window) : window_(window), dc_(GetDC(window)) {}
    windowdc(windowdc&& other) noexcept
        : window_(std::exchange(other.window_, nullptr)), dc_(std::exchange(other.dc_, nullptr)) {}
    windowdc& operator=(windowdc&& other) noexcept {
        if (this != &other) {
            Release();
            window_ = std::exchange(other.window_, nullptr);
            dc_ = std::exchange(other.dc_, nullptr);
        }
        return *this;
    }
    windowdc(const windowdc&) = delete;
    windowdc& operator=(const windowdc&) = delete;
    ~windowdc() { Release(); }

    HDC Get() const { return dc_; }

private:
    void Release() {
        if (dc_ != nullptr) {
            ReleaseDC(window_, dc_);
        }
        window_ = nullptr;
        dc_ = nullptr;
    }

    HWND window_;
    HDC dc_;
};

}  // namespace quillmap::win32
