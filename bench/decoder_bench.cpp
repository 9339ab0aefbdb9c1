// DecodeLzw against giflib's DGifSlurp on generated 8000 x 6000 pictures of 256 colours.
// Run: decoder_bench [google benchmark flags, e.g. --benchmark_repetitions=3]
// Arg 0 is a noisy picture (about 1.8 : 1 under LZW), arg 1 a smooth one (about 3.5 : 1).
#include <benchmark/benchmark.h>
#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "gif/lzwdecoder.h"
#include "support/gifmemory.h"
#include "support/gifwalk.h"

namespace {

constexpr int kWidth = 8000;
constexpr int kHeight = 6000;

struct picture {
    const char* name;
    int noiseevery;  // one pixel in this many gets noise
    int noise;       // of up to this much either way
    std::filesystem::path path;
    std::vector<uint8_t> bytes;             // the whole file
    quillmap::testing::gifwalkresult walk;  // its blocks
    quillmap::lzwinput input;               // the one image, ready to decode
};

std::array<picture, 2>& Pictures() {
    static std::array<picture, 2> p{picture{"noisy", 4, 3, {}, {}, {}, {}}, picture{"smooth", 16, 1, {}, {}, {}, {}}};
    return p;
}

// Diagonal gradients and soft waves, as in a photograph reduced to 256 colours, with noise on
// some pixels: long strings in places, full tables and clear codes throughout.
bool Generate(const picture& p) {
    int error = 0;
    GifFileType* gif = EGifOpenFileName(p.path.string().c_str(), false, &error);
    if (!gif) return false;
    std::vector<GifColorType> colours(256);
    for (int i = 0; i < 256; ++i) {
        colours[size_t(i)] = GifColorType{GifByteType(i), GifByteType(255 - i), GifByteType((i * 7) & 255)};
    }
    ColorMapObject* map = GifMakeMapObject(256, colours.data());
    bool ok = map && EGifPutScreenDesc(gif, kWidth, kHeight, 8, 0, map) == GIF_OK &&
              EGifPutImageDesc(gif, 0, 0, kWidth, kHeight, false, nullptr) == GIF_OK;
    std::mt19937 rng(12345);
    std::vector<GifPixelType> line(kWidth);
    for (int y = 0; ok && y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const double wave = 24.0 * std::sin(x / 170.0) * std::cos(y / 130.0);
            int v = int((x + y) * 255.0 / (kWidth + kHeight) + wave);
            if (rng() % unsigned(p.noiseevery) == 0) v += int(rng() % unsigned(2 * p.noise + 1)) - p.noise;
            line[size_t(x)] = GifPixelType(std::clamp(v, 0, 255));
        }
        ok = EGifPutLine(gif, line.data(), kWidth) == GIF_OK;
    }
    if (EGifCloseFile(gif, &error) != GIF_OK) ok = false;
    GifFreeMapObject(map);
    return ok;
}

using quillmap::testing::memsource;
using quillmap::testing::ReadMemory;

quillmap::lzwinput InputFor(const quillmap::testing::gifwalkresult& walk) {
    const auto& image = walk.images.at(0);
    quillmap::lzwinput in;
    in.codesizebyte = image.codesizebyte;
    in.width = image.width;
    in.height = image.height;
    in.interlaced = image.interlaced();
    in.colourcount = int32_t(walk.globalmap.size());
    for (size_t i = 0; i < walk.globalmap.size() && i < 256; ++i) in.colours[i] = walk.globalmap[i];
    in.data = image.data;
    return in;
}

const picture& Picked(benchmark::State& state) {
    const picture& p = Pictures().at(size_t(state.range(0)));
    state.SetLabel(p.name);
    return p;
}

void BM_DecodeLzw(benchmark::State& state) {
    const picture& p = Picked(state);
    for (auto _ : state) {
        quillmap::lzwresult r = quillmap::DecodeLzw(p.input);
        if (r.status != quillmap::dsComplete || r.pixels.size() != size_t(kWidth) * kHeight) {
            state.SkipWithError("DecodeLzw did not complete the picture");
            break;
        }
        benchmark::DoNotOptimize(r.pixels.data());
    }
    state.SetItemsProcessed(state.iterations() * int64_t(kWidth) * kHeight);
}

