#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

#include "platform/files.h"

namespace quillmap {

// A document's bytes read whole through the record file; throws bytefileerror when the file
// cannot be read, or with toolarge, before a byte is read, when it is too large for 32-bit
// positions.
std::vector<uint8_t> LoadDocumentBytes(const std::filesystem::path& path);

// Every byte written in order into a new file that then takes the place of the old one; throws
// bytefileerror on any failure, and the old file is then as it was.
void SaveDocumentBytes(platform::files& files, const std::filesystem::path& path, std::span<const uint8_t> bytes);

}  // namespace quillmap
