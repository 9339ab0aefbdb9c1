#include "message.h"

#include <windows.h>

/* Windows-1251 (the plug-in interface's and these sources' code page) to UTF-16, so that the
   Russian text reads right whatever the system's own code page is. */
static void widen(const char *text, wchar_t *wide, int capacity)
{
    int length = MultiByteToWideChar(1251, 0, text, -1, wide, capacity);
    if (length == 0)
        wide[capacity - 1] = 0; /* too long: MultiByteToWideChar filled the buffer unterminated */
}

void show_message(const char *title, const char *text)
{
    static wchar_t wide_title[256];
    static wchar_t wide_text[8192];
    widen(title, wide_title, 256);
    widen(text, wide_text, 8192);
    /* The plug-in runs on the program's window thread: its active window owns the box. */
    MessageBoxW(GetActiveWindow(), wide_text, wide_title, MB_OK | MB_ICONINFORMATION);
}
