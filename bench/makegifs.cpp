// Writes the large GIFs the parse benchmarks read:
//   animation.gif  about 100 MB: 1,200 frames of 320 x 240, each after a graphic control block,
//                  every tenth with a local colour map, about 400,000 data sub-blocks;
//   animation10.gif  the same with 120 frames, about 10 MB;
//   onebyte.gif    about 20 MB: one image whose data is cut into 1-byte sub-blocks.
// The frames' compressed data is one noise picture encoded by giflib, so every file is a valid GIF.
// Usage: makegifs OUTDIR
#include <gif_lib.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int Width = 320;
constexpr int Height = 240;

// The LZW data (code size byte and sub-blocks with terminator) of a noise frame, cut from a GIF
// that giflib writes.
std::vector<uint8_t> NoiseFrameData(const std::filesystem::path& scratch) {
    int error = 0;
    GifFileType* gif = EGifOpenFileName(scratch.string().c_str(), false, &error);
    std::vector<GifColorType> colours(256);
    for (int i = 0; i < 256; ++i) colours[size_t(i)] = {GifByteType(i), GifByteType(i * 3), GifByteType(255 - i)};
    ColorMapObject* map = GifMakeMapObject(256, colours.data());
    EGifPutScreenDesc(gif, Width, Height, 8, 0, map);
    EGifPutImageDesc(gif, 0, 0, Width, Height, false, nullptr);
    std::mt19937 random(5);
    std::vector<GifPixelType> line(Width);
    for (int y = 0; y < Height; ++y) {
        for (auto& pixel : line) pixel = GifPixelType(random() % 100);
        EGifPutLine(gif, line.data(), Width);
    }
    EGifCloseFile(gif, &error);
    GifFreeMapObject(map);
    std::ifstream in(scratch, std::ios::binary);
    const std::vector<uint8_t> file{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    // Header 13, global map 768, image descriptor 10; the data runs to the trailer.
    const size_t start = 13 + 768 + 10;
    return {file.begin() + static_cast<std::ptrdiff_t>(start), file.end() - 1};
}

void Put(std::ofstream& out, std::initializer_list<int> bytes) {
    for (const int b : bytes) out.put(static_cast<char>(b));
}
void PutWord(std::ofstream& out, int value) { Put(out, {value & 0xFF, value >> 8}); }

void Header(std::ofstream& out, int width, int height) {
    out << "GIF89a";
    PutWord(out, width);
    PutWord(out, height);
    Put(out, {0xF7, 0, 0});
    for (int i = 0; i < 256; ++i) Put(out, {i, i, i});
}

void ImageDescriptor(std::ofstream& out, int width, int height, bool localmap) {
    out << ',';
    PutWord(out, 0);
    PutWord(out, 0);
    PutWord(out, width);
    PutWord(out, height);
    Put(out, {localmap ? 0x87 : 0});
    if (localmap)
        for (int i = 0; i < 256; ++i) Put(out, {255 - i, i, 0});
}

bool WriteAnimation(const std::filesystem::path& path, const std::vector<uint8_t>& frame, int frames) {
    std::ofstream animation(path, std::ios::binary);
    Header(animation, Width, Height);
    Put(animation, {'!', 0xFF, 11});
    animation << "NETSCAPE2.0";
    Put(animation, {3, 1, 0, 0, 0});
    for (int k = 0; k < frames; ++k) {
        Put(animation, {'!', 0xF9, 4, 0x04, 10, 0, 0, 0});
        ImageDescriptor(animation, Width, Height, k % 10 == 0);
        animation.write(reinterpret_cast<const char*>(frame.data()), static_cast<std::streamsize>(frame.size()));
    }
    animation << ';';
    return static_cast<bool>(animation);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: makegifs OUTDIR\n");
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    std::filesystem::create_directories(dir);
    const std::vector<uint8_t> frame = NoiseFrameData(dir / "frame.gif");

    const bool animations = WriteAnimation(dir / "animation.gif", frame, 1200) &&
                            WriteAnimation(dir / "animation10.gif", frame, 120);

    // About 10 million 1-byte sub-blocks: the first frame's codes, repeated, one byte each.
    std::ofstream onebyte(dir / "onebyte.gif", std::ios::binary);
    Header(onebyte, 4000, 2500);
    ImageDescriptor(onebyte, 4000, 2500, false);
    Put(onebyte, {8});
    std::vector<uint8_t> codes;
    for (size_t i = 1; i + 1 < frame.size();) {  // skip the code size, stop before the terminator
        const size_t n = frame[i];
        codes.insert(codes.end(), frame.begin() + static_cast<std::ptrdiff_t>(i + 1),
                     frame.begin() + static_cast<std::ptrdiff_t>(i + 1 + n));
        i += n + 1;
    }
    std::vector<char> chunk;
    for (int64_t written = 0; written < 10'000'000;) {
        chunk.clear();
        for (size_t i = 0; i < codes.size() && written < 10'000'000; ++i, ++written) {
            chunk.push_back(1);
            chunk.push_back(static_cast<char>(codes[i]));
        }
        onebyte.write(chunk.data(), static_cast<std::streamsize>(chunk.size()));
    }
    Put(onebyte, {0, ';'});
    std::filesystem::remove(dir / "frame.gif");
    return animations && onebyte ? 0 : 1;
}
