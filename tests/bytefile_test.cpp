#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <random>
#include <string>
#include <variant>
#include <vector>

#include "base/bytefile.h"

namespace quillmap::testing {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;
using mode = bytefile::openmode;

// A file name of its own under the temporary folder, removed afterwards.
class tempfile {
public:
    tempfile() {
        static std::atomic<int> serial{0};
        std::random_device seed;
        path_ = fs::temp_directory_path() /
                ("quillmap_bytefile_" + std::to_string(seed()) + "_" + std::to_string(serial++) + ".bin");
    }
    ~tempfile() {
        std::error_code ignored;
        fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove(path_, ignored);
    }
    tempfile(const tempfile&) = delete;
    tempfile& operator=(const tempfile&) = delete;
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

std::string RawBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void PutRawBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// Bytes that differ from their neighbours, so a shifted or repeated block shows.
std::string Pattern(size_t length) {
    std::string bytes(length, '\0');
    for (size_t i = 0; i < length; ++i) bytes[i] = static_cast<char>((i * 7 + i / 256 + 1) & 0xFF);
    return bytes;
}

template <typename writer>
std::string Written(writer write) {
    tempfile file;
    {
        bytefile out(file.path(), mode::writing);
        write(out);
        out.Close();
    }
    return RawBytes(file.path());
}

TEST(Bytefile, Int32IsStoredMostSignificantByteFirst) {
    EXPECT_EQ(Written([](bytefile& f) { f.WriteInt32(300); }), "\x00\x00\x01\x2C"s);
    EXPECT_EQ(Written([](bytefile& f) { f.WriteInt32(-2); }), "\xFF\xFF\xFF\xFE"s);
    EXPECT_EQ(Written([](bytefile& f) { f.WriteInt32(0x7FFFFFFF); }), "\x7F\xFF\xFF\xFF"s);
    EXPECT_EQ(Written([](bytefile& f) { f.WriteInt32(std::numeric_limits<int32_t>::min()); }), "\x80\x00\x00\x00"s);
}

TEST(Bytefile, Int32RoundTrip) {
    const std::vector<int32_t> values = {0, 1, -1, 300, -300, 0x7FFFFFFF, std::numeric_limits<int32_t>::min(),
                                         0x01020304, -0x01020304, 255, 256};
    tempfile file;
    {
        bytefile out(file.path(), mode::writing);
        for (const int32_t v : values) out.WriteInt32(v);
        out.Close();
    }
    bytefile in(file.path(), mode::reading);
    for (const int32_t v : values) EXPECT_EQ(in.ReadInt32(), v);
    EXPECT_TRUE(in.AtEnd());
}

TEST(Bytefile, RealIsStoredLeastSignificantByteFirst) {
    EXPECT_EQ(Written([](bytefile& f) { f.WriteReal(1.0); }), "\x00\x00\x00\x00\x00\x00\xF0\x3F"s);
    EXPECT_EQ(Written([](bytefile& f) { f.WriteReal(-2.5); }), "\x00\x00\x00\x00\x00\x00\x04\xC0"s);
    // 0.1 has every byte different, so a reversed or rotated order cannot pass.
    EXPECT_EQ(Written([](bytefile& f) { f.WriteReal(0.1); }), "\x9A\x99\x99\x99\x99\x99\xB9\x3F"s);
}

TEST(Bytefile, RealRoundTripKeepsEveryBit) {
    const std::vector<double> values = {0.0, -0.0, 1.0, -2.5, 0.1, 3.141592653589793, 1e-310,
                                        std::numeric_limits<double>::max(), std::numeric_limits<double>::infinity()};
    tempfile file;
    {
        bytefile out(file.path(), mode::writing);
        for (const double v : values) out.WriteReal(v);
        out.WriteReal(std::numeric_limits<double>::quiet_NaN());
        out.Close();
    }
    bytefile in(file.path(), mode::reading);
    for (const double v : values) {
        const double read = in.ReadReal();
        EXPECT_EQ(std::memcmp(&read, &v, sizeof v), 0) << v;
    }
    EXPECT_TRUE(std::isnan(in.ReadReal()));
    EXPECT_TRUE(in.AtEnd());
}

TEST(Bytefile, StringsAreALengthThenTheBytes) {
    EXPECT_EQ(Written([](bytefile& f) { f.WriteString("ab"); }), "\x00\x00\x00\x02" "ab"s);
    EXPECT_EQ(Written([](bytefile& f) { f.WriteString(""); }), "\x00\x00\x00\x00"s);
    // Compiled to CP1251: one byte a letter, "Ш" is 0xD8 and "я" 0xFF.
    EXPECT_EQ(Written([](bytefile& f) { f.WriteString("Шя"); }), "\x00\x00\x00\x02\xD8\xFF"s);
}

TEST(Bytefile, StringRoundTripIncludingOnesLongerThanTheBuffer) {
    const std::vector<std::string> values = {"", "ab", "Всё лишнее убрано", "zero\0inside"s, Pattern(5000),
                                             "\r\n", Pattern(2048), ""};
    tempfile file;
    {
        bytefile out(file.path(), mode::writing);
        for (const std::string& v : values) out.WriteString(v);
        out.Close();
    }
    bytefile in(file.path(), mode::reading);
    for (const std::string& v : values) EXPECT_EQ(in.ReadString(), v);
    EXPECT_TRUE(in.AtEnd());
}

TEST(Bytefile, BoolIsWrittenAsZeroOrOneAndReadAsNotZero) {
    EXPECT_EQ(Written([](bytefile& f) {
                  f.WriteBool(true);
                  f.WriteBool(false);
              }),
              "\x01\x00"s);
    tempfile file;
    PutRawBytes(file.path(), "\x05\x00\xFF"s);
    bytefile in(file.path(), mode::reading);
    EXPECT_TRUE(in.ReadBool());
    EXPECT_FALSE(in.ReadBool());
    EXPECT_TRUE(in.ReadBool());
}

TEST(Bytefile, FontIsFaceHeightColourAndStyle) {
    platform::fontspec font;
    font.face = "Courier New";
    font.height = -13;
    font.textcolour = platform::Rgb(0x11, 0x22, 0x33);
    font.style = platform::fsBold | platform::fsStrikeout;
    tempfile file;
    {
        bytefile out(file.path(), mode::writing);
        out.WriteFont(font);
        out.Close();
    }
    EXPECT_EQ(RawBytes(file.path()), "\x00\x00\x00\x0B" "Courier New" "\xFF\xFF\xFF\xF3" "\x00\x33\x22\x11" "\x09"s);
    bytefile in(file.path(), mode::reading);
    EXPECT_EQ(in.ReadFont(), font);
    EXPECT_TRUE(in.AtEnd());
}

// Many values of every kind, their lengths chosen so that they straddle the buffer's end.
using record = std::variant<uint8_t, bool, int32_t, double, std::string>;

std::vector<record> MixedRecords(unsigned seed, int count) {
    std::mt19937 random(seed);
    std::vector<record> records;
    for (int i = 0; i < count; ++i) {
        switch (random() % 5) {
            case 0: records.emplace_back(static_cast<uint8_t>(random())); break;
            case 1: records.emplace_back(random() % 2 == 0); break;
            case 2: records.emplace_back(static_cast<int32_t>(random())); break;
            case 3: records.emplace_back(static_cast<double>(static_cast<int32_t>(random())) / 7.0); break;
            default: records.emplace_back(Pattern(random() % 3000 + 3).substr(random() % 3)); break;
        }
    }
    return records;
}

TEST(Bytefile, MixedRecordsCrossTheBufferBoundaryManyTimes) {
    const std::vector<record> records = MixedRecords(20240601, 4000);
    tempfile file;
    int32_t written = 0;
    {
        bytefile out(file.path(), mode::writing);
        for (const record& r : records) {
            std::visit(
                [&](const auto& v) {
                    using type = std::decay_t<decltype(v)>;
                    if constexpr (std::is_same_v<type, uint8_t>) out.WriteByte(v);
                    if constexpr (std::is_same_v<type, bool>) out.WriteBool(v);
                    if constexpr (std::is_same_v<type, int32_t>) out.WriteInt32(v);
                    if constexpr (std::is_same_v<type, double>) out.WriteReal(v);
                    if constexpr (std::is_same_v<type, std::string>) out.WriteString(v);
                },
                r);
        }
        written = out.Size();
        EXPECT_EQ(out.Position(), written);
        out.Close();
    }
    ASSERT_GT(written, 100 * bytefile::BufferSize);
    EXPECT_EQ(fs::file_size(file.path()), static_cast<uintmax_t>(written));

    bytefile in(file.path(), mode::reading);
    EXPECT_EQ(in.Size(), written);
    for (size_t i = 0; i < records.size(); ++i) {
        ASSERT_FALSE(in.AtEnd()) << i;
        std::visit(
            [&](const auto& v) {
                using type = std::decay_t<decltype(v)>;
                if constexpr (std::is_same_v<type, uint8_t>) {
                    ASSERT_EQ(in.ReadByte(), v) << i;
                }
                if constexpr (std::is_same_v<type, bool>) {
                    ASSERT_EQ(in.ReadBool(), v) << i;
                }
                if constexpr (std::is_same_v<type, int32_t>) {
                    ASSERT_EQ(in.ReadInt32(), v) << i;
                }
                if constexpr (std::is_same_v<type, double>) {
                    ASSERT_EQ(in.ReadReal(), v) << i;
                }
                if constexpr (std::is_same_v<type, std::string>) {
                    ASSERT_EQ(in.ReadString(), v) << i;
                }
            },
            records[i]);
    }
    EXPECT_TRUE(in.AtEnd());
    EXPECT_EQ(in.Position(), written);
}

TEST(Bytefile, ReadingPastTheEndGivesZerosEvenAfterALongerBlock) {
    // The second block is short: the bytes of the first block must not show through after it.
    const std::string bytes = Pattern(2100);
    tempfile file;
    PutRawBytes(file.path(), bytes);
    bytefile in(file.path(), mode::reading);
    for (size_t i = 0; i < bytes.size(); ++i) ASSERT_EQ(in.ReadByte(), static_cast<uint8_t>(bytes[i])) << i;
    EXPECT_TRUE(in.AtEnd());
    for (int i = 0; i < 3000; ++i) ASSERT_EQ(in.ReadByte(), 0) << i;
    EXPECT_EQ(in.ReadInt32(), 0);
    EXPECT_EQ(in.ReadString(), "");
    EXPECT_FALSE(in.ReadBool());
    EXPECT_EQ(in.ReadReal(), 0.0);
    EXPECT_TRUE(in.AtEnd());
    // Positions keep counting past the data, as the text of the reads says.
    EXPECT_EQ(in.Position(), 2100 + 3000 + 4 + 4 + 1 + 8);
    EXPECT_EQ(in.Size(), in.Position());
}

TEST(Bytefile, ADamagedStringLengthStopsAtTheEndOfTheData) {
    tempfile file;
    PutRawBytes(file.path(), "\x7F\xFF\xFF\xFF" "abc"s);
    {
        bytefile in(file.path(), mode::reading);
        EXPECT_EQ(in.ReadString(), "abc");
        EXPECT_TRUE(in.AtEnd());
    }
    // A negative length is an empty string and takes only its four bytes.
    PutRawBytes(file.path(), "\xFF\xFF\xFF\xFE\x00\x00\x00\x07"s);
    bytefile in(file.path(), mode::reading);
    EXPECT_EQ(in.ReadString(), "");
    EXPECT_EQ(in.ReadInt32(), 7);
    EXPECT_TRUE(in.AtEnd());
}

TEST(Bytefile, EmptyFileIsAtItsEndAtOnce) {
    tempfile file;
    PutRawBytes(file.path(), "");
    bytefile in(file.path(), mode::reading);
    EXPECT_TRUE(in.AtEnd());
    EXPECT_EQ(in.Size(), 0);
    EXPECT_EQ(in.ReadByte(), 0);
    EXPECT_EQ(in.ReadString(), "");
}

void ExpectReadsExactly(size_t length) {
    const std::string bytes = Pattern(length);
    tempfile file;
    PutRawBytes(file.path(), bytes);
    bytefile in(file.path(), mode::reading);
    EXPECT_EQ(in.Size(), static_cast<int32_t>(length));
    for (size_t i = 0; i < length; ++i) {
        ASSERT_FALSE(in.AtEnd()) << i;
        ASSERT_EQ(in.ReadByte(), static_cast<uint8_t>(bytes[i])) << i;
    }
    EXPECT_TRUE(in.AtEnd());
    EXPECT_EQ(in.ReadByte(), 0);
}

TEST(Bytefile, FileOfExactlyOneBuffer) { ExpectReadsExactly(2048); }
TEST(Bytefile, FileOfOneBufferAndOneByte) { ExpectReadsExactly(2049); }
TEST(Bytefile, FileOfThreeBuffersLessOne) { ExpectReadsExactly(3 * 2048 - 1); }

void ExpectWritesExactly(size_t length) {
    const std::string bytes = Pattern(length);
    tempfile file;
    {
        bytefile out(file.path(), mode::writing);
        EXPECT_TRUE(out.AtEnd());
        for (size_t i = 0; i < length; ++i) {
            out.WriteByte(static_cast<uint8_t>(bytes[i]));
            ASSERT_EQ(out.Size(), static_cast<int32_t>(i + 1));
        }
        out.Close();
        EXPECT_EQ(out.Size(), static_cast<int32_t>(length));
    }
    EXPECT_EQ(RawBytes(file.path()), bytes);
    bytefile in(file.path(), mode::reading);
    EXPECT_EQ(in.Size(), static_cast<int32_t>(length));
}

TEST(Bytefile, WritesAndSizesOfNothing) { ExpectWritesExactly(0); }
TEST(Bytefile, WritesAndSizesOfOneBuffer) { ExpectWritesExactly(2048); }
TEST(Bytefile, WritesAndSizesOfOneBufferAndOneByte) { ExpectWritesExactly(2049); }
TEST(Bytefile, WritesAndSizesOfManyBuffers) { ExpectWritesExactly(10 * 2048 + 5); }

TEST(Bytefile, ZeroBytesWrittenAtTheEndAreKept) {
    // The untouched buffer holds zeros too; writing zeros must still make it go to the file.
    const std::string zeros(5000, '\0');
    EXPECT_EQ(Written([&](bytefile& f) {
                  for (size_t i = 0; i < zeros.size(); ++i) f.WriteByte(0);
              }),
              zeros);
}

TEST(Bytefile, CreatingEmptiesAnExistingFile) {
    tempfile file;
    PutRawBytes(file.path(), Pattern(5000));
    {
        bytefile out(file.path(), mode::writing);
        out.WriteInt32(1);
        out.Close();
    }
    EXPECT_EQ(RawBytes(file.path()), "\x00\x00\x00\x01"s);
}

TEST(Bytefile, DestructorWritesWhatCloseWasNotCalledFor) {
    tempfile file;
    {
        bytefile out(file.path(), mode::writing);
        out.WriteString(Pattern(3000));
    }
    EXPECT_EQ(RawBytes(file.path()), "\x00\x00\x0B\xB8"s + Pattern(3000));
}

TEST(Bytefile, CreatingInAMissingFolderIsReported) {
    tempfile folder;
    try {
        bytefile out(folder.path() / "data.dat", mode::writing);
        FAIL() << "no error";
    } catch (const bytefileerror& error) {
        EXPECT_EQ(error.Fault(), bytefilefault::cannotcreate);
        EXPECT_STRNE(error.what(), "");
    }
    EXPECT_FALSE(fs::exists(folder.path()));
}

TEST(Bytefile, OpeningAMissingFileIsReported) {
    tempfile file;
    try {
        bytefile in(file.path(), mode::reading);
        FAIL() << "no error";
    } catch (const bytefileerror& error) {
        EXPECT_EQ(error.Fault(), bytefilefault::cannotopen);
    }
}

// A device that takes the file open but refuses every byte written to it: the disk is full.
const fs::path FullDevice = "/dev/full";

TEST(Bytefile, WriteFailureAtATurnoverIsReported) {
    if (!fs::exists(FullDevice)) GTEST_SKIP() << "no /dev/full here";
    bytefile out(FullDevice, mode::writing);
    for (int i = 0; i < bytefile::BufferSize; ++i) out.WriteByte(1);
    try {
        out.WriteByte(2);
        FAIL() << "no error";
    } catch (const bytefileerror& error) {
        EXPECT_EQ(error.Fault(), bytefilefault::writefailed);
    }
}

TEST(Bytefile, WriteFailureAtCloseIsReported) {
    if (!fs::exists(FullDevice)) GTEST_SKIP() << "no /dev/full here";
    bytefile out(FullDevice, mode::writing);
    out.WriteString("Привет");
    try {
        out.Close();
        FAIL() << "no error";
    } catch (const bytefileerror& error) {
        EXPECT_EQ(error.Fault(), bytefilefault::writefailed);
    }
    // Closed all the same; further use is refused, not silently dropped.
    EXPECT_THROW(out.WriteByte(0), bytefileerror);
}

TEST(Bytefile, AFileOpenedForReadingRefusesWritesAndStaysUnchanged) {
    tempfile file;
    PutRawBytes(file.path(), "abc");
    {
        bytefile in(file.path(), mode::reading);
        try {
            in.WriteByte('x');
            FAIL() << "no error";
        } catch (const bytefileerror& error) {
            EXPECT_EQ(error.Fault(), bytefilefault::readonly);
        }
        EXPECT_EQ(in.ReadByte(), 'a');
    }
    EXPECT_EQ(RawBytes(file.path()), "abc");
}

TEST(Bytefile, AReadOnlyFileCanBeRead) {
    tempfile file;
    PutRawBytes(file.path(), "\x00\x00\x00\x2A"s);
    fs::permissions(file.path(), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    {
        std::ofstream probe(file.path(), std::ios::binary | std::ios::app);
        if (probe.is_open()) GTEST_SKIP() << "permissions are not enforced for this user";
    }
    bytefile in(file.path(), mode::reading);
    EXPECT_EQ(in.ReadInt32(), 42);
    EXPECT_TRUE(in.AtEnd());
}

TEST(Bytefile, Cp1251PathsNameTheFileInTheFileSystemsOwnEncoding) {
    tempfile folder;
    fs::create_directory(folder.path());
    // "файл.dat" in CP1251 bytes; the file system must see the Cyrillic letters.
    const std::string cp1251 = folder.path().string() + "/\xF4\xE0\xE9\xEB.dat";
    {
        bytefile out(Cp1251Path(cp1251), mode::writing);
        out.WriteByte(7);
        out.Close();
    }
    const fs::path expected = folder.path() / fs::path(std::u8string(u8"файл.dat"));
    EXPECT_EQ(RawBytes(expected), "\x07");
    fs::remove_all(folder.path());
}

}  // namespace
}  // namespace quillmap::testing
