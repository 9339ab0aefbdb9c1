#pragma once

#include <optional>
#include <vector>

#include "platform/headless/headlesscanvas.h"
#include "platform/printing.h"

namespace quillmap::platform {

// A printer that keeps every sheet's drawing for the tests.
struct headlessprinter {
    extent pagesize{2480, 3508};  // A4 at 300 dots per inch
    extent dotsperinch{300, 300};
    std::optional<printrequest> answer;  // none: the print dialog is cancelled
    // What the finished jobs printed: per sheet, the operations drawn on it last.
    std::vector<std::vector<drawop>> sheets;
    int clearedpages = 0;
    point origin;
};

class headlessprintjob final : public printjob {
public:
    // The page is drawn at the printer's resolution, as a printer's device context reports it.
    explicit headlessprintjob(headlessprinter& printer) : printer_(printer) { canvas_.SetPixelsPerInch(printer.dotsperinch); }
    canvas& Canvas() override { return canvas_; }
    extent PageSize() const override { return printer_.pagesize; }
    extent DotsPerInch() const override { return printer_.dotsperinch; }
    void SetOrigin(point origin) override { printer_.origin = origin; }
    void NewPage() override;
    void ClearPage() override;
    void Finish() override { NewPage(); }

private:
    headlessprinter& printer_;
    headlesscanvas canvas_;
};

}  // namespace quillmap::platform
