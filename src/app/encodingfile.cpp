#include "app/encodingfile.h"

#include <array>
#include <cstdint>

#include "base/bytefile.h"

namespace quillmap {

namespace {

// Code page 866's pseudographics and the letters after them, bytes 176 to 223 and 240 to 255, as
// Windows-1251 shows them (the nearest it has).
constexpr std::array<uint8_t, 48> DosGraphics{128, 129, 130, 178, 131, 132, 133, 136, 179, 137, 138, 139,
                                              140, 141, 142, 172, 144, 145, 146, 147, 151, 134, 148, 150,
                                              187, 153, 154, 155, 156, 157, 158, 159, 163, 165, 166, 167,
                                              169, 171, 173, 174, 135, 177, 180, 181, 182, 188, 189, 190};
constexpr std::array<uint8_t, 16> DosLast{168, 184, 170, 186, 175, 191, 161, 162,
                                          176, 149, 183, 143, 185, 164, 152, 160};

// A code of more digits than this would not fit in 32 bits, which is what the file's readers
// have always taken.
constexpr size_t MaxCodeDigits = 10;

bool Blank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; }

// Reads the text from its start, line by line, never past its end.
class enctext {
public:
    explicit enctext(std::string_view text) : text_(text) {}

    // The next code, after blanks and empty lines; the rest of its line is passed over.
    std::optional<uint8_t> Code() {
        while (at_ < text_.size() && Blank(text_[at_])) Advance();
        if (!linefits_) return std::nullopt;
        bool negative = false;
        if (at_ < text_.size() && (text_[at_] == '-' || text_[at_] == '+')) {
            negative = text_[at_] == '-';
            Advance();
        }
        int64_t value = 0;
        size_t digits = 0;
        while (at_ < text_.size() && text_[at_] >= '0' && text_[at_] <= '9') {
            if (++digits > MaxCodeDigits) return std::nullopt;
            value = value * 10 + (text_[at_] - '0');
            Advance();
        }
        if (digits == 0 || value > INT32_MAX + int64_t{negative}) return std::nullopt;
        // "65abc" is no number; "65 abc" is 65 and a comment.
        if (at_ < text_.size() && !Blank(text_[at_])) return std::nullopt;
        while (at_ < text_.size() && text_[at_] != '\n') Advance();
        if (!linefits_) return std::nullopt;
        return static_cast<uint8_t>(static_cast<uint64_t>(negative ? -value : value) & 0xFF);
    }

private:
    void Advance() {
        if (text_[at_] == '\n') {
            linelength_ = 0;
        } else if (++linelength_ > MaxEncodingLineLength) {
            linefits_ = false;
        }
        ++at_;
    }

    std::string_view text_;
    size_t at_ = 0;
    size_t linelength_ = 0;
    bool linefits_ = true;
};

}  // namespace

charmaptable WindowsTable() {
    charmaptable table{};
    for (size_t b = 0; b < table.size(); ++b) table[b] = static_cast<uint8_t>(b);
    return table;
}

charmaptable DosTable() {
    charmaptable table = WindowsTable();
    for (size_t b = 128; b < 176; ++b) table[b] = static_cast<uint8_t>(b + 64);
    for (size_t b = 224; b < 240; ++b) table[b] = static_cast<uint8_t>(b + 16);
    for (size_t i = 0; i < DosGraphics.size(); ++i) table[176 + i] = DosGraphics[i];
    for (size_t i = 0; i < DosLast.size(); ++i) table[240 + i] = DosLast[i];
    return table;
}

std::optional<charmaptable> ParseEncoding(std::string_view text) {
    enctext reader(text);
    charmaptable table{};
    for (uint8_t& entry : table) {
        const std::optional<uint8_t> code = reader.Code();
        if (!code) return std::nullopt;
        entry = *code;
    }
    return table;
}

std::optional<charmaptable> ReadEncodingFile(platform::files& files, const std::string& path) {
    const std::optional<std::string> text = files.ReadSmallFile(Cp1251Path(path), MaxEncodingFileSize);
    if (!text) return std::nullopt;
    return ParseEncoding(*text);
}

}  // namespace quillmap
