#include "views/structpainter.h"

#include <algorithm>
#include <limits>
#include <string>

#include "base/settings.h"
#include "views/digits.h"
#include "views/displaystyle.h"
#include "views/fieldboxes.h"
#include "views/vwstruct.h"

namespace quillmap {

namespace {

constexpr platform::colour BoxFill = platform::Rgb(0xFF, 0xFB, 0xF0);
constexpr platform::colour BoxGrey = platform::Rgb(0xC0, 0xC0, 0xC0);
constexpr platform::colour BoxRed = platform::Rgb(0xFF, 0x00, 0x00);
constexpr platform::colour BoxGreen = platform::Rgb(0x00, 0x80, 0x00);

// A collapsed block of a huge document can start far above the canvas.
int32_t Clamp32(int64_t value) {
    return static_cast<int32_t>(
        std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

}  // namespace

structpainter::structpainter(vwstruct& view)
    : view_(view),
      canvas_(view.Canvas()),
      m_(view.Metrics()),
      selection_(view.Selection()),
      scrollx_(view.ScrollX()),
      scrolly_(view.ScrollY()),
      clientwidth_(view.ClientWidth()),
      bottom_(view.Origin().y + view.ClientHeight()),
      firstblocktop_(m_.HeaderBottom + m_.LinePx + 1) {}

pageend structpainter::Paint() {
    const settingvalues& s = Settings();
    const platform::fontspec font = canvas_.Font();
    const platform::penspec pen = canvas_.Pen();
    const platform::colour brush = canvas_.Brush();
    const bool printing = view_.Printing();

    platform::fontspec coordinates = font;
    coordinates.textcolour = s.CoordColor;
    canvas_.SetFont(coordinates);
    canvas_.SetPen({s.LineColor, m_.LinePx + 1});
    const platform::point frame[] = {{m_.DescLeft + m_.DescWidth + m_.Pad - scrollx_, m_.HeaderLineY},
                                     {m_.CoordLineX, m_.HeaderLineY},
                                     {m_.CoordLineX, bottom_}};
    canvas_.Polyline(frame);
    // Everything right of the coordinate line scrolls under it.
    if (!printing) canvas_.SetClipRect({m_.CoordRight + m_.LinePx, 0, Right(), bottom_});
    PaintHeader();

    const int32_t belowheader = m_.HeaderBottom + m_.LinePx;
    if (bottom_ > belowheader) {
        FindVisibleRows();
        if (!printing) canvas_.SetClipRect({0, belowheader, Right(), bottom_});
        canvas_.SetPen({s.FieldLineClr, m_.FieldLinePx});
        PaintCoordinatesAndSeparators();

        if (!printing) canvas_.SetClipRect({m_.CodeLeft - m_.Pad, belowheader, Right(), bottom_});
        canvas_.SetPen({s.MarginColor, m_.MarginPx + 1});
        PaintMarginLines();

        canvas_.SetFont(font);
        for (size_t i = 0; i < rows_.size(); ++i) PaintRow(rows_[i], i == 0);
    }

    canvas_.SetBrush(brush);
    canvas_.SetFont(font);
    canvas_.SetPen(pen);
    canvas_.ClearClip();
    return pageend_;
}

void structpainter::PaintHeader() {
    const settingvalues& s = Settings();
    const int32_t firstcolumn = m_.CellPitch > 0 ? scrollx_ / m_.CellPitch : 0;
    for (int32_t column = firstcolumn; column < m_.ColumnCount; ++column) {
        const std::string number = DigitString(static_cast<uint32_t>(column), s.CoordBaseSyst, m_.ColumnDigits);
        const int32_t width = canvas_.MeasureSingleLine(number).width;
        const int32_t x = m_.CodeLeft + column * m_.CellPitch + (m_.CellPitch - width) / 2 - m_.Pad / 2 - scrollx_;
        if (x >= Right()) break;
        canvas_.TextOut({x, m_.HeaderTextTop}, number, std::nullopt);
    }
    static constexpr char value[] = "значение";
    static constexpr char description[] = "описание";
    const int32_t valuewidth = canvas_.MeasureSingleLine(value).width;
    canvas_.TextOut({m_.ValueLeft + (m_.ValueWidth - valuewidth) / 2 - scrollx_, m_.HeaderTextTop}, value,
                    std::nullopt);
    const int32_t descriptionwidth = canvas_.MeasureSingleLine(description).width;
    canvas_.TextOut({m_.DescLeft + (m_.DescWidth - descriptionwidth) / 2 - scrollx_, m_.HeaderTextTop}, description,
                    std::nullopt);
}

void structpainter::FindVisibleRows() {
    const rowtable& table = view_.Rows();
    const int32_t lineheight = std::max(1, m_.LineHeight);
    int32_t entry = view_.EntryAtHeight(scrolly_);
    if (entry >= table.EntryCount()) return;
    if (view_.BlockTop(entry) + view_.BlockHeight(entry) <= scrolly_) ++entry;
    int64_t row = 0;
    if (entry < table.EntryCount()) {
        row = std::max<int64_t>(0, (scrolly_ - view_.BlockTop(entry) - m_.FieldPad) / lineheight);
        // In the block's bottom margin: the next block is the first one seen.
        if (row >= table.Rows(entry)) {
            ++entry;
            row = 0;
        }
    }
    const int64_t documentlength = view_.DocumentLength();
    for (; entry < table.EntryCount(); ++entry, row = 0) {
        const int64_t blocktop = firstblocktop_ + view_.BlockTop(entry) - scrolly_;
        for (; row < table.Rows(entry); ++row) {
            const int64_t y = blocktop + m_.FieldPad + row * lineheight;
            if (view_.Printing() && y + lineheight > bottom_) {
                // The next page begins with this row, when it still holds bytes.
                if (table.Start(entry) + row * view_.ColumnCount() < documentlength) {
                    pageend_.lastpage = false;
                    pageend_.nextscrolly = Clamp32(scrolly_ + (y - firstblocktop_));
                }
                return;
            }
            if (y >= bottom_) return;
            rows_.push_back({entry, static_cast<int32_t>(row), static_cast<int32_t>(y), blocktop});
        }
    }
}

void structpainter::PaintCoordinatesAndSeparators() {
    const settingvalues& s = Settings();
    const rowtable& table = view_.Rows();
    for (const visiblerow& row : rows_) {
        const int64_t position = table.Start(row.entry) + int64_t(view_.ColumnCount()) * row.row;
        const std::string coordinate = DigitString(static_cast<uint32_t>(position), s.CoordBaseSyst, m_.CoordDigits);
        for (size_t i = 0; i < coordinate.size(); ++i)
            canvas_.TextOut({m_.CoordTextLeft + static_cast<int32_t>(i) * m_.CoordDigitWidth, row.y},
                            std::string_view(coordinate).substr(i, 1), std::nullopt);
        // The line above a block shows with the block's first row.
        if (row.row == 0 && row.entry > 0) Separator(row.blocktop - m_.FieldLinePx + m_.FieldLinePx / 2);
    }
    if (rows_.empty()) return;
    const visiblerow& last = rows_.back();
    if (last.row == table.Rows(last.entry) - 1 && last.entry + 1 < table.EntryCount())
        Separator(last.blocktop + view_.BlockHeight(last.entry) + m_.FieldLinePx / 2);
}

void structpainter::Separator(int64_t y) {
    if (y >= bottom_) return;
    const platform::point line[] = {{m_.Pad, Clamp32(y)}, {m_.DescLeft + m_.DescWidth + m_.Pad - scrollx_, Clamp32(y)}};
    canvas_.Polyline(line);
}

void structpainter::PaintMarginLines() {
    for (const int32_t x : {m_.FirstMarginX - scrollx_, m_.SecondMarginX - scrollx_}) {
        const platform::point line[] = {{x, m_.HeaderLineY}, {x, bottom_}};
        canvas_.Polyline(line);
    }
}

int32_t structpainter::BlockBottom(const visiblerow& row) const {
    return Clamp32(row.blocktop + view_.BlockHeight(row.entry));
}

void structpainter::PaintRow(const visiblerow& row, bool firstvisible) {
    const rowtable& table = view_.Rows();
    const pole* field = table.Field(row.entry);
    const platform::rect value{m_.ValueLeft - scrollx_, row.y, m_.ValueLeft + m_.ValueWidth - 2 * m_.Pad - 19 - scrollx_,
                               BlockBottom(row) - m_.FieldPad};
    StyleOf(field).DrawValueRow(view_, value, table.Start(row.entry), field, row.row, table.Extent(row.entry));
    if (row.row == 0 && !view_.Printing() && field &&
        (field->IsContainer() || IsFirstChildOfInnerContainer(*field)))
        PaintBoxes(row);
    if (row.row == 0 || firstvisible) PaintDescription(row);
    PaintCodes(row);
}

void structpainter::PaintDescription(const visiblerow& row) {
    const rowtable& table = view_.Rows();
    const int32_t left = m_.DescLeft - scrollx_;
    const int32_t right = left + m_.DescWidth;
    const int64_t inner = view_.BlockHeight(row.entry) - 2 * int64_t{m_.FieldPad};
    int64_t top = row.blocktop + m_.FieldPad;
    std::string text;
    const pole* field = table.Field(row.entry);
    if (!field) {
        view_.Root().GapText(table.Start(row.entry), text);
        canvas_.DrawWordWrapped({left, Clamp32(top), right, Clamp32(top + inner)}, text);
        return;
    }
    for (int32_t item = 0; item < field->ItemCount() && top < bottom_; ++item) {
        int32_t lines = 0;
        field->GetItem(item, lines, text);
        const int64_t height = lines > 0 ? int64_t{lines} * m_.LineHeight : inner;
        canvas_.DrawWordWrapped({left, Clamp32(top), right, Clamp32(top + height)}, text);
        top += height;
    }
}

void structpainter::PaintCodes(const visiblerow& row) {
    const rowtable& table = view_.Rows();
    const std::vector<uint8_t>& bytes = view_.Bytes();
    const settingvalues& s = Settings();
    const int64_t columns = view_.ColumnCount();
    const int64_t rowstart = table.Start(row.entry) + columns * row.row;
    const int64_t end = std::min<int64_t>(int64_t{table.Start(row.entry)} + table.Extent(row.entry), bytes.size());
    const platform::fontspec font = canvas_.Font();
    platform::fontspec chosen = font;
    chosen.textcolour = s.ChosenTextClr;
    const int32_t firstcolumn = m_.CellPitch > 0 ? scrollx_ / m_.CellPitch : 0;
    for (int32_t column = firstcolumn; column < columns && rowstart + column < end; ++column) {
        const int32_t cell = m_.CodeLeft + column * m_.CellPitch - scrollx_;
        if (cell >= Right()) break;
        const auto position = static_cast<int32_t>(rowstart + column);
        const std::string code = CodeText(bytes[static_cast<size_t>(position)]);
        const auto digits = static_cast<int32_t>(code.size());
        for (int32_t i = 0; i < digits; ++i) {
            // Right-aligned: the last digit ends at the cell's code width.
            const platform::point at{cell + m_.CodeWidth - m_.DigitWidth * (digits - i), row.y};
            const std::string_view digit = std::string_view(code).substr(static_cast<size_t>(i), 1);
            if (selection_.HoldsDigit(position, i)) {
                canvas_.SetFont(chosen);
                canvas_.TextOut(at, digit, s.ChosenFonClr);
                canvas_.SetFont(font);
            } else {
                canvas_.TextOut(at, digit, std::nullopt);
            }
        }
    }
}

void structpainter::PaintBoxes(const visiblerow& row) {
    const pole& field = *view_.Rows().Field(row.entry);
    const int32_t x = BoxesRight(m_) - 20 - scrollx_;
    const int32_t y = Clamp32(row.blocktop + 1);
    canvas_.SetBrush(BoxFill);
    canvas_.SetPen({BoxGrey, 1});
    canvas_.Rectangle({x, y, x + 9, y + 9});
    canvas_.Rectangle({x + 10, y, x + 19, y + 9});
    // Minus: the parent can be closed; plus: this container can be opened.
    canvas_.SetPen({IsFirstChildOfInnerContainer(field) ? BoxRed : BoxGrey, 1});
    const platform::point minus[] = {{x + 2, y + 4}, {x + 7, y + 4}};
    canvas_.Polyline(minus);
    const bool opens = field.IsContainer() && !static_cast<const cont&>(field).Expanded();
    canvas_.SetPen({opens ? BoxGreen : BoxGrey, 1});
    const platform::point across[] = {{x + 12, y + 4}, {x + 17, y + 4}};
    const platform::point down[] = {{x + 14, y + 2}, {x + 14, y + 7}};
    canvas_.Polyline(across);
    canvas_.Polyline(down);
}

}  // namespace quillmap
