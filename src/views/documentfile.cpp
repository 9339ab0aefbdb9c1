#include "views/documentfile.h"

#include "base/bytefile.h"
#include "base/safewrite.h"

namespace quillmap {

std::vector<uint8_t> LoadDocumentBytes(const std::filesystem::path& path) {
    bytefile file(path, bytefile::openmode::reading);
    std::vector<uint8_t> bytes(static_cast<size_t>(file.Size()));
    for (uint8_t& byte : bytes) byte = file.ReadByte();
    file.Close();
    return bytes;
}

void SaveDocumentBytes(platform::files& files, const std::filesystem::path& path, std::span<const uint8_t> bytes) {
    WriteReplacing(files, path, [bytes](const std::filesystem::path& temporary) {
        bytefile file(temporary, bytefile::openmode::writing);
        for (const uint8_t byte : bytes) file.WriteByte(byte);
        file.Close();
    });
}

}  // namespace quillmap
