#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "platform/files.h"
#include "views/vwcommon.h"

namespace quillmap {

// Bytes as they are: Windows-1251.
charmaptable WindowsTable();
// Bytes read as code page 866, shown as their Windows-1251 counterparts.
charmaptable DosTable();

// An ".enc" file is read whole, and only when it is this small: 256 short lines fit many times
// over, and a file that is not an encoding cannot keep the program busy.
inline constexpr size_t MaxEncodingFileSize = 64 * 1024;
// A line longer than this is no line of an encoding.
inline constexpr size_t MaxEncodingLineLength = 512;

// The text of an ".enc" file: line b + 1 begins with the decimal code shown for byte b, after
// blanks, the rest of the line being a comment; each code keeps its low 8 bits. Nothing when
// 256 codes are not all there, a code is not a whole decimal number of at most ten digits, or a
// line is too long.
std::optional<charmaptable> ParseEncoding(std::string_view text);

// The ".enc" file at a CP1251 path, read as ParseEncoding says; nothing when it is not a plain
// file of at most MaxEncodingFileSize bytes.
std::optional<charmaptable> ReadEncodingFile(platform::files& files, const std::string& path);

}  // namespace quillmap
