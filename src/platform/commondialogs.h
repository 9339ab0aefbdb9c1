#pragma once

#include <cstdint>
#include <string>

namespace quillmap::platform {

// The system's open and save dialogs. Texts are CP1251; the filter is "name|pattern|name|pattern".
struct filedialog {
    std::string title;        // empty: the system's own
    std::string filter;
    int32_t filterindex = 1;  // counted from 1, as the system does
    std::string filename;     // in: the name offered; out: the name chosen, '?' for a character
                              // with no CP1251 form
    std::string folder;       // where the dialog starts
    bool save = false;        // a save dialog asks before overwriting and hides read-only files
};

}  // namespace quillmap::platform
