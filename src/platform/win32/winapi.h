#pragma once

// The Windows API as the backend's sources see it.

// Our interfaces come first: <windows.h> defines macros (DEFAULT_CHARSET, RUSSIAN_CHARSET,
// TextOut) that would rewrite names platform/canvas.h declares. Once it has been read, its
// include guard keeps it from being read again after the macros exist.
#include "platform/canvas.h"

#include <windows.h>

// Our canvas has a method of this name; the wide function is always called by its full name.
#undef TextOut
