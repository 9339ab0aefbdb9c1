#include "platform/win32/win32system.h"

#include "platform/win32/winapi.h"

#include <cwchar>

#include "platform/win32/textcodec.h"

namespace quillmap::win32 {

// The default sound, as MessageBeep(0) plays it.
void win32system::Beep() { ::MessageBeep(0); }

void win32system::MessageBeep(platform::beepkind kind) { ::MessageBeep(static_cast<UINT>(kind)); }

uint32_t win32system::TickCount() { return GetTickCount(); }

char win32system::DecimalSeparator() {
    wchar_t separator[4] = {};
    if (GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, 4) < 2) return '.';
    // A separator outside ASCII (none is in use) falls back to the point.
    return separator[0] < 0x80 ? static_cast<char>(separator[0]) : '.';
}

platform::extent win32system::ScreenSize() { return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

platform::point win32system::CursorPos() {
    POINT cursor{};
    GetCursorPos(&cursor);
    return {cursor.x, cursor.y};
}

platform::rect win32system::WorkArea() {
    RECT area{};
    if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0)) {
        const platform::extent screen = ScreenSize();
        return {0, 0, screen.width, screen.height};
    }
    return {area.left, area.top, area.right, area.bottom};
}

platform::fontspec win32system::MessageBoxFont() {
    // The structure's size as this build declares it: it differs between the 32- and 64-bit
    // programs, and the system checks it.
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    platform::fontspec font;
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return font;
    const LOGFONTW& message = metrics.lfMessageFont;
    font.face = Cp1251FromWide({message.lfFaceName, wcsnlen(message.lfFaceName, LF_FACESIZE)});
    font.height = message.lfHeight;
    font.charset = message.lfCharSet;
    font.style = static_cast<uint8_t>((message.lfWeight > 500 ? platform::fsBold : 0) |
                                      (message.lfItalic ? platform::fsItalic : 0) |
                                      (message.lfUnderline ? platform::fsUnderline : 0) |
                                      (message.lfStrikeOut ? platform::fsStrikeout : 0));
    return font;
}

platform::colour win32system::ColourValue(platform::colour c) {
    return platform::IsSystemColour(c) ? GetSysColor(static_cast<int>(c & 0xFF)) : c;
}

}  // namespace quillmap::win32
