#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "app/encodingfile.h"
#include "app/statefile.h"
#include "app/tform1.h"
#include "base/bytefile.h"
#include "base/cp1251.h"
#include "base/settings.h"
#include "dialogs/inputbox.h"
#include "platform/headless/headlessapplication.h"
#include "platform/headless/headlesscanvas.h"
#include "platform/headless/headlesssystem.h"
#include "platform/keys.h"
#include "platform/posix/posixfiles.h"
#include "support/menutext.h"
#include "support/scratchfolder.h"
#include "support/inputwindow.h"
#include "support/settingsguard.h"
#include "support/utf8.h"

namespace quillmap::testing {
namespace {

namespace fs = std::filesystem;
using platform::headlessdialogform;

// The text of an ".enc" file giving code (b * step + shift) mod 256 for byte b, each line with a
// comment after the code.
std::string EncText(int step, int shift) {
    std::string text;
    for (int b = 0; b < 256; ++b) text += std::to_string((b * step + shift) % 256) + " byte " + std::to_string(b) + "\n";
    return text;
}

charmaptable TableOf(int step, int shift) {
    charmaptable table{};
    for (int b = 0; b < 256; ++b) table[static_cast<size_t>(b)] = static_cast<uint8_t>((b * step + shift) % 256);
    return table;
}

void Write(const fs::path& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

TEST(EncodingTables, WindowsShowsBytesAsTheyAreAndDosIsAPermutationWithCp866Letters) {
    const charmaptable windows = WindowsTable();
    const charmaptable dos = DosTable();
    for (size_t b = 0; b < 256; ++b) EXPECT_EQ(windows[b], b);
    // Byte value -> Windows-1251 code: ASCII stays, the letters move, the pseudographics and the
    // last row take what Windows-1251 has nearest.
    const std::pair<uint8_t, uint8_t> samples[] = {
        {0x41, 0x41}, {0x7F, 0x7F}, {0x80, 192}, {0x9F, 223}, {0xA0, 224}, {0xAF, 239}, {0xB0, 128}, {0xB3, 178},
        {0xDF, 190},  {0xE0, 240},  {0xEF, 255}, {0xF0, 168}, {0xF1, 184}, {0xFF, 160}};
    for (const auto& [byte, code] : samples) EXPECT_EQ(dos[byte], code) << int(byte);
    // No two bytes look alike.
    std::vector<uint8_t> sorted(dos.begin(), dos.end());
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, std::vector<uint8_t>(windows.begin(), windows.end()));
}

TEST(EncodingFile, ReadsTheLeadingCodeOfEachOfTheFirst256LinesAndRefusesWhatIsNotThat) {
    const std::string good = EncText(1, 0);
    std::string signs;
    for (int b = 0; b < 256; ++b) signs += std::to_string(b - 256) + "\r\n";  // CR LF, negative codes
    std::string large;
    for (int b = 0; b < 256; ++b) large += std::to_string(b + 256 * (b % 5 == 0 ? 1000 : 1)) + "\tx\n";
    const struct {
        const char* what;
        std::string text;
        std::optional<charmaptable> table;
    } samples[] = {
        {"codes with comments", good, TableOf(1, 0)},
        {"the last line without its line end", good.substr(0, good.size() - 1), TableOf(1, 0)},
        {"blank lines and leading blanks are passed over", "\n  \n" + EncText(3, 7), TableOf(3, 7)},
        {"lines after the 256th are not read", EncText(5, 1) + "garbage\n", TableOf(5, 1)},
        {"negative codes keep their low 8 bits", signs, TableOf(1, 0)},
        {"codes above 255 keep their low 8 bits", large, TableOf(1, 0)},
        {"255 codes", good.substr(0, good.find("255 byte")), std::nullopt},
        {"nothing", "", std::nullopt},
        {"a word instead of a code", "abc\n" + good, std::nullopt},
        {"letters stuck to a code", "65abc\n" + good, std::nullopt},
        {"a sign alone", "-\n" + good, std::nullopt},
        {"a code of 11 digits", "00000000001\n" + good, std::nullopt},
        {"a code past 32 bits", "2147483648\n" + good, std::nullopt},
        {"a line too long", "1 " + std::string(MaxEncodingLineLength, 'x') + "\n" + good, std::nullopt},
        {"a code beyond a long blank run", std::string(MaxEncodingLineLength + 1, ' ') + good, std::nullopt},
    };
    for (const auto& s : samples) EXPECT_EQ(ParseEncoding(s.text), s.table) << s.what;
    // The extremes: 2147483647 -> 255, -2147483648 -> 0, +1 -> 1, then 253 more lines (3..255).
    std::string extremes = "2147483647\n-2147483648\n+1\n";
    for (int b = 3; b < 256; ++b) extremes += std::to_string(b) + "\n";
    charmaptable expected = TableOf(1, 0);
    expected[0] = 255;
    expected[1] = 0;
    expected[2] = 1;
    EXPECT_EQ(ParseEncoding(extremes), expected);
    // A line as long as allowed is still a line.
    EXPECT_TRUE(ParseEncoding("1 " + std::string(MaxEncodingLineLength - 2, 'x') + "\n" + EncText(1, 0)));
}

TEST(EncodingFile, RandomlyWrittenCodesReadBackAsTheirLowBitsAndACutFileIsRefused) {
    std::mt19937 random(20261209);
    std::uniform_int_distribution<int32_t> anycode(INT32_MIN, INT32_MAX);
    const char* blanks[] = {"", " ", "\t", "  \t"};
    const char* ends[] = {"\n", "\r\n", " comment\n", "\t-5 x 7\n", "\n\n"};
    for (int round = 0; round < 50; ++round) {
        std::string text;
        size_t beforelast = 0;
        charmaptable expected{};
        for (uint8_t& entry : expected) {
            const int32_t code = random() % 3 ? static_cast<int32_t>(random() % 256) : anycode(random);
            entry = static_cast<uint8_t>(static_cast<uint32_t>(code) & 0xFF);
            beforelast = text.size();
            text += std::string(blanks[random() % 4]) + std::to_string(code) + ends[random() % 5];
        }
        EXPECT_EQ(ParseEncoding(text), expected) << text;
        // Without its last line, 255 codes are left.
        EXPECT_FALSE(ParseEncoding(text.substr(0, beforelast))) << round;
    }
}

class EncodingFiles : public ::testing::Test {
protected:
    std::optional<charmaptable> Read(const fs::path& path) {
        return ReadEncodingFile(files, path.string());  // scratch paths are ASCII
    }
    scratchfolder folder;
    platform::posixfiles files;
};

TEST_F(EncodingFiles, OnlyPlainFilesUpToTheLimitAreRead) {
    Write(folder / "good.enc", EncText(1, 0));
    EXPECT_EQ(Read(folder / "good.enc"), TableOf(1, 0));
    // Padded with comment lines to the limit exactly, then one byte over it.
    std::string padded = EncText(1, 0);
    while (padded.size() + 101 <= MaxEncodingFileSize) padded += std::string(100, '#') + "\n";
    padded += std::string(MaxEncodingFileSize - padded.size(), '#');
    ASSERT_EQ(padded.size(), MaxEncodingFileSize);
    Write(folder / "full.enc", padded);
    EXPECT_TRUE(Read(folder / "full.enc"));
    Write(folder / "over.enc", padded + "#");
    EXPECT_FALSE(Read(folder / "over.enc"));
    // A huge file is refused by its size, not read.
    {
        std::ofstream huge(folder / "huge.enc", std::ios::binary);
        huge << EncText(1, 0);
        huge.seekp(1 << 30);
        huge << 'x';
    }
    const auto started = std::chrono::steady_clock::now();
    EXPECT_FALSE(Read(folder / "huge.enc"));
    EXPECT_FALSE(Read(folder / "missing.enc"));
    EXPECT_FALSE(Read(folder.path()));
    // Nobody writes to the FIFO, and /dev/zero never ends: neither may keep the reader waiting.
    ASSERT_EQ(mkfifo((folder / "pipe.enc").c_str(), 0600), 0);
    EXPECT_FALSE(Read(folder / "pipe.enc"));
    EXPECT_FALSE(Read("/dev/zero"));
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5));
}

