#pragma once

#include <cstdint>
#include <string>

namespace quillmap {

// The texts of the main window's status bar panels (CP1251).

// Panels 1 and 2: a caret or anchor given from 0, shown from 1 as "line : column".
std::string PositionPanelText(int32_t line, int32_t column);
// Panel 3: "25 строк", "21 строка", "22 строки".
std::string LineCountPanelText(int32_t lines);
// Panel 4: the editing mode.
std::string ModePanelText(bool insertmode);
// Panel 5: how long the open took, "1.047 сек."; empty for a new document (−1).
std::string OpenTimePanelText(int32_t milliseconds);

}  // namespace quillmap
