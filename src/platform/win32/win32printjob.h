#pragma once

#include <memory>

#include "platform/printing.h"
#include "platform/win32/gdicanvas.h"
#include "platform/win32/winapi.h"

namespace quillmap::win32 {

// A print job on a printer DC that it owns: a job not finished is aborted when it goes.
class win32printjob final : public platform::printjob {
public:
    win32printjob(HDC printer, std::string_view title);
    ~win32printjob() override;
    win32printjob(const win32printjob&) = delete;
    win32printjob& operator=(const win32printjob&) = delete;

    platform::canvas& Canvas() override { return *canvas_; }
    platform::extent PageSize() const override;
    platform::extent DotsPerInch() const override;
    void SetOrigin(platform::point origin) override;
    void NewPage() override;
    void ClearPage() override;
    void Finish() override;

private:
    HDC dc_;
    std::unique_ptr<gdicanvas> canvas_;
    platform::point origin_;
    bool finished_ = false;
};

// The print dialog; the printer it chose is kept for the next job.
bool RunPrintDialog(platform::printrequest& request, HWND owner, HDC& printer);
bool PrinterInstalled();

}  // namespace quillmap::win32
