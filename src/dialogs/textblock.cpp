#include "dialogs/textblock.h"

namespace quillmap {

namespace {

constexpr double StartProportion = 3.5;

double& Proportion() {
    static double proportion = StartProportion;
    return proportion;
}

}  // namespace

double TextBlockProportion() { return Proportion(); }

void SetTextBlockProportion(double proportion) { Proportion() = proportion; }

}  // namespace quillmap
