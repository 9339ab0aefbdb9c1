#include "platform/headless/headlesscanvas.h"

#include <cstdlib>

#include "platform/pixelsurface.h"

namespace quillmap::platform {

headlesscanvas::headlesscanvas()
    : widths_([](const fontspec& font, unsigned char) {
          return (std::abs(font.height) + 1) / 2 + ((font.style & fsBold) ? 1 : 0);
      }) {}

int32_t headlesscanvas::LineHeightOf(const fontspec& font) const { return std::abs(font.height); }

drawop headlesscanvas::Record(drawop::kind what) {
    drawop op{};
    op.what = what;
    op.font = font_;
    op.pen = pen_;
    op.brush = brush_;
    return op;
}

void headlesscanvas::TextOut(point at, std::string_view text, textbackground background) {
    drawop op = Record(drawop::kind::text);
    op.text = std::string(text);
    op.points = {at};
    op.background = background;
    operations_.push_back(std::move(op));
}

extent headlesscanvas::TextExtent(std::string_view text) {
    int32_t width = 0;
    for (const char c : text) width += widths_(font_, static_cast<unsigned char>(c));
    return {width, LineHeightOf(font_)};
}

extent headlesscanvas::MeasureSingleLine(std::string_view text) { return TextExtent(text); }

void headlesscanvas::DrawWordWrapped(const rect& area, std::string_view text) {
    drawop op = Record(drawop::kind::wrappedtext);
    op.text = std::string(text);
    op.area = area;
    operations_.push_back(std::move(op));
}

void headlesscanvas::Polyline(std::span<const point> points) {
    drawop op = Record(drawop::kind::polyline);
    op.points.assign(points.begin(), points.end());
    operations_.push_back(std::move(op));
}

void headlesscanvas::Polygon(std::span<const point> points) {
    drawop op = Record(drawop::kind::polygon);
    op.points.assign(points.begin(), points.end());
    operations_.push_back(std::move(op));
}

void headlesscanvas::Rectangle(const rect& r) {
    drawop op = Record(drawop::kind::rectangle);
    op.area = r;
    operations_.push_back(std::move(op));
}

void headlesscanvas::FillRect(const rect& r) {
    drawop op = Record(drawop::kind::fillrect);
    op.area = r;
    operations_.push_back(std::move(op));
}

void headlesscanvas::DrawSizeGrip(const rect& area) {
    drawop op = Record(drawop::kind::sizegrip);
    op.area = area;
    operations_.push_back(std::move(op));
}

void headlesscanvas::CopyFrom(const bitmap&, const rect& area) {
    drawop op = Record(drawop::kind::bitmapcopy);
    op.area = area;
    operations_.push_back(std::move(op));
}

void headlesscanvas::DrawPixels(const pixelsurface& source, point at) {
    drawop op = Record(drawop::kind::pixelcopy);
    op.area = {at.x, at.y, at.x + source.Size().width, at.y + source.Size().height};
    operations_.push_back(std::move(op));
}

void headlesscanvas::SetClipRect(const rect& r) {
    drawop op = Record(drawop::kind::clip);
    op.area = r;
    operations_.push_back(std::move(op));
}

void headlesscanvas::ClearClip() { operations_.push_back(Record(drawop::kind::clearclip)); }

}  // namespace quillmap::platform
