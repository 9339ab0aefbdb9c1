#pragma once

#include <string>

#include "gif/gifdocument.h"

namespace quillmap {

// Decodes the number-th image block (from 1) and writes it as a binary PPM; prints the decode
// status. False, with a message on stderr, when there is no such image or the file cannot be written.
bool WriteImage(gifdocument& document, long number, const std::string& path);

}  // namespace quillmap
