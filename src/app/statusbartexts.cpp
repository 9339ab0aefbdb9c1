#include "app/statusbartexts.h"

#include "app/pluralform.h"

namespace quillmap {

std::string PositionPanelText(int32_t line, int32_t column) {
    return std::to_string(int64_t{line} + 1) + " : " + std::to_string(int64_t{column} + 1);
}

std::string LineCountPanelText(int32_t lines) {
    std::string text = std::to_string(lines) + " строк";
    switch (PluralForm(lines)) {
        case pluralform::one: return text + "а";
        case pluralform::few: return text + "и";
        case pluralform::many: return text;
    }
    return text;
}

std::string ModePanelText(bool insertmode) { return insertmode ? "Вставка" : "Замена"; }

std::string OpenTimePanelText(int32_t milliseconds) {
    if (milliseconds < 0) return {};
    std::string fraction = std::to_string(milliseconds % 1000);
    fraction.insert(0, 3 - fraction.size(), '0');
    return std::to_string(milliseconds / 1000) + "." + fraction + " сек.";
}

}  // namespace quillmap
