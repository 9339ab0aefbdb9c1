#include "base/bytefile.h"

#include <algorithm>
#include <bit>
#include <limits>

#include "base/cp1251.h"

namespace quillmap {

namespace {

constexpr int32_t LargestOffset = std::numeric_limits<int32_t>::max();
// A buffer that does not go back to the file whole is tried again, then given up.
constexpr int WriteAttempts = 5;

const std::streampos BadPosition = std::streampos(std::streamoff(-1));

const char* MessageOf(bytefilefault fault) {
    switch (fault) {
        case bytefilefault::cannotopen: return "Файл не удалось открыть для чтения.";
        case bytefilefault::cannotcreate: return "Файл не удалось создать.";
        case bytefilefault::toolarge: return "Файл слишком велик.";
        case bytefilefault::readonly: return "Файл открыт только для чтения.";
        case bytefilefault::writefailed: return "Ошибка записи в файл.";
        case bytefilefault::closefailed: return "Файл не удалось закрыть.";
        case bytefilefault::closed: return "Файл уже закрыт.";
        case bytefilefault::replacefailed: return "Файл не удалось заменить новым.";
        case bytefilefault::writeprotected: return "Файл защищён от записи.";
    }
    return "Ошибка ввода-вывода.";
}

[[noreturn]] void Fail(bytefilefault fault) { throw bytefileerror(fault); }

}  // namespace

bytefileerror::bytefileerror(bytefilefault fault) : std::runtime_error(MessageOf(fault)), fault_(fault) {}

std::filesystem::path Cp1251Path(std::string_view text) {
    const std::string utf8 = Cp1251ToUtf8(text);
    return std::filesystem::path(std::u8string(reinterpret_cast<const char8_t*>(utf8.data()), utf8.size()));
}

void TestReadable(const std::filesystem::path& path) {
    std::filebuf file;
    if (file.open(path, std::ios::in | std::ios::binary) == nullptr) Fail(bytefilefault::cannotopen);
}

bytefile::bytefile(const std::filesystem::path& path, openmode mode) : mode_(mode) {
    // Unbuffered underneath: ours is the only buffer, so a failed write shows where it happens.
    file_.pubsetbuf(nullptr, 0);
    if (mode == openmode::reading) {
        if (file_.open(path, std::ios::in | std::ios::binary) == nullptr) Fail(bytefilefault::cannotopen);
        const std::streampos end = file_.pubseekoff(0, std::ios::end, std::ios::in);
        if (end == BadPosition) Fail(bytefilefault::cannotopen);
        if (std::streamoff(end) > LargestOffset) Fail(bytefilefault::toolarge);
        size_ = static_cast<int32_t>(std::streamoff(end));
        open_ = true;
        FillFrom(0);
    } else {
        // Read access as well: a buffer turnover reads back what lies after the buffer.
        if (file_.open(path, std::ios::in | std::ios::out | std::ios::trunc | std::ios::binary) == nullptr) {
            Fail(bytefilefault::cannotcreate);
        }
        open_ = true;
    }
}

bytefile::~bytefile() {
    if (!open_) return;
    try {
        Close();
    } catch (...) {
        // Nowhere to report it from here; writers that care call Close themselves.
    }
}

int32_t bytefile::DataEnd() const { return std::max(size_, BufferStart() + fill_); }

void bytefile::CheckOpen() const {
    if (!open_) Fail(bytefilefault::closed);
}

void bytefile::FillFrom(int32_t start) {
    std::streamsize count = 0;
    if (file_.pubseekpos(start) != BadPosition) {
        count = file_.sgetn(reinterpret_cast<char*>(buffer_.data()), BufferSize);
    }
    fill_ = static_cast<int32_t>(std::clamp<std::streamsize>(count, 0, BufferSize));
    // Past the data a read gives zero, never what an earlier block left behind.
    std::fill(buffer_.begin() + fill_, buffer_.end(), uint8_t{0});
    position_ = 0;
    dirty_ = false;
}

bool bytefile::WriteBack() {
    const std::streamsize count = fill_;
    for (int attempt = 0; attempt < WriteAttempts; ++attempt) {
        if (file_.pubseekpos(BufferStart()) == BadPosition) continue;
        if (file_.sputn(reinterpret_cast<const char*>(buffer_.data()), count) == count && file_.pubsync() == 0) {
            return true;
        }
    }
    return false;
}

void bytefile::Turnover() {
    if (dirty_ && !WriteBack()) Fail(bytefilefault::writefailed);
    size_ = std::max(size_, BufferStart() + fill_);
    // The next block starts where this one ends even when it was short, so positions past the
    // data keep counting up instead of jumping back to the end of the file.
    FillFrom(absolute_);
}

uint8_t bytefile::ReadByte() {
    CheckOpen();
    if (position_ == BufferSize) Turnover();
    if (absolute_ == LargestOffset) return 0;
    const uint8_t value = buffer_[position_];
    ++position_;
    ++absolute_;
    return value;
}

bool bytefile::ReadBool() { return ReadByte() != 0; }

int32_t bytefile::ReadInt32() {
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i) value = (value << 8) | ReadByte();
    return static_cast<int32_t>(value);
}

