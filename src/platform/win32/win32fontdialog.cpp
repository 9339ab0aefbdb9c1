#include "platform/win32/win32fontdialog.h"

#include <commdlg.h>

#include "platform/win32/gdifont.h"

namespace quillmap::win32 {

bool RunFontDialog(platform::fontspec& font, HWND owner) {
    LOGFONTW logfont = LogFontOf(font);
    CHOOSEFONTW request{};
    request.lStructSize = sizeof request;
    request.hwndOwner = owner;
    request.lpLogFont = &logfont;
    request.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT | CF_EFFECTS;
    request.rgbColors = font.textcolour;
    if (!ChooseFontW(&request)) return false;
    font = FontSpecOf(logfont, request.rgbColors);
    return true;
}

namespace {

COLORREF Shown(platform::colour c) { return (c & 0x80000000u) ? GetSysColor(static_cast<int>(c & 0xFF)) : c; }

}  // namespace

bool RunColourDialog(platform::colour& chosen, std::span<const platform::colour> offered, HWND owner) {
    const COLORREF start = Shown(chosen);
    COLORREF custom[16];
    for (size_t i = 0; i < std::size(custom); ++i) custom[i] = i < offered.size() ? Shown(offered[i]) : RGB(255, 255, 255);
    CHOOSECOLORW request{};
    request.lStructSize = sizeof request;
    request.hwndOwner = owner;
    request.rgbResult = start;
    request.lpCustColors = custom;
    request.Flags = CC_RGBINIT;
    if (!ChooseColorW(&request)) return false;
    chosen = request.rgbResult & 0xFFFFFFu;
    return true;
}

}  // namespace quillmap::win32