TEST_F(EncodingFiles, TheShippedSamplesReadAsTheirCodePages) {
    const fs::path samples = QUILLMAP_ENCODINGS_DIR;
    // Byte -> Windows-1251 code: "а" (224), "Ё" (168), "я" (255), and '?' for what 1251 lacks.
    const struct {
        const char* file;
        std::vector<std::pair<uint8_t, uint8_t>> codes;
    } pages[] = {
        {"koi8-r.enc", {{0x41, 0x41}, {0xC1, 224}, {0xB3, 168}, {0xD1, 255}, {0x80, 63}}},
        {"iso-8859-5.enc", {{0x41, 0x41}, {0xD0, 224}, {0xA1, 168}, {0xEF, 255}, {0x80, 63}}},
        {"mac-cyrillic.enc", {{0x41, 0x41}, {0xE0, 224}, {0xDD, 168}, {0xDF, 255}, {0x80, 192}}},
    };
    for (const auto& page : pages) {
        const std::optional<charmaptable> table = Read(samples / page.file);
        ASSERT_TRUE(table) << page.file;
        for (const auto& [byte, code] : page.codes) EXPECT_EQ((*table)[byte], code) << page.file << " " << int(byte);
    }
}

// The main window on a document of bytes that no GIF field claims, with the program's folder in
// a scratch folder where data.dat and the ".enc" files live.
class EncodingsWindow : public ::testing::Test {
protected:
    EncodingsWindow() {
        app.programfolder = ProgramFolder();
        Write(folder / "doc.bin", std::string("\x80\xF0\x41", 3));
        for (const char* name : {"a.enc", "b.enc", "c.enc"}) Write(folder / name, EncText(1, name[0]));
        form->OpenDocument(Path("doc.bin"));
    }
    std::string ProgramFolder() const { return folder.path().string(); }  // ASCII, so CP1251 too
    std::string Path(const char* name) const { return (folder / name).string(); }
    static charmaptable TableFor(const char* name) { return TableOf(1, name[0]); }
    platform::menu& Encodings() { return form->Menu().Encodings(); }
    std::vector<std::string> Captions() { return MenuCaptions(Encodings()); }
    static std::vector<std::string> MenuCaptions(const platform::menu& menu) {
        std::vector<std::string> captions;
        for (size_t i = 0; i < menu.Count(); ++i) captions.push_back(menu.Item(i).Caption());
        return captions;
    }
    std::optional<size_t> Checked() {
        for (size_t i = 0; i < Encodings().Count(); ++i)
            if (Encodings().Item(i).Checked()) return i;
        return std::nullopt;
    }
    void F8() { form->OnKeyDown(platform::vkF8, 0); }
    // "Загрузить из файла..." with the file chosen and the name typed, or the name box cancelled.
    void Load(const std::string& path, std::optional<std::string> name) {
        app.QueueFileAnswer(path);
        app.QueueModalAnswer([name](headlessdialogform& box) {
            EXPECT_EQ(Cp1251ToUtf8(box.Caption()), Utf8(u8"Ввод названия кодировки"));
            if (!name) return box.ClickButton(inputbox::CancelButton);
            box.SetEditText(inputbox::Answer, *name);
            box.ClickButton(inputbox::OkButton);
        });
        Encodings().Item(Encodings().Count() - 1).Click();
    }
    // The value column's text of the document's bytes, as the picture was last drawn.
    std::string ShownBytes() {
        auto& canvas = dynamic_cast<platform::headlesscanvas&>(form->Picture().Canvas());
        canvas.ClearOperations();
        form->RenderView();
        // The row is told by its last byte, 0x41, as the encoding shows it.
        const char last = static_cast<char>(form->View().CharMap()[0x41]);
        for (const platform::drawop& op : canvas.Operations())
            if (op.what == platform::drawop::kind::text && op.text.size() == 3 && op.text[2] == last) return op.text;
        return {};
    }
    // Ends this run (data.dat written) and starts the next on the same folder.
    void Restart() {
        form->chfls();
        form->SaveState();
        form.reset();
        form = std::make_unique<Tform1>(app, system);
        form->LoadState();
    }

