#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

namespace quillmap {

// A document's bytes read whole through the record file; throws bytefileerror when the file
// cannot be read or is too large for 32-bit positions.
std::vector<uint8_t> LoadDocumentBytes(const std::filesystem::path& path);

// Every byte written in order and the file closed; throws bytefileerror on any failure.
void SaveDocumentBytes(const std::filesystem::path& path, std::span<const uint8_t> bytes);

}  // namespace quillmap
