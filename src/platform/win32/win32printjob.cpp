#include "platform/win32/win32printjob.h"

#include <commdlg.h>
#include <winspool.h>

#include <stdexcept>
#include <string>

#include "platform/win32/textcodec.h"

namespace quillmap::win32 {

namespace {

void Check(int result, const char* what) {
    if (result <= 0) throw std::runtime_error(what);
}

}  // namespace

win32printjob::win32printjob(HDC printer, std::string_view title) : dc_(printer) {
    const std::wstring name = WideFromCp1251(title);
    DOCINFOW document{};
    document.cbSize = sizeof document;
    document.lpszDocName = name.c_str();
    if (StartDocW(dc_, &document) <= 0) {
        DeleteDC(dc_);
        throw std::runtime_error("StartDoc");
    }
    canvas_ = std::make_unique<gdicanvas>(dc_);
    if (StartPage(dc_) <= 0) {
        canvas_.reset();
        AbortDoc(dc_);
        DeleteDC(dc_);
        throw std::runtime_error("StartPage");
    }
}

win32printjob::~win32printjob() {
    canvas_.reset();
    if (!finished_) AbortDoc(dc_);
    DeleteDC(dc_);
}

platform::extent win32printjob::PageSize() const {
    return {GetDeviceCaps(dc_, HORZRES), GetDeviceCaps(dc_, VERTRES)};
}

platform::extent win32printjob::DotsPerInch() const {
    return {GetDeviceCaps(dc_, LOGPIXELSX), GetDeviceCaps(dc_, LOGPIXELSY)};
}

void win32printjob::SetOrigin(platform::point origin) {
    origin_ = origin;
    SetViewportOrgEx(dc_, origin.x, origin.y, nullptr);
}

void win32printjob::NewPage() {
    Check(EndPage(dc_), "EndPage");
    Check(StartPage(dc_), "StartPage");
    // Some drivers reset the DC's state with every page.
    SetViewportOrgEx(dc_, origin_.x, origin_.y, nullptr);
}

void win32printjob::ClearPage() {
    const platform::extent page = PageSize();
    PatBlt(dc_, -origin_.x, -origin_.y, page.width, page.height, WHITENESS);
}

void win32printjob::Finish() {
    Check(EndPage(dc_), "EndPage");
    Check(EndDoc(dc_), "EndDoc");
    finished_ = true;
}

bool RunPrintDialog(platform::printrequest& request, HWND owner, HDC& printer) {
    PRINTDLGW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.Flags = PD_RETURNDC | PD_COLLATE | PD_SHOWHELP;
    dialog.nFromPage = 1;
    dialog.nToPage = 100;
    dialog.nMinPage = 1;
    dialog.nMaxPage = 65535;  // the dialog's own limit for page numbers
    dialog.nCopies = 1;
    if (!PrintDlgW(&dialog)) return false;
    if (dialog.hDevMode) GlobalFree(dialog.hDevMode);
    if (dialog.hDevNames) GlobalFree(dialog.hDevNames);
    printer = dialog.hDC;
    request.pagerange = (dialog.Flags & PD_PAGENUMS) != 0;
    request.frompage = dialog.nFromPage;
    request.topage = dialog.nToPage;
    return printer != nullptr;
}

bool PrinterInstalled() {
    DWORD needed = 0;
    DWORD count = 0;
    EnumPrintersW(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, 4, nullptr, 0, &needed, &count);
    return needed > 0;
}

}  // namespace quillmap::win32