    settingsguard guard;
    scratchfolder folder;
    platform::headlessapplication app;
    platform::headlesssystem system;
    std::unique_ptr<Tform1> form = std::make_unique<Tform1>(app, system);
};

const std::vector<std::string> BuiltIn{"Windows", "DOS"};
std::vector<std::string> With(std::vector<std::string> names) {
    names.insert(names.begin(), BuiltIn.begin(), BuiltIn.end());
    names.push_back("Загрузить из файла...");
    return names;
}

TEST_F(EncodingsWindow, F8StepsThroughTheEncodingsAndTheBytesShowInEach) {
    EXPECT_EQ(ShownBytes(), std::string("\x80\xF0\x41", 3));
    F8();
    EXPECT_EQ(Checked(), 1u);
    // DOS: 0x80 is the character of code 192, 0xF0 that of 168; the bytes themselves stay.
    EXPECT_EQ(ShownBytes(), std::string("\xC0\xA8\x41", 3));
    EXPECT_EQ(form->View().Bytes(), (std::vector<uint8_t>{0x80, 0xF0, 0x41}));
    EXPECT_EQ(form->DesiredColumn(), -1);
    F8();
    EXPECT_EQ(Checked(), 0u);
    Load(Path("a.enc"), "A");
    Load(Path("b.enc"), "B");
    EXPECT_EQ(Checked(), 0u) << "a loaded encoding is not chosen by itself";
    for (const size_t expected : {1u, 2u, 3u, 0u, 1u}) {
        F8();
        EXPECT_EQ(Checked(), expected);
    }
    F8();
    EXPECT_EQ(form->View().CharMap(), TableFor("a.enc"));
    const charmaptable a = TableFor("a.enc");
    EXPECT_EQ(ShownBytes(), std::string({char(a[0x80]), char(a[0xF0]), char(a[0x41])}));
}

