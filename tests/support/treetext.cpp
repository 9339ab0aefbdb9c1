#include "support/treetext.h"

#include <typeinfo>

#include "model/cont.h"
#include "model/flagi.h"

namespace quillmap::testing {

namespace {

template <class Sink>
void Describe(const pole& field, int depth, Sink& out) {
    out.append(2 * size_t(depth), ' ');
    out.append(typeid(field).name()).append(" ").append(std::to_string(field.Start())).append("+");
    out.append(std::to_string(field.Length())).append(" s").append(std::to_string(int(field.Style()))).append(" ");
    out.append(field.Title()).append(" | ").append(field.Description());
    if (const auto* flags = dynamic_cast<const flagi*>(&field))
        for (int32_t g = 0; g < flags->ItemCount(); ++g) out.append(" | ").append(flags->GroupText(g));
    out += '\n';
    if (const auto* container = dynamic_cast<const cont*>(&field))
        for (int32_t i = 0; i < container->ChildCount(); ++i) Describe(container->Child(i), depth + 1, out);
}

int DepthOf(const pole& field) {
    int depth = 0;
    for (const cont* up = field.Parent(); up; up = up->Parent()) ++depth;
    return depth;
}

// Hashes what a tree text would hold without making the text.
struct hashsink {
    uint64_t hash = 1469598103934665603ull;
    hashsink& append(std::string_view text) {
        for (const char c : text) hash = (hash ^ static_cast<uint8_t>(c)) * 1099511628211ull;
        return *this;
    }
    hashsink& append(size_t count, char c) { return append(std::string(count, c)); }
    hashsink& operator+=(char c) { return append(std::string_view(&c, 1)); }
};

}  // namespace

std::string DescribeTree(const pole& field) {
    std::string out;
    Describe(field, DepthOf(field), out);
    return out;
}

uint64_t TreeFingerprint(const pole& field) {
    hashsink sink;
    Describe(field, DepthOf(field), sink);
    return sink.hash;
}

}  // namespace quillmap::testing

#include <sstream>

#include "base/cp1251.h"

namespace quillmap::testing {

std::string FirstDifference(const std::string& actual, const std::string& expected) {
    if (actual == expected) return {};
    std::istringstream a(actual), e(expected);
    std::string left, right;
    for (int line = 1;; ++line) {
        const bool more = static_cast<bool>(std::getline(a, left));
        const bool moreexpected = static_cast<bool>(std::getline(e, right));
        if (!more && !moreexpected) return "equal lines, different ends";
        if (left != right || more != moreexpected)
            return "line " + std::to_string(line) + "\n  got:      " + Cp1251ToUtf8(left.substr(0, 160)) +
                   "\n  expected: " + Cp1251ToUtf8(right.substr(0, 160));
    }
}

}  // namespace quillmap::testing
