#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace quillmap {

// What "Информация о документе..." tells about the open document.
struct documentfacts {
    std::string name;            // full path, CP1251; unused for a new document
    int32_t opentime = -1;       // milliseconds the open took; −1 for a new document
    int32_t length = 0;          // bytes
    int32_t linecount = 0;
    int32_t caretline = 0;       // from 0
    int32_t caretcolumn = 0;     // from 0
    int32_t caretlinear = 0;     // the caret as one position in the text
    std::optional<int32_t> selectedlength;  // none without a selection
};

// The message's text (CP1251), sentence by sentence.
std::string DocumentInfoText(const documentfacts& facts);

}  // namespace quillmap
