// quillmap-dump: a GIF file's field outline, counts, or one decoded image, for checking files in bulk.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <new>
#include <optional>
#include <string>
#include <vector>

#include <sys/mman.h>

#include "cli/imagewriter.h"
#include "cli/outline.h"
#include "gif/gifdocument.h"

namespace {

constexpr int ExitRead = 0;
constexpr int ExitGaps = 1;
constexpr int ExitFailed = 2;

int Usage() {
    std::cerr << "usage: quillmap-dump FILE\n"
                 "       quillmap-dump --summary FILE\n"
                 "       quillmap-dump --image N FILE OUT.ppm\n"
                 "Exit status: 0 read, 1 the outline has gaps (extra or unrecognised data), 2 failure.\n";
    return ExitFailed;
}

// Room for a whole file's bytes, zeroed. A file of a hundred megabytes costs tens of thousands of
// page faults in ordinary pages; large pages, where the system has them, take that away.
std::vector<uint8_t> ZeroedBytes(size_t size) {
    std::vector<uint8_t> bytes;
    bytes.reserve(size);
#ifdef MADV_HUGEPAGE
    constexpr uintptr_t LargePage = uintptr_t(2) << 20;
    const auto at = reinterpret_cast<uintptr_t>(bytes.data());
    const uintptr_t from = (at + LargePage - 1) & ~(LargePage - 1);
    const uintptr_t to = (at + size) & ~(LargePage - 1);
    if (to > from) madvise(reinterpret_cast<void*>(from), to - from, MADV_HUGEPAGE);
#endif
    bytes.resize(size);
    return bytes;
}

// The whole file, or nothing when it cannot be read or does not fit signed 32-bit positions.
std::optional<std::vector<uint8_t>> ReadWhole(const char* path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::cerr << "quillmap-dump: cannot open " << path << ": " << std::strerror(errno) << '\n';
        return std::nullopt;
    }
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size < 0 || size > 0x7FFFFFFF) {
        std::cerr << "quillmap-dump: " << path << " is too large (at most 2147483647 bytes)\n";
        return std::nullopt;
    }
    in.seekg(0);
    std::vector<uint8_t> bytes = ZeroedBytes(static_cast<size_t>(size));
    if (!in.read(reinterpret_cast<char*>(bytes.data()), size)) {
        std::cerr << "quillmap-dump: cannot read " << path << '\n';
        return std::nullopt;
    }
    return bytes;
}

// Ends the program at once: the system takes back a tree of millions of fields faster than
// destroying them one by one would.
[[noreturn]] void ExitFor(const quillmap::outlinecounts& counts) {
    std::cout.flush();
    std::exit(counts.gaps > 0 ? ExitGaps : ExitRead);
}

int Run(const std::vector<std::string>& args) {
    if (args.size() == 1 && args[0].rfind("--", 0) != 0) {
        auto bytes = ReadWhole(args[0].c_str());
        if (!bytes) return ExitFailed;
        const quillmap::gifdocument document(std::move(*bytes));
        ExitFor(quillmap::WriteOutline(document, std::cout));
    }
    if (args.size() == 2 && args[0] == "--summary") {
        auto bytes = ReadWhole(args[1].c_str());
        if (!bytes) return ExitFailed;
        const quillmap::gifdocument document(std::move(*bytes));
        const quillmap::outlinecounts counts = quillmap::CountOutline(document);
        std::cout << "blocks: " << counts.blocks << "\nimages: " << counts.images
                  << "\nextensions: " << counts.extensions << "\nsub-blocks: " << counts.subblocks
                  << "\nfields: " << counts.fields << "\ngaps: " << counts.gaps << '\n';
        ExitFor(counts);
    }
    if (args.size() == 4 && args[0] == "--image") {
        char* end = nullptr;
        const long number = std::strtol(args[1].c_str(), &end, 10);
        if (end == args[1].c_str() || *end != '\0' || number < 1) return Usage();
        auto bytes = ReadWhole(args[2].c_str());
        if (!bytes) return ExitFailed;
        quillmap::gifdocument document(std::move(*bytes));
        return quillmap::WriteImage(document, number, args[3]) ? ExitRead : ExitFailed;
    }
    return Usage();
}

}  // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    try {
        return Run(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::bad_alloc&) {
        // A file of millions of tiny fields can need more memory than the system gives: that is
        // a failure to read it, said as such, not a crash.
        std::cout.flush();
        std::cerr << "quillmap-dump: out of memory\n";
        return ExitFailed;
    }
}
