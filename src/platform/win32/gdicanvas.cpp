#include "platform/win32/gdicanvas.h"

#include <algorithm>
#include <vector>

#include "platform/win32/dchandle.h"
#include "platform/win32/gdifont.h"
#include "platform/win32/gdiobject.h"
#include "platform/win32/textcodec.h"
#include "platform/win32/win32bitmap.h"
#include "platform/win32/win32pixelsurface.h"
#include "platform/win32/winapi.h"

namespace quillmap::win32 {

namespace {

// System colours are looked up when they are drawn, so they follow the user's scheme.
COLORREF Resolved(platform::colour c) { return (c & 0xFF000000u) == 0x80000000u ? GetSysColor(c & 0xFF) : c; }

std::vector<POINT> ToPoints(std::span<const platform::point> points) {
    std::vector<POINT> converted;
    converted.reserve(points.size());
    for (const platform::point& p : points) {
        converted.push_back(POINT{p.x, p.y});
    }
    return converted;
}

RECT ToRect(const platform::rect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

}  // namespace

struct gdicanvas::state {
    explicit state(HDC target) : dc(target), saved(target) {}

    HDC dc;
    platform::fontspec font;
    platform::penspec pen;
    platform::colour brush = platform::clWhite;
    // The objects are declared before `saved` so that they outlive it: the DC gets its own
    // objects back first, and only then are ours deleted.
    fonthandle fontobject;
    penhandle penobject;
    brushhandle brushobject;
    savedstate saved;
};

gdicanvas::gdicanvas(HDC__* dc) : state_(std::make_unique<state>(dc)) {
    // Start from known objects, so that Font(), Pen() and Brush() tell what is really selected.
    SetFont(state_->font);
    SetPen(state_->pen);
    SetBrush(state_->brush);
}

gdicanvas::~gdicanvas() = default;
gdicanvas::gdicanvas(gdicanvas&&) noexcept = default;
gdicanvas& gdicanvas::operator=(gdicanvas&&) noexcept = default;

void gdicanvas::SetFont(const platform::fontspec& font) {
    platform::fontspec recoloured = state_->font;
    recoloured.textcolour = font.textcolour;
    if (state_->fontobject && recoloured == font) {
        // Painting switches colours many times a screen: no new font object for that.
        state_->font = font;
        SetTextColor(state_->dc, Resolved(font.textcolour));
        return;
    }
    fonthandle made = MakeFont(font);
    if (!made) {
        return;
    }
    SelectObject(state_->dc, made.Get());
    // The old font is deleted only now that it is no longer selected.
    state_->fontobject = std::move(made);
    state_->font = font;
    SetTextColor(state_->dc, Resolved(font.textcolour));
}

const platform::fontspec& gdicanvas::Font() const { return state_->font; }

void gdicanvas::SetPen(const platform::penspec& pen) {
    penhandle made(CreatePen(PS_SOLID, pen.width, Resolved(pen.linecolour)));
    if (!made) {
        return;
    }
    SelectObject(state_->dc, made.Get());
    state_->penobject = std::move(made);
    state_->pen = pen;
    SetROP2(state_->dc, pen.mode == platform::penmode::invert ? R2_NOT : R2_COPYPEN);
}

const platform::penspec& gdicanvas::Pen() const { return state_->pen; }

void gdicanvas::SetBrush(platform::colour fill) {
    brushhandle made(CreateSolidBrush(Resolved(fill)));
    if (!made) {
        return;
    }
    SelectObject(state_->dc, made.Get());
    state_->brushobject = std::move(made);
    state_->brush = fill;
}

platform::colour gdicanvas::Brush() const { return state_->brush; }

void gdicanvas::TextOut(platform::point at, std::string_view text, platform::textbackground background) {
    if (background) {
        SetBkMode(state_->dc, OPAQUE);
        SetBkColor(state_->dc, Resolved(*background));
    } else {
        SetBkMode(state_->dc, TRANSPARENT);
    }
    const std::wstring wide = WideFromCp1251(text);
    TextOutW(state_->dc, at.x, at.y, wide.c_str(), static_cast<int>(wide.size()));
}

platform::extent gdicanvas::TextExtent(std::string_view text) {
    const std::wstring wide = WideFromCp1251(text);
    SIZE size{};
    GetTextExtentPoint32W(state_->dc, wide.c_str(), static_cast<int>(wide.size()), &size);
    return {size.cx, size.cy};
}

platform::extent gdicanvas::MeasureSingleLine(std::string_view text) {
    const std::wstring wide = WideFromCp1251(text);
    RECT bounds{0, 0, 0, 0};
    // An empty string goes as zero-terminated (-1): that is the form for which DrawText still
    // gives one line's height.
    const int count = wide.empty() ? -1 : static_cast<int>(wide.size());
    DrawTextW(state_->dc, wide.c_str(), count, &bounds, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    return {bounds.right - bounds.left, bounds.bottom - bounds.top};
}

void gdicanvas::DrawWordWrapped(const platform::rect& area, std::string_view text) {
    // The program writes its line breaks LF CR; DrawText takes CR LF as one break.
    std::string breaks(text);
    for (size_t i = 0; i + 1 < breaks.size(); ++i) {
        if (breaks[i] == '\n' && breaks[i + 1] == '\r') {
            breaks[i] = '\r';
            breaks[++i] = '\n';
        }
    }
    const std::wstring wide = WideFromCp1251(breaks);
    RECT bounds = ToRect(area);
    SetBkMode(state_->dc, TRANSPARENT);
    DrawTextW(state_->dc, wide.c_str(), static_cast<int>(wide.size()), &bounds, DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX);
}

void gdicanvas::Polyline(std::span<const platform::point> points) {
    const std::vector<POINT> converted = ToPoints(points);
    ::Polyline(state_->dc, converted.data(), static_cast<int>(converted.size()));
}

void gdicanvas::Polygon(std::span<const platform::point> points) {
    const std::vector<POINT> converted = ToPoints(points);
    ::Polygon(state_->dc, converted.data(), static_cast<int>(converted.size()));
}

void gdicanvas::Rectangle(const platform::rect& r) { ::Rectangle(state_->dc, r.left, r.top, r.right, r.bottom); }

void gdicanvas::FillRect(const platform::rect& r) {
    const RECT area = ToRect(r);
    ::FillRect(state_->dc, &area, state_->brushobject.Get());
}

void gdicanvas::DrawSizeGrip(const platform::rect& area) {
    RECT grip = ToRect(area);
    DrawFrameControl(state_->dc, &grip, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
}

void gdicanvas::CopyFrom(const platform::bitmap& source, const platform::rect& area) {
    // Every bitmap of this backend is a memory DC's picture.
    const auto& picture = static_cast<const win32bitmap&>(source);
    BitBlt(state_->dc, area.left, area.top, area.Width(), area.Height(), picture.Dc(), area.left, area.top, SRCCOPY);
}

void gdicanvas::DrawPixels(const platform::pixelsurface& source, platform::point at) {
    // Every surface of this backend is a section in a memory DC.
    const auto& surface = static_cast<const win32pixelsurface&>(source);
    BitBlt(state_->dc, at.x, at.y, surface.Size().width, surface.Size().height, surface.Dc(), 0, 0, SRCCOPY);
}

void gdicanvas::SetClipRect(const platform::rect& r) {
    // The new clip replaces the old one rather than narrowing it further.
    SelectClipRgn(state_->dc, nullptr);
    IntersectClipRect(state_->dc, r.left, r.top, r.right, r.bottom);
}

void gdicanvas::ClearClip() { SelectClipRgn(state_->dc, nullptr); }

platform::extent gdicanvas::PixelsPerInch() const {
    return {GetDeviceCaps(state_->dc, LOGPIXELSX), GetDeviceCaps(state_->dc, LOGPIXELSY)};
}

void gdicanvas::LendNative(const std::function<void(void*)>& draw) {
    // The canvas keeps its own objects selected; code outside may select others and forget them.
    const int saved = SaveDC(state_->dc);
    draw(state_->dc);
    RestoreDC(state_->dc, saved);
}

}  // namespace quillmap::win32
