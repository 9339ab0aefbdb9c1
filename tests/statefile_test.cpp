#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "app/statefile.h"
#include "support/scratchfolder.h"
#include "support/settingsguard.h"

namespace quillmap {
namespace {

using testing::scratchfolder;

// A state unlike the defaults in every group.
statedata SampleState() {
    statedata state;
    state.defaults = {"", 10, 20, 640, 480, 2, true, true, false, 4, {true, false}, "", 0x123456, 2, false};
    state.font = {"Courier New", -15, platform::RussianCharset, 3, 0x000080};
    state.font.charset = platform::DefaultCharset;  // not stored
    state.extensions = {".gif", ".jpg"};
    state.pinned = {{"C:\\a.gif", 1, 2, 300, 200, 1, true, false, true, 4, {false}, "skins\\wood.dll", 0xFFFFFF, 1, true},
                    {"C:\\b.gif", -5, 0, 100, 100, 0, true, true, true, 4, {}, "", 0x00FF00, 2, false}};
    state.recent = {"C:\\a.gif", "", "C:\\c.gif"};
    state.positions = {{3, 4}, {0, 0}, {7, 8}};
    state.encodings = {{"koi8r.enc", "КОИ-8"}};
    return state;
}

settingvalues SampleSettings() {
    settingvalues settings = DefaultSettings();
    settings.MaxRecentListLen = 3;
    settings.TextBaseSyst = 10;
    settings.ColumnCount = 12;
    settings.FirstZeroes = false;
    settings.TextFont = "Arial";
    settings.TextStyle = 5;
    settings.LeftMargin = 2.5;
    settings.StartWithShag(777);
    settings.RememberCurPos = false;
    settings.LineEndText = "\r\n";
    settings.SaveOnF2 = true;
    settings.NavigatorWidth = 333;
    settings.FieldLineWidth = 0.5;
    settings.ChosenFonClr = 0xFF00FF;
    settings.NoExtrasWarningShown = false;
    settings.CutOnCtrlDel = true;
    return settings;
}

std::string Written(const scratchfolder& folder, const statedata& state, const settingvalues& settings) {
    const auto path = folder / "data.dat";
    {
        bytefile file(path, bytefile::openmode::writing);
        WriteState(file, state, settings);
        file.Close();
    }
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Reads bytes as a state file, starting from the defaults.
struct readback {
    readback(const scratchfolder& folder, const std::string& bytes) {
        const auto path = folder / "read.dat";
        std::ofstream(path, std::ios::binary) << bytes;
        bytefile file(path, bytefile::openmode::reading);
        ReadState(file, state, settings);
        atend = file.AtEnd();
    }
    statedata state;
    settingvalues settings = DefaultSettings();
    bool atend = false;
};

TEST(StateFile, WhatIsWrittenReadsBackToTheSameValuesToTheFilesEnd) {
    testing::settingsguard guard;
    scratchfolder folder;
    const std::string bytes = Written(folder, SampleState(), SampleSettings());
    const readback read(folder, bytes);
    EXPECT_TRUE(read.atend);
    EXPECT_EQ(read.state, SampleState());
    // The settings, compared through the file they write.
    EXPECT_EQ(Written(folder, read.state, read.settings), bytes);
    EXPECT_EQ(read.settings.TextBaseSyst, 10);
    EXPECT_EQ(read.settings.ColumnCount, 12);
    EXPECT_EQ(read.settings.Shag, 777);
    EXPECT_EQ(read.settings.LineEndText, "\r\n");
    EXPECT_FALSE(read.settings.NoExtrasWarningShown);
}

TEST(StateFile, StoredWindowsAreKeptOnTheScreen) {
    const platform::extent screen{1024, 768};
    const platform::extent smallest{50, 30};
    const struct {
        int32_t left, top, width, height;
        platform::rect expected;
    } cases[] = {
        {0, 0, 3000, 2000, {0, 0, 1024, 768}},
        {2000, 100, 400, 300, {624, 100, 1024, 400}},
        {100, 900, 400, 300, {100, 468, 500, 768}},
        {100, 100, 20, 10, {100, 100, 150, 130}},
        {-500, -500, 400, 300, {0, 0, 400, 300}},
        {-385, 0, 400, 300, {-385, 0, 15, 300}},
        {-395, 0, 400, 300, {0, 0, 400, 300}},
        {INT32_MIN, INT32_MAX, INT32_MAX, INT32_MIN, {0, 738, 1024, 768}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LimitedWindow(c.left, c.top, c.width, c.height, screen, smallest), c.expected) << c.left << " " << c.top;
}

TEST(StateFile, APinnedCountNoProgramWritesLeavesEverythingAfterItAtItsDefault) {
    testing::settingsguard guard;
    scratchfolder folder;
    statedata state = SampleState();
    state.pinned.clear();
    std::string bytes = Written(folder, state, SampleSettings());
    // The pinned count follows the last extension and its byte 1.
    const size_t at = bytes.find(".jpg") + 5;
    ASSERT_EQ(bytes.substr(at, 4), std::string("\x00\x00\x00\x00", 4));
    bytes.replace(at, 4, std::string("\x00\x00\x00\x65", 4));  // 101
    const readback read(folder, bytes);
    EXPECT_TRUE(read.state.pinned.empty());
    EXPECT_EQ(read.settings.TextBaseSyst, DefaultSettings().TextBaseSyst);
    EXPECT_EQ(read.settings.ColumnCount, DefaultSettings().ColumnCount);
    // What came before the count was read.
    EXPECT_EQ(read.state.extensions, state.extensions);
}

TEST(StateFile, TheRecentListIsAsLongAsTheSettingSays) {
    testing::settingsguard guard;
    scratchfolder folder;
    settingvalues settings = SampleSettings();
    for (const int32_t length : {1, 3, 7}) {
        settings.MaxRecentListLen = length;
        const readback read(folder, Written(folder, SampleState(), settings));
        EXPECT_EQ(read.state.recent.size(), static_cast<size_t>(length));
        EXPECT_EQ(read.state.positions.size(), static_cast<size_t>(length));
        EXPECT_EQ(read.state.recent.front(), "C:\\a.gif");
        EXPECT_TRUE(read.atend);
    }
}

// Every truncation, every single-byte change and random bytes read without a fault or a hang,
// and what cannot be read keeps its default.
TEST(StateFile, DamagedFilesReadToSomethingUsable) {
    testing::settingsguard guard;
    scratchfolder folder;
    const std::string bytes = Written(folder, SampleState(), SampleSettings());
    for (size_t length = 0; length < bytes.size(); ++length) {
        const readback read(folder, bytes.substr(0, length));
        EXPECT_LE(read.state.pinned.size(), static_cast<size_t>(MaxPinned));
        EXPECT_GE(read.settings.ColumnCount, 2);
        EXPECT_LE(read.settings.ColumnCount, 999);
    }
    // Cut where the editor's group starts (104 bytes of items 18 to 24 with two pinned records
    // follow), those groups keep their defaults and the keys before them are read; cut before the
    // last byte, only the last setting does.
    const readback short18(folder, bytes.substr(0, bytes.size() - 104));
    EXPECT_EQ(short18.settings.TextBaseSyst, DefaultSettings().TextBaseSyst);
    EXPECT_EQ(short18.settings.ColumnCount, DefaultSettings().ColumnCount);
    EXPECT_TRUE(short18.settings.NoExtrasWarningShown);
    EXPECT_TRUE(short18.settings.SaveOnF2);
    const readback short24(folder, bytes.substr(0, bytes.size() - 1));
    EXPECT_EQ(short24.settings.TextBaseSyst, 10);
    EXPECT_FALSE(short24.settings.NoExtrasWarningShown);
    EXPECT_FALSE(short24.settings.CutOnCtrlDel);
    std::mt19937 random(4242);
    for (size_t i = 0; i < bytes.size(); ++i) {
        std::string changed = bytes;
        changed[i] = static_cast<char>(random());
        const readback read(folder, changed);
        EXPECT_LE(read.state.pinned.size(), static_cast<size_t>(MaxPinned));
        EXPECT_LE(read.state.recent.size(), 99u);
        for (const winposit& pinned : read.state.pinned) EXPECT_LE(pinned.actions.size(), bytes.size());
    }
    for (int round = 0; round < 200; ++round) {
        std::string noise(random() % 400, '\0');
        for (char& c : noise) c = static_cast<char>(random());
        const readback read(folder, noise);
        EXPECT_LE(read.state.extensions.size(), noise.size());
    }
}

}  // namespace
}  // namespace quillmap
