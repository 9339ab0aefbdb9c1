#pragma once

#include <utility>

#include "platform/win32/winapi.h"

namespace quillmap::win32 {

// Owns one GDI object (font, pen, brush, region) and deletes it. Whoever selected it into a DC
// must select it out before this goes.
template <typename handle>
class gdiobject {
public:
    gdiobject() = default;
    explicit gdiobject(handle object) : object_(object) {}
    gdiobject(gdiobject&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
    gdiobject& operator=(gdiobject&& other) noexcept {
        if (this != &other) {
            Reset();
            object_ = std::exchange(other.object_, nullptr);
        }
        return *this;
    }
    gdiobject(const gdiobject&) = delete;
    gdiobject& operator=(const gdiobject&) = delete;
    ~gdiobject() { Reset(); }

    handle Get() const { return object_; }
    explicit operator bool() const { return object_ != nullptr; }

private:
    void Reset() {
        if (object_ != nullptr) {
            DeleteObject(object_);
            object_ = nullptr;
        }
    }

    handle object_ = nullptr;
};

using fonthandle = gdiobject<HFONT>;
using penhandle = gdiobject<HPEN>;
using brushhandle = gdiobject<HBRUSH>;
using bitmaphandle = gdiobject<HBITMAP>;

}  // namespace quillmap::win32