TEST_F(EncodingsWindow, LoadingAsksForTheNameRenamesAKnownPathAndRefusesWhatItCannotRead) {
    Load(Path("a.enc"), "KOI8-R");
    const platform::filedialog& asked = app.FileDialogs().back();
    EXPECT_EQ(Cp1251ToUtf8(asked.filter), Utf8(u8"кодировки|*.enc"));
    EXPECT_EQ(asked.folder, ProgramFolder());
    EXPECT_FALSE(asked.save);
    EXPECT_EQ(Captions(), With({"KOI8-R"}));
    // The same path again only renames; a cancelled name box gives the default name.
    Load(Path("a.enc"), std::nullopt);
    EXPECT_EQ(Captions(), With({"новая кодировка"}));
    // A file that is no encoding: a beep, the message, nothing added and no name asked.
    Write(folder / "bad.enc", "not an encoding");
    app.QueueFileAnswer(Path("bad.enc"));
    Encodings().Item(Encodings().Count() - 1).Click();
    EXPECT_EQ(system.Beeps(), 1);
    ASSERT_EQ(app.Errors().size(), 1u);
    EXPECT_EQ(Cp1251ToUtf8(app.Errors().back()),
              Utf8(u8"К сожалению, я не могу разобрать формат указанного файла кодировки."));
    EXPECT_EQ(Captions().size(), 4u);
    // The open dialog given up: nothing happens.
    Encodings().Item(Encodings().Count() - 1).Click();
    EXPECT_EQ(Captions().size(), 4u);
    EXPECT_EQ(app.Errors().size(), 1u);
}

TEST_F(EncodingsWindow, RemovingMovesTheLaterEncodingsAndTheStoredNumbersUp) {
    for (const char* name : {"a.enc", "b.enc", "c.enc"}) ASSERT_TRUE(form->AddEncoding(Path(name), name));
    EXPECT_FALSE(form->AddEncoding(Path("missing.enc"), "missing"));
    // The numbers the window remembers, through pinned files: one per encoding, then the removal.
    const struct {
        const char* file;
        size_t encoding;
        size_t after;  // its number once "b.enc" (3) is gone
    } pins[] = {{"p1.bin", 1, 1}, {"p2.bin", 2, 2}, {"p3.bin", 3, 0}, {"p4.bin", 4, 3}};
    std::vector<std::string> paths;
    for (const auto& pin : pins) {
        Write(folder / pin.file, "x");
        Encodings().Item(pin.encoding).Click();
        ASSERT_TRUE(form->addfls(Path(pin.file)));
    }
    Encodings().Item(3).Click();
    form->chfls();  // the default encoding is "b.enc"
    Encodings().Item(4).Click();
    form->RemoveEncoding(3);
    EXPECT_EQ(Captions(), With({"a.enc", "c.enc"}));
    // "c.enc" is still checked and choosable under its new number.
    EXPECT_EQ(Checked(), 3u);
    Encodings().Item(0).Click();
    Encodings().Item(3).Click();
    EXPECT_EQ(form->View().CharMap(), TableFor("c.enc"));
    // Each file opens in its encoding, under the new numbers; the default went back to Windows.
    for (const auto& pin : pins) {
        form->OpenDocument(Path(pin.file));
        EXPECT_EQ(Checked(), pin.after) << pin.file;
    }
    form->NewDocument();
    EXPECT_EQ(Checked(), 0u) << "the default was b.enc: it went back to Windows";
    // Left with a.enc, the untitled document makes that the default, which a file without a pin takes.
    Encodings().Item(2).Click();
    form->chfls();
    form->OpenDocument(Path("doc.bin"));
    EXPECT_EQ(Checked(), 2u);
}

