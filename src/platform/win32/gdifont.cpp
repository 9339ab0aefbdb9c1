#include "platform/win32/gdifont.h"

#include <algorithm>
#include <string>

#include "platform/win32/textcodec.h"

namespace quillmap::win32 {

LOGFONTW LogFontOf(const platform::fontspec& font) {
    LOGFONTW logfont{};
    logfont.lfHeight = font.height;
    logfont.lfWeight = (font.style & platform::fsBold) != 0 ? FW_BOLD : FW_NORMAL;
    logfont.lfItalic = (font.style & platform::fsItalic) != 0;
    logfont.lfUnderline = (font.style & platform::fsUnderline) != 0;
    logfont.lfStrikeOut = (font.style & platform::fsStrikeout) != 0;
    logfont.lfCharSet = font.charset;
    logfont.lfOutPrecision = OUT_DEFAULT_PRECIS;
    logfont.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    logfont.lfQuality = DEFAULT_QUALITY;
    logfont.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    const std::wstring face = WideFromCp1251(font.face);
    // The last place stays the terminating zero; longer names are cut as GDI would.
    std::copy_n(face.begin(), std::min<size_t>(face.size(), LF_FACESIZE - 1), logfont.lfFaceName);
    return logfont;
}

platform::fontspec FontSpecOf(const LOGFONTW& logfont, platform::colour textcolour) {
    platform::fontspec font;
    font.face = Cp1251FromWide({logfont.lfFaceName, wcsnlen(logfont.lfFaceName, LF_FACESIZE)});
    font.height = logfont.lfHeight;
    font.charset = logfont.lfCharSet;
    font.style = static_cast<uint8_t>((logfont.lfWeight >= FW_BOLD ? platform::fsBold : 0) |
                                      (logfont.lfItalic ? platform::fsItalic : 0) |
                                      (logfont.lfUnderline ? platform::fsUnderline : 0) |
                                      (logfont.lfStrikeOut ? platform::fsStrikeout : 0));
    font.textcolour = textcolour;
    return font;
}

fonthandle MakeFont(const platform::fontspec& font) {
    const LOGFONTW logfont = LogFontOf(font);
    return fonthandle(CreateFontIndirectW(&logfont));
}

}  // namespace quillmap::win32
