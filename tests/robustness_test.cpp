#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "cli/outline.h"
#include "gif/gifblock.h"
#include "gif/gifcont.h"
#include "gif/gifdocument.h"
#include "gif/gifimagedecode.h"
#include "platform/headless/headlesssystem.h"
#include "support/corpus.h"

namespace quillmap::testing {
namespace {

// Everything the command-line tool does with a file: the outline, the counts and every image.
// Run under the sanitizers, any read out of bounds or undefined arithmetic fails the test.
void Exercise(const std::vector<uint8_t>& bytes) {
    gifdocument document(bytes);
    std::ostringstream sink;
    const outlinecounts printed = WriteOutline(document, sink);
    const outlinecounts counted = CountOutline(document);
    ASSERT_EQ(printed.fields, counted.fields);
    ASSERT_EQ(printed.gaps, counted.gaps);
    platform::headlesssystem system;
    gifcont& root = document.Root();
    for (int32_t i = 0; i < root.ChildCount(); ++i) {
        auto* block = dynamic_cast<gifimdesc*>(&root.Child(i));
        if (block && block->Kind() == gbImage && block->CodeSizeIndex() > 0) {
            const lzwresult result = DecodeImageBlock(*block, system);
            ASSERT_LE(result.status, dsBadCodeSize);
        }
    }
}

TEST(Robustness, CorpusFiles) {
    for (const auto& path : CorpusFiles()) {
        SCOPED_TRACE(path.filename().string());
        Exercise(ReadFile(path));
    }
}

TEST(Robustness, EveryTruncation) {
    for (const char* name : {"welcome2.gif", "plain-text.gif", "metadata-full.gif", "x-trans.gif", "no_palette.gif"}) {
        const std::vector<uint8_t> whole = ReadFile(CorpusDir() / name);
        const size_t limit = std::min<size_t>(whole.size(), 3000);
        for (size_t length = 0; length <= limit; ++length) {
            SCOPED_TRACE(std::string(name) + " cut to " + std::to_string(length));
            Exercise({whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(length)});
        }
    }
}

TEST(Robustness, RandomBytesAndMutatedFiles) {
    std::mt19937 random(7);
    const std::vector<uint8_t> seed = ReadFile(CorpusDir() / "welcome2.gif");
    for (int round = 0; round < 3000; ++round) {
        std::vector<uint8_t> bytes;
        switch (round % 3) {
            case 0:  // noise
                bytes.resize(random() % 400);
                for (auto& byte : bytes) byte = static_cast<uint8_t>(random());
                break;
            case 1: {  // a valid start, then noise rich in separators and small sizes
                static const uint8_t Likely[] = {',', '!', ';', 0, 1, 2, 0xF9, 0xFE, 0xFF, 0x80, 0x87, 255};
                const std::string head = round % 2 ? "GIF89a" : "GIF87a";
                bytes.assign(head.begin(), head.end());
                for (int i = static_cast<int>(random() % 300); i > 0; --i)
                    bytes.push_back(random() % 2 ? Likely[random() % sizeof Likely] : static_cast<uint8_t>(random()));
                break;
            }
            default:  // a real file with a few bytes changed
                bytes = seed;
                for (int i = 0; i < 8; ++i) bytes[random() % bytes.size()] = static_cast<uint8_t>(random());
                break;
        }
        SCOPED_TRACE("round " + std::to_string(round));
        Exercise(bytes);
    }
}

TEST(Robustness, RandomEditsOnRandomFiles) {
    std::mt19937 random(11);
    for (int round = 0; round < 300; ++round) {
        std::vector<uint8_t> bytes = {'G', 'I', 'F', '8', '9', 'a'};
        for (int i = static_cast<int>(random() % 120); i > 0; --i) bytes.push_back(static_cast<uint8_t>("\x00\x01,!;\x80\xF9\x04"[random() % 8]));
        gifdocument document(bytes);
        for (int step = 0; step < 20; ++step) {
            const int32_t length = document.DocumentLength();
            const auto value = static_cast<uint8_t>(random());
            switch (random() % 3) {
                case 0:
                    if (length > 0) document.Overwrite(static_cast<int32_t>(random() % length), value);
                    break;
                case 1:
                    document.Insert(static_cast<int32_t>(random() % (length + 1)), value);
                    break;
                default:
                    if (length > 0) document.Erase(static_cast<int32_t>(random() % length));
                    break;
            }
        }
        Exercise(document.Bytes());
    }
}

}  // namespace
}  // namespace quillmap::testing
