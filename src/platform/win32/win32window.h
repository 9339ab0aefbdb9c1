#pragma once

#include "platform/application.h"
#include "platform/win32/gdiobject.h"
#include "platform/win32/windowhandle.h"
#include "platform/win32/winapi.h"

namespace quillmap::win32 {

// A top-level window that passes painting, resizing and closing on to its owner's events.
// Not movable: the HWND keeps a pointer to this object.
class win32window final : public platform::window {
public:
    // Created hidden. `owner` is the window it belongs to; the main window takes none.
    win32window(const platform::formdesign& form, platform::windowevents& events, HWND owner);
    ~win32window() override;
    win32window(const win32window&) = delete;
    win32window& operator=(const win32window&) = delete;

    void SetCaption(std::string_view caption) override;
    std::string Caption() const override;
    platform::extent ClientSize() const override;
    void Show() override;
    void Hide() override;
    bool Visible() const override;
    platform::rect Bounds() const override;
    void SetBounds(const platform::rect& bounds) override;
    void Invalidate() override;
    void SetUserData(uint32_t value) override;
    std::unique_ptr<platform::scrollbar> CreateScrollBar(platform::scrollaxis axis) override;
    std::unique_ptr<platform::statusbar> CreateStatusBar() override;
    void StartTimer(int32_t id, int32_t milliseconds) override;
    void StopTimer(int32_t id) override;
    void Present(const platform::bitmap& picture, const platform::rect& area) override;
    void SetMenuBar(platform::menu* bar) override;
    void PopupMenu(platform::menu& popup, platform::point screen) override;
    void SetCursor(platform::cursorshape shape) override { cursor_ = shape; }
    void CaptureMouse(bool capture) override;
    void ShowTitleBar(bool shown) override;
    bool TitleBarShown() const override;
    void SetTopmost(bool topmost) override;
    uint32_t ShowCommand() const override;
    void SetShowCommand(uint32_t command) override;
    void AcceptDroppedFiles(bool accept) override;
    void SetSizeGrip(const platform::rect& area) override { sizegrip_ = area; }
    void Focus() override;
    std::vector<uintptr_t> LowerOwnedTopmost() override;
    void RaiseOwned(const std::vector<uintptr_t>& windows) override;
    void Disconnect() override { ready_ = false; }

    HWND Handle() const { return handle_.Get(); }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT Handle(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    // Typed characters, the mouse and the cursor; false for any other message.
    bool HandleInput(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result);
    // The frame and the shell: dropped files, the taskbar button's menu, system commands, the
    // size grip and clicks on the window while a modal one disables it; false for any other.
    bool HandleFrame(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result);

    platform::windowevents& events_;
    brushhandle background_;
    windowhandle handle_;
    platform::menu* menubar_ = nullptr;
    platform::extent minimum_;
    // Shown without being activated.
    bool popup_;
    platform::cursorshape cursor_ = platform::cursorshape::arrow;
    platform::rect sizegrip_;
    // Events reach the owner only from the end of construction until the owner disconnects or
    // destruction starts: Windows sends WM_SIZE from inside CreateWindowEx, before the owner holds
    // this window.
    bool ready_ = false;
};

}  // namespace quillmap::win32
