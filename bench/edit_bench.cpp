// What one edit costs in a large document against parsing the whole of it. The document is the
// GIF named by QUILLMAP_BENCH_GIF, or the animation makegifs writes into QUILLMAP_BENCH_DIR
// (default /tmp/quillmap-bench). Run: edit_bench [google benchmark flags]
#include <benchmark/benchmark.h>

#include <cstdlib>
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
#include "views/vwgif.h"

namespace {

std::filesystem::path BenchGif() {
    if (const char* gif = std::getenv("QUILLMAP_BENCH_GIF")) return gif;
    const char* dir = std::getenv("QUILLMAP_BENCH_DIR");
    return std::filesystem::path(dir ? dir : "/tmp/quillmap-bench") / "animation.gif";
}

// One view over the document, made once: loading a hundred megabytes per case would dwarf the
// edits measured.
struct document {
    document() {
        std::ifstream in(BenchGif(), std::ios::binary);
        const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
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
    static document loaded;
    return loaded;
}

bool Loaded(benchmark::State& state) {
    if (Document().view.DocumentLength() > 0) return true;
    state.SkipWithError("no GIF: run makegifs or set QUILLMAP_BENCH_GIF");
    return false;
}

void FullParse(benchmark::State& state) {
    if (!Loaded(state)) return;
    for (auto _ : state) Document().view.ReparseAll();
}

// The image block with the most bytes, opened as a user opens it to reach its data.
quillmap::cont* LargestImage(quillmap::cont& root) {
    quillmap::cont* largest = nullptr;
    for (int32_t k = 0; k < root.ChildCount(); ++k) {
        auto* block = dynamic_cast<quillmap::gifimdesc*>(&root.Child(k));
        if (block && block->Kind() == quillmap::gbImage && (!largest || block->Length() > largest->Length())) largest = block;
    }
    return largest;
}

void OverwriteDigit(benchmark::State& state) {
    if (!Loaded(state)) return;
    document& d = Document();
    quillmap::cont* image = LargestImage(d.view.Root());
    if (!image) return state.SkipWithError("the GIF has no image");
    image->SetExpanded(true);
    d.view.RebuildRows();
    d.view.SetInsertMode(false);
    const int32_t middle = image->Start() + image->Length() / 2;
    const char digits[] = "0123456789ABCDEF";
    int32_t typed = 0;
    for (auto _ : state) {
        d.Place(middle);
        d.view.TypeChar(digits[typed++ % 16]);
    }
    image->SetExpanded(false);
    d.view.RebuildRows();
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

}  // namespace

BENCHMARK(FullParse)->Unit(benchmark::kMillisecond);
BENCHMARK(OverwriteDigit)->Unit(benchmark::kMillisecond);
BENCHMARK(InsertDigitAtStart)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
