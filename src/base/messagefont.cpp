#include "base/messagefont.h"

#include "base/settings.h"

namespace quillmap {

platform::fontspec MessageFont() {
    const settingvalues& s = Settings();
    platform::fontspec font;
    font.face = s.TextFont;
    font.height = s.TextSize;
    // The messages are Russian: the Cyrillic face is asked for whatever the system's code page.
    font.charset = platform::RussianCharset;
    // The settings keep the style bits in the order of a font's style byte.
    font.style = s.TextStyle;
    font.textcolour = s.TextColor;
    return font;
}

}  // namespace quillmap
