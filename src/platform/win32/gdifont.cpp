#include "platform/win32/gdifont.h"

#include <algorithm>
#include <string>

#include "platform/win32/textcodec.h"

namespace quillmap::win32 {

fonthandle MakeFont(const platform::fontspec& font) {
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
    return fonthandle(CreateFontIndirectW(&logfont));
}

}  // namespace quillmap::win32
