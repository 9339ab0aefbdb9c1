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

}  // namespace quillmap::win32
