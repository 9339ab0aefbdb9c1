#include "platform/win32/win32clipboard.h"

#include <cstring>
#include <cwchar>

#include "platform/win32/textcodec.h"
#include "platform/win32/winapi.h"

namespace quillmap::win32 {

namespace {

// Bytes, preceded by their count as 8 little-endian bytes: zeros inside them are kept.
constexpr wchar_t OwnFormatName[] = L"Quillmap.Bytes";
constexpr size_t LengthSize = 8;
constexpr LCID RussianLocale = 0x19;

UINT OwnFormat() {
    static const UINT format = RegisterClipboardFormatW(OwnFormatName);
    return format;
}

// The clipboard is open for the life of this object, when Opened() says so. Another program may
// hold it for a moment: a few short tries before giving up.
class openclipboard {
public:
    openclipboard() {
        for (int attempt = 0; attempt < 5 && !opened_; ++attempt) {
            opened_ = OpenClipboard(nullptr) != FALSE;
            if (!opened_) Sleep(10);
        }
    }
    ~openclipboard() {
        if (opened_) CloseClipboard();
    }
    openclipboard(const openclipboard&) = delete;
    openclipboard& operator=(const openclipboard&) = delete;
    bool Opened() const { return opened_; }

private:
    bool opened_ = false;
};

// Moveable shared memory holding the pieces one after the other, handed to the clipboard.
bool PutData(UINT format, std::initializer_list<std::pair<const void*, size_t>> pieces) {
    size_t total = 0;
    for (const auto& piece : pieces) total += piece.second;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, total);
    if (memory == nullptr) return false;
    auto* at = static_cast<char*>(GlobalLock(memory));
    if (at == nullptr) {
        GlobalFree(memory);
        return false;
    }
    for (const auto& [data, size] : pieces) {
        if (size != 0) std::memcpy(at, data, size);
        at += size;
    }
    GlobalUnlock(memory);
    // The clipboard owns the memory only when it took it.
    if (SetClipboardData(format, memory) == nullptr) {
        GlobalFree(memory);
        return false;
    }
    return true;
}

// The locked contents of a clipboard format, for as long as this object lives.
class lockeddata {
public:
    explicit lockeddata(UINT format) : memory_(GetClipboardData(format)) {
        if (memory_ != nullptr) {
            data_ = static_cast<const char*>(GlobalLock(memory_));
            size_ = data_ != nullptr ? GlobalSize(memory_) : 0;
        }
    }
    ~lockeddata() {
        if (data_ != nullptr) GlobalUnlock(memory_);
    }
    lockeddata(const lockeddata&) = delete;
    lockeddata& operator=(const lockeddata&) = delete;
    const char* Data() const { return data_; }
    size_t Size() const { return size_; }

private:
    HGLOBAL memory_;
    const char* data_ = nullptr;
    size_t size_ = 0;
};

std::optional<std::string> OwnBytes() {
    const lockeddata own(OwnFormat());
    if (own.Data() == nullptr || own.Size() < LengthSize) return std::nullopt;
    uint64_t length = 0;
    for (size_t i = 0; i < LengthSize; ++i) length |= uint64_t{static_cast<unsigned char>(own.Data()[i])} << (8 * i);
    // A count beyond the memory means the data is not ours after all.
    if (length > own.Size() - LengthSize) return std::nullopt;
    return std::string(own.Data() + LengthSize, static_cast<size_t>(length));
}

std::string UnicodeText() {
    const lockeddata text(CF_UNICODETEXT);
    if (text.Data() == nullptr) return {};
    const auto* characters = reinterpret_cast<const wchar_t*>(text.Data());
    // The text ends at its zero, or at the end of its memory when a program left that out.
    return Cp1251FromWide({characters, wcsnlen(characters, text.Size() / sizeof(wchar_t))});
}

}  // namespace

bool win32clipboard::Put(std::string_view bytes) {
    const openclipboard clipboard;
    if (!clipboard.Opened() || !EmptyClipboard()) return false;
    const std::string_view text = bytes.substr(0, bytes.find('\0'));
    const char terminator = 0;
    const LCID locale = RussianLocale;
    unsigned char length[LengthSize];
    for (size_t i = 0; i < LengthSize; ++i) length[i] = static_cast<unsigned char>(uint64_t{bytes.size()} >> (8 * i));
    const bool text_put = PutData(CF_TEXT, {{text.data(), text.size()}, {&terminator, 1}});
    const bool locale_put = PutData(CF_LOCALE, {{&locale, sizeof locale}});
    const bool own_put = OwnFormat() != 0 && PutData(OwnFormat(), {{length, LengthSize}, {bytes.data(), bytes.size()}});
    return text_put && locale_put && own_put;
}

std::optional<std::string> win32clipboard::Get() {
    const openclipboard clipboard;
    if (!clipboard.Opened()) return std::nullopt;
    if (std::optional<std::string> own = OwnBytes()) return own;
    // The system makes Unicode text from any text put there, by the locale that came with it;
    // the conversion to the program's code page is then the program's own.
    return UnicodeText();
}

}  // namespace quillmap::win32