// The same, with finding the image's bytes in the file counted too.
void BM_WalkAndDecodeLzw(benchmark::State& state) {
    const picture& p = Picked(state);
    for (auto _ : state) {
        const quillmap::testing::gifwalkresult walk = quillmap::testing::WalkGif(p.bytes);
        quillmap::lzwresult r = quillmap::DecodeLzw(InputFor(walk));
        if (r.status != quillmap::dsComplete) {
            state.SkipWithError("DecodeLzw did not complete the picture");
            break;
        }
        benchmark::DoNotOptimize(r.pixels.data());
    }
    state.SetItemsProcessed(state.iterations() * int64_t(kWidth) * kHeight);
}

void BM_GiflibSlurpMemory(benchmark::State& state) {
    const picture& p = Picked(state);
    for (auto _ : state) {
        memsource source{p.bytes.data(), p.bytes.size()};
        int error = 0;
        GifFileType* gif = DGifOpen(&source, ReadMemory, &error);
        if (!gif || DGifSlurp(gif) != GIF_OK) {
            state.SkipWithError("DGifSlurp failed");
            if (gif) DGifCloseFile(gif, &error);
            break;
        }
        benchmark::DoNotOptimize(gif->SavedImages[0].RasterBits);
        DGifCloseFile(gif, &error);
    }
    state.SetItemsProcessed(state.iterations() * int64_t(kWidth) * kHeight);
}

void BM_GiflibSlurpFile(benchmark::State& state) {
    const picture& p = Picked(state);
    for (auto _ : state) {
        int error = 0;
        GifFileType* gif = DGifOpenFileName(p.path.string().c_str(), &error);
        if (!gif || DGifSlurp(gif) != GIF_OK) {
            state.SkipWithError("DGifSlurp failed");
            if (gif) DGifCloseFile(gif, &error);
            break;
        }
        benchmark::DoNotOptimize(gif->SavedImages[0].RasterBits);
        DGifCloseFile(gif, &error);
    }
    state.SetItemsProcessed(state.iterations() * int64_t(kWidth) * kHeight);
}

// Ours and giflib's one after the other for each picture, so a ratio compares neighbours.
BENCHMARK(BM_DecodeLzw)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(3.0);
BENCHMARK(BM_GiflibSlurpMemory)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(3.0);
BENCHMARK(BM_WalkAndDecodeLzw)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(3.0);
BENCHMARK(BM_GiflibSlurpFile)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(3.0);

void RemoveFiles() {
    for (const picture& p : Pictures()) {
        std::error_code ignored;
        if (!p.path.empty()) std::filesystem::remove(p.path, ignored);
    }
}

}  // namespace

int main(int argc, char** argv) {
    const std::string stem = "quillmap-bench-" + std::to_string(std::random_device{}());
    for (picture& p : Pictures()) {
        p.path = std::filesystem::temp_directory_path() / (stem + "-" + p.name + ".gif");
        if (!Generate(p)) {
            std::fprintf(stderr, "could not write %s\n", p.path.string().c_str());
            RemoveFiles();
            return 1;
        }
        std::ifstream file(p.path, std::ios::binary);
        p.bytes.assign(std::istreambuf_iterator<char>(file), {});
        p.walk = quillmap::testing::WalkGif(p.bytes);
        if (p.walk.images.size() != 1 || !p.walk.images[0].terminated) {
            std::fprintf(stderr, "%s does not walk as one image\n", p.path.string().c_str());
            RemoveFiles();
            return 1;
        }
        p.input = InputFor(p.walk);
        std::printf("%s: %d x %d, %zu bytes of GIF, %zu bytes of LZW data, code size byte %d\n", p.name, kWidth,
                    kHeight, p.bytes.size(), p.walk.images[0].data.size(), int(p.input.codesizebyte));
    }

    benchmark::Initialize(&argc, argv);
    int status = 0;
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        status = 1;
    } else {
        benchmark::RunSpecifiedBenchmarks();
    }
    benchmark::Shutdown();
    RemoveFiles();
    return status;
}
