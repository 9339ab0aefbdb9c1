// The structure view over a whole file, taken where a user takes it to reach the last sub-block of
// its largest image: the file loaded as the program loads it, that image block opened, the caret
// sent to the end and the window drawn, a digit typed over a byte of data in the middle, drawn,
// undone and drawn again. Prints each step's time and the peak memory of the process, and fails
// when the peak passes twice the file's size and 64 MB.
// Run: view_memory FILE.gif (tests/memory/view_memory.sh makes one of ten million sub-blocks)
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "platform/headless/headlesscanvas.h"
#include "platform/headless/headlesssystem.h"
#include "support/largestimage.h"
#include "views/vwgif.h"

namespace {

// The process's peak resident memory in bytes, from /proc; 0 where there is none.
int64_t PeakMemory() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0) return std::stoll(line.substr(6)) * 1024;
    return 0;
}

void Step(const char* name, const std::function<void()>& step) {
    const auto start = std::chrono::steady_clock::now();
    step();
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    std::printf("%-28s %10.3f ms   peak %6.1f MB\n", name, took.count(), PeakMemory() / 1048576.0);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: view_memory FILE.gif\n");
        return 2;
    }
    const int64_t size = static_cast<int64_t>(std::filesystem::file_size(argv[1]));
    quillmap::platform::headlesscanvas canvas;
    quillmap::platform::headlesssystem system;
    quillmap::vwgif view(canvas, system);
    view.SetClientWidth(1000);
    view.SetClientHeight(700);

    quillmap::gifimdesc* image = nullptr;
    Step("open", [&] { view.LoadFromFile(argv[1]); });
    Step("open the largest image", [&] {
        image = quillmap::testing::LargestImage(view.Root());
        if (!image) return;
        image->SetExpanded(true);
        view.RebuildRows();
    });
    if (!image) {
        std::fprintf(stderr, "view_memory: %s has no image\n", argv[1]);
        return 2;
    }
    Step("Ctrl+End and draw", [&] {
        view.DocumentEnd(false);
        view.Paint();
    });
    Step("a digit over data, drawn", [&] {
        const quillmap::textpos at = view.LinearToPosition(quillmap::testing::MiddleOfData(view, *image));
        view.SetPosition(at.column, at.line, false);
        view.SetPosition(at.column, at.line, true);
        view.SetInsertMode(false);
        view.TypeChar('7');
        view.Paint();
    });
    Step("undo, drawn", [&] {
        view.Undo();
        view.Paint();
    });
    const int64_t bound = 2 * size + (int64_t(64) << 20);
    const int64_t peak = PeakMemory();
    std::printf("file %.1f MB, peak %.1f MB, bound %.1f MB\n", size / 1048576.0, peak / 1048576.0, bound / 1048576.0);
    return peak <= bound ? 0 : 1;
}