TEST_F(EncodingsWindow, AnEncodingWhoseFileWentLeavesTheMenuWhenChosen) {
    for (const char* name : {"a.enc", "b.enc"}) ASSERT_TRUE(form->AddEncoding(Path(name), name));
    Encodings().Item(1).Click();
    fs::remove(folder / "a.enc");
    Encodings().Item(2).Click();
    EXPECT_EQ(Captions(), With({"b.enc"}));
    EXPECT_EQ(Checked(), 1u) << "DOS stays";
    EXPECT_EQ(form->View().CharMap(), DosTable());
    // The checked one gone: Windows takes its place, in the menu and in the view.
    Encodings().Item(2).Click();
    Write(folder / "b.enc", "broken");
    Encodings().Item(2).Click();
    EXPECT_EQ(Captions(), With({}));
    EXPECT_EQ(Checked(), 0u);
    EXPECT_EQ(form->View().CharMap(), WindowsTable());
}

TEST_F(EncodingsWindow, TheEncodingsAndTheirNumbersOutliveARestart) {
    for (const char* name : {"a.enc", "b.enc", "c.enc"}) ASSERT_TRUE(form->AddEncoding(Path(name), name));
    Write(folder / "pinned.bin", "x");
    Encodings().Item(4).Click();
    ASSERT_TRUE(form->addfls(Path("pinned.bin")));
    Encodings().Item(3).Click();
    Restart();
    EXPECT_EQ(Captions(), With({"a.enc", "b.enc", "c.enc"}));
    EXPECT_EQ(Checked(), 3u) << "the default encoding is applied at start-up";
    EXPECT_EQ(form->View().CharMap(), TableFor("b.enc"));
    form->OpenDocument(Path("pinned.bin"));
    EXPECT_EQ(Checked(), 4u);

    // "a.enc" cannot be read at the next start: it is left out, and the numbers stored stay as they
    // were, except those now past the encodings, which become Windows and are stored so.
    form->NewDocument();  // the pinned file's record keeps 4; the default, still 3
    fs::remove(folder / "a.enc");
    Restart();
    EXPECT_EQ(Captions(), With({"b.enc", "c.enc"}));
    EXPECT_EQ(Checked(), 3u) << "the stored 3 now names c.enc";
    form->OpenDocument(Path("pinned.bin"));
    EXPECT_EQ(Checked(), 0u) << "4 names no encoding any more";
    form->NewDocument();
    statedata state;
    settingvalues settings = DefaultSettings();
    form->SaveState();
    bytefile file(folder / "data.dat", bytefile::openmode::reading);
    ReadState(file, state, settings);
    ASSERT_EQ(state.pinned.size(), 1u);
    EXPECT_EQ(state.pinned[0].encoding, 0);
    EXPECT_EQ(state.encodings.size(), 2u);
}

TEST(EncodingTyping, CharactersTypedAmongTheBytesAreStoredAsTheEncodingShowsThem) {
    // Not a GIF: the bytes after the unmatched signature are a gap, shown as characters.
    inputwindow w("ABCDEFGH");
    w.window.Type(platform::vkF8, 0);  // DOS
    w.window.Type(platform::vkDown, 0, platform::ssCtrl);
    w.window.Type(platform::vkInsert, 0);
    w.window.Type(platform::vkTab, '\t');
    // "А" is byte 0x80 in DOS; "Z" is itself; "\xB0" ("°") is shown for 0xF8.
    for (const char c : std::string("\xC0Z\xB0")) w.window.Type(0, c);
    EXPECT_EQ(w.Bytes(), "ABC\x80Z\xF8GH");
    // Back in Windows the characters are their own codes again.
    w.window.Type(platform::vkF8, 0);
    w.window.Type(0, '\xC0');
    EXPECT_EQ(w.Bytes(), "ABC\x80Z\xF8\xC0H");
}

}  // namespace
}  // namespace quillmap::testing
