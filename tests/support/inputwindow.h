#pragma once

#include <fstream>
#include <string>

#include "app/tform1.h"
#include "platform/headless/headlessapplication.h"
#include "platform/headless/headlesssystem.h"
#include "support/scratchfolder.h"
#include "support/settingsguard.h"

namespace quillmap::testing {

// The main window with a file of the given bytes open, driven as the system drives it.
struct inputwindow {
    explicit inputwindow(const std::string& bytes) {
        std::ofstream(folder / "codes.bin", std::ios::binary) << bytes;
        form.OpenDocument((folder / "codes.bin").string());
    }
    std::string Bytes() { return {form.View().Bytes().begin(), form.View().Bytes().end()}; }
    caretend Caret() { return form.View().CaretEnd(); }
    // The client point of a byte's digit: where the caret would stand on it, halfway down its
    // row. The caret is put back where it was.
    platform::point At(int32_t byte, int32_t digit) {
        vwgif& view = form.View();
        const textpos was = view.Caret();
        const int32_t wasdigit = view.CurDigit();
        const textpos place = view.LinearToPosition(byte);
        view.SetPosition(place.column, place.line, true);
        view.SetCurDigit(digit);
        view.CalcCaretPixels();
        const platform::point caret = view.CaretPixels();
        view.SetPosition(was.column, was.line, true);
        view.SetCurDigit(wasdigit);
        view.CalcCaretPixels();
        return {caret.x + 1, caret.y + view.LineHeight() / 2};
    }

    settingsguard settings;
    scratchfolder folder;
    platform::headlessapplication app;
    platform::headlesssystem system;
    Tform1 form{app, system};
    platform::headlesswindow& window = *app.Windows().at(0);
};

}  // namespace quillmap::testing