double bytefile::ReadReal() {
    uint64_t bits = 0;
    for (int i = 0; i < 8; ++i) bits |= uint64_t{ReadByte()} << (8 * i);
    return std::bit_cast<double>(bits);
}

std::string bytefile::ReadString() {
    const int32_t stored = ReadInt32();
    // A damaged length must not make us allocate or read gigabytes of zeros: a string never
    // reaches past the known data, and a negative length is an empty string.
    const int32_t length = std::min(stored, std::max(0, DataEnd() - absolute_));
    if (length <= 0) return {};
    std::string text(static_cast<size_t>(length), '\0');
    for (char& c : text) c = static_cast<char>(ReadByte());
    return text;
}

platform::fontspec bytefile::ReadFont() {
    // The character set is not stored; it keeps its default.
    platform::fontspec font;
    font.face = ReadString();
    font.height = ReadInt32();
    font.textcolour = static_cast<platform::colour>(ReadInt32());
    font.style = ReadByte();
    return font;
}

void bytefile::WriteByte(uint8_t value) {
    CheckOpen();
    if (mode_ == openmode::reading) Fail(bytefilefault::readonly);
    if (absolute_ == LargestOffset) Fail(bytefilefault::toolarge);
    if (position_ == BufferSize) Turnover();
    // Writing at the end always counts as a change, even a zero over the zeroed tail.
    dirty_ = dirty_ || value != buffer_[position_] || position_ + 1 > fill_;
    buffer_[position_] = value;
    ++position_;
    ++absolute_;
    fill_ = std::max(fill_, position_);
}

void bytefile::WriteBool(bool value) { WriteByte(value ? 1 : 0); }

void bytefile::WriteInt32(int32_t value) {
    const auto bits = static_cast<uint32_t>(value);
    for (int shift = 24; shift >= 0; shift -= 8) WriteByte(static_cast<uint8_t>(bits >> shift));
}

void bytefile::WriteReal(double value) {
    const auto bits = std::bit_cast<uint64_t>(value);
    for (int i = 0; i < 8; ++i) WriteByte(static_cast<uint8_t>(bits >> (8 * i)));
}

void bytefile::WriteString(std::string_view value) {
    if (value.size() > static_cast<size_t>(LargestOffset)) Fail(bytefilefault::toolarge);
    WriteInt32(static_cast<int32_t>(value.size()));
    for (const char c : value) WriteByte(static_cast<uint8_t>(c));
}

void bytefile::WriteFont(const platform::fontspec& font) {
    WriteString(font.face);
    WriteInt32(font.height);
    WriteInt32(static_cast<int32_t>(font.textcolour));
    WriteByte(font.style);
}

bool bytefile::AtEnd() const { return position_ >= fill_ && BufferStart() + fill_ >= size_; }

int32_t bytefile::Size() const { return std::max(size_, absolute_); }

void bytefile::Close() {
    if (!open_) return;
    open_ = false;
    const bool written = !dirty_ || WriteBack();
    if (written) {
        size_ = std::max(size_, BufferStart() + fill_);
        dirty_ = false;
    }
    const bool closed = file_.close() != nullptr;
    if (!written) Fail(bytefilefault::writefailed);
    if (!closed) Fail(bytefilefault::closefailed);
}

}  // namespace quillmap
