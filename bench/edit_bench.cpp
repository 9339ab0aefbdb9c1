// What one edit, a search and a replacement of every occurrence cost in a large document against
// parsing the whole of it. The document is the GIF named by QUILLMAP_BENCH_GIF, or the animation
// makegifs writes into QUILLMAP_BENCH_DIR (default /tmp/quillmap-bench); ReplaceAll and
// FullParse10 take makegifs' 10 MB animation from there. Run: edit_bench [google benchmark flags]
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <map>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <vector>

#include "base/settings.h"
#include "gif/gifblock.h"
#include "gif/gifcont.h"
#include "platform/headless/headlesscanvas.h"
#include "platform/headless/headlesssystem.h"
#include "support/largestimage.h"
#include "views/vwgif.h"

namespace {

std::filesystem::path BenchFile(const char* name) {
    const char* dir = std::getenv("QUILLMAP_BENCH_DIR");
    return std::filesystem::path(dir ? dir : "/tmp/quillmap-bench") / name;
}

std::filesystem::path BenchGif() {
    if (const char* gif = std::getenv("QUILLMAP_BENCH_GIF")) return gif;
    return BenchFile("animation.gif");
}

std::vector<uint8_t> ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// One view over the document, made once: loading a hundred megabytes per case would dwarf the
// edits measured.
struct document {
    explicit document(const std::vector<uint8_t>& bytes) {
        view.AppendBytes(bytes.data(), static_cast<int32_t>(bytes.size()));
        view.ReparseAll();
        view.SetClientWidth(1000);
        view.SetClientHeight(600);
    }
    // Caret and anchor on digit 0 of a byte.
    void Place(int32_t byte) {
        const quillmap::textpos at = view.LinearToPosition(byte);
        view.SetPosition(at.column, at.line, false);
        view.SetPosition(at.column, at.line, true);
        view.SetCurDigit(0);
        view.SetAnchorDigit(0);
    }
    quillmap::platform::headlesscanvas canvas;
    quillmap::platform::headlesssystem system;
    quillmap::vwgif view{canvas, system};
};

document& Document() {
    static document loaded(ReadBytes(BenchGif()));
    return loaded;
}

bool Loaded(benchmark::State& state, const document& d = Document()) {
    if (d.view.DocumentLength() > 0) return true;
    state.SkipWithError("no GIF: run makegifs or set QUILLMAP_BENCH_GIF");
    return false;
}

const std::vector<uint8_t>& TenMegabytes() {
    static const std::vector<uint8_t> bytes = ReadBytes(BenchFile("animation10.gif"));
    return bytes;
}

void FullParse(benchmark::State& state) {
    if (!Loaded(state)) return;
    for (auto _ : state) Document().view.ReparseAll();
}

// The largest image block opened, as a user opens it to reach its data, while the case runs, and
// a byte of data in its middle (-1 without an image).
struct openedimage {
    explicit openedimage(document& opened) : d(opened), image(quillmap::testing::LargestImage(opened.view.Root())) {
        if (!image) return;
        image->SetExpanded(true);
        d.view.RebuildRows();
        middle = quillmap::testing::MiddleOfData(d.view, *image);
    }
    ~openedimage() {
        if (!image) return;
        image->SetExpanded(false);
        d.view.RebuildRows();
    }
    document& d;
    quillmap::cont* image;
    int32_t middle = -1;
};

void OverwriteDigit(benchmark::State& state) {
    if (!Loaded(state)) return;
    openedimage opened(Document());
    if (opened.middle < 0) return state.SkipWithError("the GIF has no image");
    opened.d.view.SetInsertMode(false);
    const char digits[] = "0123456789ABCDEF";
    int32_t typed = 0;
    for (auto _ : state) {
        opened.d.Place(opened.middle);
        opened.d.view.TypeChar(digits[typed++ % 16]);
    }
}

// A digit inserted there: the sub-blocks after it are read again.
void InsertDigitInData(benchmark::State& state) {
    if (!Loaded(state)) return;
    openedimage opened(Document());
    if (opened.middle < 0) return state.SkipWithError("the GIF has no image");
    opened.d.view.SetInsertMode(true);
    for (auto _ : state) {
        opened.d.Place(opened.middle);
        opened.d.view.TypeChar('4');
        state.PauseTiming();
        opened.d.view.Undo();
        state.ResumeTiming();
    }
}

void InsertDigitAtStart(benchmark::State& state) {
    if (!Loaded(state)) return;
    document& d = Document();
    d.view.SetInsertMode(true);
    for (auto _ : state) {
        d.Place(0);
        d.view.TypeChar('4');
        state.PauseTiming();
        d.view.Undo();
        state.ResumeTiming();
    }
}

// A phrase a user could type, valid both as text and as codes, that the animation lacks.
constexpr char Missing[] = "de ad be ef 01 23";

void FindNoMatch(benchmark::State& state) {
    if (!Loaded(state)) return;
    quillmap::vwgif& view = Document().view;
    view.SetSearchMode(quillmap::searchmode::both);
    for (auto _ : state) {
        int32_t budget = INT32_MAX;
        if (view.FindPhrase(Missing, budget, false, false)) return state.SkipWithError("the phrase occurs");
    }
}

void Memmem(benchmark::State& state) {
    if (!Loaded(state)) return;
    const std::vector<uint8_t>& bytes = Document().view.Bytes();
    for (auto _ : state) benchmark::DoNotOptimize(memmem(bytes.data(), bytes.size(), Missing, std::strlen(Missing)));
}

void FullParse10(benchmark::State& state) {
    document d(TenMegabytes());
    if (!Loaded(state, d)) return;
    for (auto _ : state) d.view.ReparseAll();
}

// The two bytes that occur nearest to 10,000 times, as codes.
std::string FrequentPair(const std::vector<uint8_t>& bytes) {
    std::map<std::pair<uint8_t, uint8_t>, int> counts;
    for (size_t i = 0; i + 1 < bytes.size(); ++i) ++counts[{bytes[i], bytes[i + 1]}];
    auto nearest = counts.begin();
    for (auto it = counts.begin(); it != counts.end(); ++it)
        if (std::abs(it->second - 10000) < std::abs(nearest->second - 10000)) nearest = it;
    char codes[8];
    std::snprintf(codes, sizeof codes, "%02X %02X", nearest->first.first, nearest->first.second);
    return codes;
}

// "Заменить всё" as the replace dialog runs it: the first occurrence found, every one replaced,
// and the last search that finds no more.
void ReplaceAll(benchmark::State& state) {
    if (TenMegabytes().empty()) return state.SkipWithError("no animation10.gif: run makegifs");
    const std::string pair = FrequentPair(TenMegabytes());
    const quillmap::phrasefinder finder(pair, 16, quillmap::searchmode::codes, false);
    int32_t replaced = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto d = std::make_unique<document>(TenMegabytes());
        const size_t before = d->view.UndoList().size();
        state.ResumeTiming();
        d->view.SetSearchMode(quillmap::searchmode::codes);
        int32_t budget = INT32_MAX;
        if (!d->view.FindPhrase(pair, budget, false, false)) return state.SkipWithError("no occurrence");
        const bool fromcaret = d->view.ReplaceFound("\x01\x02\x03", finder, budget, true);
        d->view.FindPhrase(pair, budget, fromcaret, false);
        state.PauseTiming();
        replaced = static_cast<int32_t>(d->view.UndoList().size() - before);
        d.reset();
        state.ResumeTiming();
    }
    state.counters["replaced"] = replaced;
}

}  // namespace

BENCHMARK(FullParse)->Unit(benchmark::kMillisecond);
BENCHMARK(OverwriteDigit)->Unit(benchmark::kMillisecond);
BENCHMARK(InsertDigitInData)->Unit(benchmark::kMillisecond);
BENCHMARK(InsertDigitAtStart)->Unit(benchmark::kMillisecond);
BENCHMARK(FindNoMatch)->Unit(benchmark::kMillisecond);
BENCHMARK(Memmem)->Unit(benchmark::kMillisecond);
BENCHMARK(FullParse10)->Unit(benchmark::kMillisecond);
BENCHMARK(ReplaceAll)->Unit(benchmark::kMillisecond)->Iterations(5);

BENCHMARK_MAIN();
