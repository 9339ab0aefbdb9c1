#pragma once

#include <deque>
#include <functional>
#include <string>

#include "platform/application.h"
#include "platform/win32/windowhandle.h"
#include "platform/win32/winapi.h"

namespace quillmap::win32 {

// Owns the hidden application window, the owner of every form but the main one, and runs the
// message loop of the thread that made it.
class win32application final : public platform::application {
public:
    win32application();
    win32application(const win32application&) = delete;
    win32application& operator=(const win32application&) = delete;

    void MakeToolWindow() override;
    void SetTitle(std::string_view title) override;
    std::string Title() const override;
    void SetHelpFile(std::string_view path) override;
    std::string HelpFile() const override;
    std::string ProgramFolder() const override;
    std::string ExecutablePath() const override;
    std::unique_ptr<platform::window> CreateForm(const platform::formdesign& form,
                                                 platform::windowevents& events) override;
    std::unique_ptr<platform::bitmap> CreateBitmap(platform::extent size) override;
    std::unique_ptr<platform::pixelsurface> CreatePixelSurface(platform::extent size) override;
    bool ChooseFile(platform::filedialog& dialog) override;
    bool ChooseFont(platform::fontspec& font) override;
    bool ChooseColour(platform::colour& chosen, std::span<const platform::colour> custom) override;
    bool BringForwardOtherWindow(std::string_view caption, uint32_t identity, const platform::window& self) override;
    bool HasPrinter() override;
    bool ChoosePrint(platform::printrequest& request) override;
    std::unique_ptr<platform::printjob> StartPrintJob(std::string_view title) override;
    void ShowError(std::string_view text) override;
    void OpenWithShell(std::string_view target, std::string_view folder) override;
    std::unique_ptr<platform::menu> CreateMenu(platform::menukind kind) override;
    std::unique_ptr<platform::dialogform> CreateDialogForm(std::string_view caption,
                                                           platform::dialogevents& events) override;
    std::vector<std::string> FindLibraries(std::string_view folder) override;
    std::unique_ptr<platform::library> OpenLibrary(std::string_view path) override;
    bool CallGuarded(const std::function<void()>& call) override;
    void Post(std::function<void()> task) override;
    int Run() override;
    void Terminate() override;

    HWND Handle() const { return window_.Get(); }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    void RunPostedTask();

    windowhandle window_;
    // One posted message to the application window for each: whichever message loop is running,
    // the program's own or a modal one, dispatches it.
    std::deque<std::function<void()>> posted_;
    std::string helpfile_;
    // The printer the last print dialog chose, until a job takes it.
    HDC printer_ = nullptr;
};

}  // namespace quillmap::win32
