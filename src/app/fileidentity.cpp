#include "app/fileidentity.h"

namespace quillmap {

namespace {

constexpr std::string_view::size_type ChunkLength = 8;

}  // namespace

uint32_t FileIdentity(std::string_view path) {
    uint32_t identity = 0;
    for (std::string_view::size_type start = 0; start < path.size(); start += ChunkLength) {
        uint32_t chunk = 0;
        // Rotated rather than shifted, so that the first characters of a chunk still count:
        // shifted, "C:\\a\\x.gif" and "C:\\b\\x.gif" would be the same file.
        for (const char c : path.substr(start, ChunkLength))
            chunk = ((chunk << 8) | (chunk >> 24)) + static_cast<uint8_t>(c);
        identity = 3 * identity + chunk;
    }
    return identity;
}

}  // namespace quillmap
