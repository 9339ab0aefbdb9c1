#pragma once

#include <cstddef>

namespace quillmap::platform {

// The buttons from first to last, by their numbers in a dialog.
struct buttonrange {
    size_t first;
    size_t last;
};

// The run of radio buttons, added right after one another, that holds the one at index; isradio
// tells of a button number below count whether it is a radio button.
template <class radiotest>
buttonrange RadioRun(size_t index, size_t count, const radiotest& isradio) {
    buttonrange run{index, index};
    while (run.first > 0 && isradio(run.first - 1)) --run.first;
    while (run.last + 1 < count && isradio(run.last + 1)) ++run.last;
    return run;
}

}  // namespace quillmap::platform
