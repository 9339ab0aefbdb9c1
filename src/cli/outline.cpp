#include "cli/outline.h"

#include <cstdio>
#include <string>

#include "base/cp1251.h"
#include "gif/gifblock.h"
#include "gif/gifcont.h"
#include "model/flagi.h"

namespace quillmap {

namespace {

// Walks the tree in document order, telling the visitor of every field and of every gap between
// the leaves. A run's fields lie end to end from its first, so only the first can follow a gap.
template <class Visitor>
void Walk(const pole& field, const pole* previous, int depth, int32_t& covered, const gifcont& root, Visitor& visit) {
    const auto* container = field.IsContainer() ? static_cast<const cont*>(&field) : nullptr;
    if (!container || container->ChildCount() == 0) {
        if (field.Start() > covered) visit.Gap(covered, field.Start(), depth, root);
        covered = std::max(covered, field.End());
    }
    visit.Field(field, previous, depth);
    if (!container) return;
    for (int32_t i = 0; i < container->ObjectCount(); ++i)
        Walk(container->Child(i), i > 0 ? &container->Child(i - 1) : nullptr, depth + 1, covered, root, visit);
    if (!container->Run()) return;
    const int32_t first = container->ObjectCount();
    if (container->ChildStart(first) > covered) visit.Gap(covered, container->ChildStart(first), depth + 1, root);
    covered = std::max(covered, container->ChildEnd(container->ChildCount() - 1));
    visit.Run(*container, depth + 1);
}

template <class Visitor>
void WalkDocument(const gifdocument& document, Visitor& visit) {
    int32_t covered = 0;
    const gifcont& root = document.Root();
    Walk(root, nullptr, 0, covered, root, visit);
    if (covered < document.DocumentLength()) visit.Gap(covered, document.DocumentLength(), 1, root);
}

struct counting {
    outlinecounts counts;
    void Field(const pole& field, const pole* previous, int) {
        ++counts.fields;
        const bool rootchild = field.Parent() && !field.Parent()->Parent();
        if (const auto* block = rootchild ? dynamic_cast<const gifimdesc*>(&field) : nullptr) {
            ++counts.blocks;
            counts.images += block->Kind() == gbImage;
            counts.extensions += block->Kind() == gbExtension;
        }
        // A data sub-block is what follows a size.
        if (previous && previous->Kind() == fieldkind::counter && field.Kind() != fieldkind::counter)
            ++counts.subblocks;
    }
    // A block's sub-blocks: sizes, each but the last followed by its data.
    void Run(const cont& container, int) {
        const int32_t fields = container.Run()->Count();
        counts.fields += fields;
        counts.subblocks += fields / 2;
    }
    void Gap(int32_t, int32_t, int, const gifcont&) { ++counts.gaps; }
};

std::string Indent(int depth) { return std::string(2 * static_cast<size_t>(depth), ' '); }

// The value column as text: numbers in decimal, flag groups, colours as #RRGGBB, short texts quoted.
std::string ValueOf(const pole& field) {
    switch (field.Style()) {
        case fieldstyle::Number:
        case fieldstyle::NumberColourIndex:
            return std::to_string(field.ReadNumber(field.Start(), field.Length()));
        case fieldstyle::Flags: {
            std::string text;
            for (const uint32_t value : static_cast<const flagi&>(field).GroupValues()) {
                if (!text.empty()) text += ' ';
                text += std::to_string(value);
            }
            return text;
        }
        case fieldstyle::ColourEntry: {
            uint8_t rgb[3];
            field.ReadBytes(field.Start(), 3, rgb);
            char text[8];
            std::snprintf(text, sizeof text, "#%02X%02X%02X", rgb[0], rgb[1], rgb[2]);
            return text;
        }
        default:
            break;
    }
    if (field.IsContainer() || field.Length() > 16 || field.Length() <= 0) return {};
    std::string text = "\"";
    for (int32_t i = 0; i < field.Length(); ++i) {
        const uint8_t byte = field.ByteAt(field.Start() + i);
        if (byte >= 0x20 && byte < 0x7F && byte != '"' && byte != '\\') {
            text += static_cast<char>(byte);
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            text += escaped;
        }
    }
    return text + "\"";
}

// Each line of a text ("\n\r" between lines) on its own output line, indented.
void WriteText(std::ostream& out, const std::string& text, const std::string& indent) {
    size_t from = 0;
    while (from <= text.size()) {
        const size_t breakat = text.find("\n\r", from);
        const size_t to = breakat == std::string::npos ? text.size() : breakat;
        out << indent << Cp1251ToUtf8(std::string_view(text).substr(from, to - from)) << '\n';
        if (breakat == std::string::npos) break;
        from = breakat + 2;
    }
}

struct printing {
    std::ostream& out;
    counting counter;

    void Field(const pole& field, const pole* previous, int depth) {
        counter.Field(field, previous, depth);
        Print(field, depth);
    }
    // Each field of a run is made, written and dropped in turn.
    void Run(const cont& container, int depth) {
        counter.Run(container, depth);
        for (int32_t i = container.ObjectCount(); i < container.ChildCount(); ++i) {
            Print(container.Child(i), depth);
            container.ForgetRunFields();
        }
    }
    void Print(const pole& field, int depth) {
        out << Indent(depth) << field.Start() << " +" << field.Length() << ' ' << Cp1251ToUtf8(field.Title());
        const std::string value = ValueOf(field);
        if (!value.empty()) out << " = " << value;
        out << '\n';
        const std::string indent = Indent(depth + 2);
        if (field.Kind() == fieldkind::flagi) {
            const auto* flags = static_cast<const flagi*>(&field);
            for (int32_t group = 0; group < flags->ItemCount(); ++group) WriteText(out, flags->GroupText(group), indent);
        } else if (!field.Description().empty()) {
            WriteText(out, std::string(field.Description()), indent);
        }
    }
    void Gap(int32_t from, int32_t to, int depth, const gifcont& root) {
        counter.Gap(from, to, depth, root);
        std::string text;
        root.GapText(from, text);
        out << Indent(depth) << from << " +" << (to - from) << " (gap)\n";
        WriteText(out, text, Indent(depth + 2));
    }
};

}  // namespace

outlinecounts CountOutline(const gifdocument& document) {
    counting visitor;
    WalkDocument(document, visitor);
    return visitor.counts;
}

outlinecounts WriteOutline(const gifdocument& document, std::ostream& out) {
    printing visitor{out, {}};
    WalkDocument(document, visitor);
    return visitor.counter.counts;
}

}  // namespace quillmap
