// The tree's parse of large files against giflib's structure-only walk, and the tree's memory.
// The files are made by makegifs into QUILLMAP_BENCH_DIR (default /tmp/quillmap-bench).
// Run: parse_bench [google benchmark flags]
#include <benchmark/benchmark.h>
#include <gif_lib.h>
#include <malloc.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "cli/outline.h"
#include "gif/gifcont.h"
#include "gif/gifdocument.h"
#include "support/gifmemory.h"

namespace {

std::filesystem::path BenchDir() {
    const char* dir = std::getenv("QUILLMAP_BENCH_DIR");
    return dir ? dir : "/tmp/quillmap-bench";
}

const std::vector<uint8_t>& FileBytes(const std::string& name) {
    static std::map<std::string, std::vector<uint8_t>> loaded;
    auto found = loaded.find(name);
    if (found == loaded.end()) {
        std::ifstream in(BenchDir() / name, std::ios::binary);
        found = loaded.emplace(name, std::vector<uint8_t>{std::istreambuf_iterator<char>(in),
                                                          std::istreambuf_iterator<char>()}).first;
    }
    return found->second;
}

// The whole tree laid over the bytes again, as after loading a file.
void QuillmapParse(benchmark::State& state, const std::string& name) {
    quillmap::gifdocument document(FileBytes(name));
    if (document.DocumentLength() == 0) state.SkipWithError("run makegifs first");
    for (auto _ : state) {
        document.Root().Reset();
        document.Root().Parse();
        benchmark::DoNotOptimize(document.Root().ChildCount());
    }
    state.counters["fields"] = static_cast<double>(quillmap::CountOutline(document).fields);
}

// giflib reads every record and every sub-block without decoding a pixel.
long GiflibWalk(const std::vector<uint8_t>& bytes) {
    quillmap::testing::memsource source{bytes.data(), bytes.size()};
    int error = 0;
    GifFileType* gif = DGifOpen(&source, quillmap::testing::ReadMemory, &error);
    long subblocks = 0;
    GifRecordType record = UNDEFINED_RECORD_TYPE;
    while (gif && DGifGetRecordType(gif, &record) == GIF_OK && record != TERMINATE_RECORD_TYPE) {
        GifByteType* block = nullptr;
        if (record == IMAGE_DESC_RECORD_TYPE) {
            int codesize = 0;
            if (DGifGetImageDesc(gif) != GIF_OK || DGifGetCode(gif, &codesize, &block) != GIF_OK) break;
            while (block) {
                ++subblocks;
                if (DGifGetCodeNext(gif, &block) != GIF_OK) break;
            }
        } else if (record == EXTENSION_RECORD_TYPE) {
            int label = 0;
            if (DGifGetExtension(gif, &label, &block) != GIF_OK) break;
            while (block) {
                ++subblocks;
                if (DGifGetExtensionNext(gif, &block) != GIF_OK) break;
            }
        }
    }
    if (gif) DGifCloseFile(gif, &error);
    return subblocks;
}

void GiflibStructure(benchmark::State& state, const std::string& name) {
    const std::vector<uint8_t>& bytes = FileBytes(name);
    long subblocks = 0;
    for (auto _ : state) benchmark::DoNotOptimize(subblocks = GiflibWalk(bytes));
    state.counters["subblocks"] = static_cast<double>(subblocks);
}

size_t HeapInUse() {
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;  // small blocks and mapped ones
}

// Heap the tree takes beyond the document's bytes, per field: the bytes are moved in, not copied.
void TreeMemory(benchmark::State& state, const std::string& name) {
    std::vector<uint8_t> bytes = FileBytes(name);
    double perfield = 0;
    for (auto _ : state) {
        const size_t before = HeapInUse();
        quillmap::gifdocument document(std::move(bytes));
        const size_t after = HeapInUse();
        perfield = static_cast<double>(after - before) / static_cast<double>(quillmap::CountOutline(document).fields);
        bytes = document.Bytes();
    }
    state.counters["bytes_per_field"] = perfield;
}

BENCHMARK_CAPTURE(QuillmapParse, animation, std::string("animation.gif"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(GiflibStructure, animation, std::string("animation.gif"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(QuillmapParse, onebyte, std::string("onebyte.gif"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(GiflibStructure, onebyte, std::string("onebyte.gif"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(TreeMemory, animation, std::string("animation.gif"))->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_CAPTURE(TreeMemory, onebyte, std::string("onebyte.gif"))->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
