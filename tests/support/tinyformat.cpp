#include "support/tinyformat.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace quillmap::testing {

namespace {

constexpr std::array<std::string_view, 2> MagicAlternatives = {"TN", "TM"};
constexpr std::array<std::string_view, 3> MagicRemarks = {"чужой файл", "формат TN", "формат TM"};
constexpr signaturedef MagicDef{MagicAlternatives, MagicRemarks, "Метка: ", "."};
constexpr std::array<int32_t, 4> FlagWidths = {1, 3, 1, 3};
constexpr std::array<std::string_view, 2> MarkSeparators = {";", "!!"};

}  // namespace

tinyroot::tinyroot(fieldhost& view) : cont(view, nullptr) {
    SetTitle("TINY");
    SetStyle(fieldstyle::Composite);
    SetExpanded(true);
    Append<tinymagic>();
}

void tinyroot::Reset() {
    TruncateChildren(0);
    Append<tinymagic>();
    SetStart(0);
}

int32_t tinyroot::Recheck(int32_t position, int32_t count) {
    const int32_t r = cont::Recheck(position, count);
    if (r > 0) return r;
    for (int32_t k = 1; k < ChildCount(); ++k) {
        auto* mark = dynamic_cast<tinymark*>(&Child(k));
        if (!mark || position < Child(k - 1).End() || position >= mark->Start()) continue;
        // "!!" may have been completed by its second byte.
        const int32_t from = std::max(Child(k - 1).End(), position - 1);
        const int32_t moved = mark->Recheck(from, count + position - from);
        if (moved > 0) RebuildFrom(moved);
        return moved;
    }
    return r;
}

void tinyroot::RebuildFrom(int32_t position) {
    if (ChildCount() == 0) return;
    if (static_cast<const tinymagic&>(Child(0)).Matched() < 0) {
        TruncateChildren(1);
        RelayoutFrom(0);
        return;
    }
    // A hook may just have replaced what follows with fresh fields: lay them out from there.
    for (int32_t k = 1; k < ChildCount(); ++k)
        if (!Child(k).Placed()) {
            RelayoutFrom(k);
            return;
        }
    int32_t i = FirstChildEndingAfter(position);
    if (i == ChildCount()) i = ChildCount() - 1;
    // A mark that found nothing sits at the old end: bytes added after it may hold it now.
    for (int32_t k = 1; k < i; ++k)
        if (auto* mark = dynamic_cast<tinymark*>(&Child(k)); mark && mark->Found() < 0) i = k;
    if (i == 0) {
        TruncateChildren(1);
        RelayoutFrom(0);
    } else if (auto* chunks = dynamic_cast<tinychunks*>(&Child(i))) {
        TruncateChildren(i + 1);
        chunks->RebuildFrom(position);
        RelayoutFrom(i + 1);
    } else if (dynamic_cast<tinymark*>(&Child(i))) {
        TruncateChildren(i + 1);
        Append<tinychunks>();
        Child(i).Unplace();
        RelayoutFrom(i);
    } else {
        // Header or table: the header's flags decide everything after them.
        TruncateChildren(2);
        static_cast<tinyheader&>(Child(1)).RebuildFrom(position);
        RelayoutFrom(2);
    }
}

void tinyroot::GapText(int32_t position, std::string& text) const {
    text = position < End() ? "ЛИШНЕЕ" : "ХВОСТ";
}

tinymagic::tinymagic(fieldhost& view, cont* parent) : signatura(view, parent, MagicDef, 2) {
    SetTitle("МЕТКА");
    SetStyle(fieldstyle::Composite);
}

void tinymagic::OnMatch(int32_t index) {
    cont& root = *Parent();
    root.TruncateChildren(1);
    root.Append<tinyheader>();
    (void)index;  // "TM" adds its mark after the header's flags are read
}

tinyheader::tinyheader(fieldhost& view, cont* parent) : cont(view, parent) {
    SetTitle("ЗАГОЛОВОК");
    SetStyle(fieldstyle::Composite);
    auto& version = Append<danye>(1);
    version.SetTitle("ВЕРСИЯ");
    version.SetStyle(fieldstyle::Number);
    Append<tinyflags>();
}

void tinyheader::RebuildFrom(int32_t) { RelayoutFrom(0); }

tinyflags::tinyflags(fieldhost& view, cont* parent) : flagi(view, parent, FlagWidths) {
    SetTitle("ФЛАГИ");
    SetStyle(fieldstyle::Flags);
}

int32_t tinyflags::Recheck(int32_t position, int32_t count) {
    flagi::Recheck(position, count);
    return Start();
}

void tinyflags::OnFlag(int32_t group, uint32_t value) {
    SetGroupText(group, "группа " + std::to_string(group) + " = " + std::to_string(value));
    if (group == 0) tablepresent_ = value == 1;
    if (group != 3) return;
    // The last group decides what follows the header.
    cont& root = Parent()->Root();
    root.TruncateChildren(2);
    if (tablepresent_) root.Append<tinytable>(static_cast<int32_t>(value) + 1);
    if (static_cast<const tinymagic&>(root.Child(0)).Matched() == 1) root.Append<tinymark>();
    root.Append<tinychunks>();
}

tinytable::tinytable(fieldhost& view, cont* parent, int32_t count) : cikl(view, parent, count) {
    SetTitle("ТАБЛИЦА");
    SetStyle(fieldstyle::Composite);
    for (int32_t k = 0; k < count; ++k) {
        auto& entry = Append<danye>(2);
        entry.CopyTitle("ЗАПИСЬ №" + std::to_string(k));
        entry.SetStyle(fieldstyle::ColourEntry);
    }
}

void tinytable::SetStart(int32_t position) {
    start_ = position;
    for (int32_t k = 0; k < ChildCount(); ++k) Child(k).MoveTo(position + 2 * k);
}

void tinytable::RebuildFrom(int32_t) { RelayoutFrom(0); }

tinymark::tinymark(fieldhost& view, cont* parent) : waiter(view, parent, MarkSeparators) {
    SetTitle("РАЗДЕЛИТЕЛЬ");
    SetStyle(fieldstyle::Composite);
}

void tinymark::OnFound(int32_t index, int32_t position) {
    MoveTo(position);
    SetLength(static_cast<int32_t>(Separators()[index].size()));
}

tinychunks::tinychunks(fieldhost& view, cont* parent) : cont(view, parent) {
    SetTitle("КУСКИ");
    SetStyle(fieldstyle::Composite);
    Append<tinycount>();
}

void tinychunks::RebuildFrom(int32_t position) {
    int32_t j = FirstChildEndingAfter(position);
    if (j == ChildCount()) j = ChildCount() - 1;
    // Counters stand at even indices; a counter past the end would not be there after a fresh parse.
    j -= j % 2;
    while (j > 0 && Child(j).Start() >= DocumentLength()) j -= 2;
    TruncateChildren(j + 1);
    RelayoutFrom(j);
}

tinycount::tinycount(fieldhost& view, cont* parent) : counter(view, parent) {
    SetTitle("РАЗМЕР");
    SetStyle(fieldstyle::Number);
}

void tinycount::Parse() {
    counter::Parse();
    cont& chunks = *Parent();
    if (Value() > 0) {
        pole& data = chunks.LastChild();
        data.SetTitle("ДАННЫЕ");
        data.SetStyle(fieldstyle::ImageData);
    }
    if (Value() > 0 && End() + Value() < DocumentLength()) chunks.Append<tinycount>();
}

}  // namespace quillmap::testing
