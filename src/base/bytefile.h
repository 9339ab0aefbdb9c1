#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/canvas.h"

namespace quillmap {

// What went wrong with a record file; the message is CP1251 text for the user.
enum class bytefilefault : uint8_t {
    cannotopen,      // the file to read is missing or may not be read
    cannotcreate,    // the file to write could not be created or emptied
    toolarge,        // offsets are 32-bit: the file is, or would grow, past 2 GiB - 1
    readonly,        // a write into a file opened for reading
    writefailed,     // the buffer could not be written back
    closefailed,     // the file could not be closed cleanly
    closed,          // a read or write after Close
    replacefailed,   // a file written in full could not take the place of the old one
    writeprotected,  // the file is read-only and may not be saved over
};

class bytefileerror : public std::runtime_error {
public:
    // With the fault's own message.
    explicit bytefileerror(bytefilefault fault);
    bytefilefault Fault() const { return fault_; }

private:
    bytefilefault fault_;
};

// The program keeps paths as CP1251 text; the file system wants them as paths.
std::filesystem::path Cp1251Path(std::string_view text);

// Opens the file for reading and closes it again; throws bytefileerror (cannotopen) when it
// cannot be read at all. Unlike the record file it does not mind the file's size: a file too
// large to load is still one the user may be told about by name.
void TestReadable(const std::filesystem::path& path);

// A buffered binary record file: data.dat and documents are read and written through it.
// Reading past the data gives zero bytes; write failures throw bytefileerror, at the latest
// from Close, which is the call that reports them. The destructor closes what Close did not,
// but has nowhere to report a failure, so writers call Close.
class bytefile {
public:
    enum class openmode : uint8_t { reading, writing };

    static constexpr int32_t BufferSize = 2048;

    bytefile(const std::filesystem::path& path, openmode mode);
    ~bytefile();
    bytefile(const bytefile&) = delete;
    bytefile& operator=(const bytefile&) = delete;

    uint8_t ReadByte();
    bool ReadBool();
    int32_t ReadInt32();
    double ReadReal();
    std::string ReadString();
    platform::fontspec ReadFont();

    void WriteByte(uint8_t value);
    void WriteBool(bool value);
    void WriteInt32(int32_t value);
    void WriteReal(double value);
    void WriteString(std::string_view value);
    void WriteFont(const platform::fontspec& font);

    // Nothing left in the buffer and the file ends where the buffer ends.
    bool AtEnd() const;
    // The larger of the largest file size seen and the absolute position.
    int32_t Size() const;
    // File offset of the next byte.
    int32_t Position() const { return absolute_; }

    // Writes a changed buffer back and closes the file; throws when either fails.
    void Close();

private:
    int32_t BufferStart() const { return absolute_ - position_; }
    // The end of the bytes known to exist, in the file or in the buffer.
    int32_t DataEnd() const;
    void CheckOpen() const;
    void Turnover();
    bool WriteBack();
    void FillFrom(int32_t start);

    std::filebuf file_;
    openmode mode_;
    bool open_ = false;
    std::array<uint8_t, BufferSize> buffer_{};
    int32_t fill_ = 0;
    int32_t position_ = 0;
    int32_t absolute_ = 0;
    int32_t size_ = 0;
    bool dirty_ = false;
};

}  // namespace quillmap
