#pragma once

// The plug-in kit's declarations as the program sees them: it calls the entry points that
// libraries define, and defines the services they call.
#define QUILLMAP_HOST
#include "quillmap_plugin.h"
