#pragma once

#include <cstdint>
#include <string>

#include "model/pole.h"

namespace quillmap::testing {

// The tree as text: kind, place, style, title, description and flag group texts, one field per line.
std::string DescribeTree(const pole& field);
// A hash of the same text, for comparing large trees without making their texts.
uint64_t TreeFingerprint(const pole& field);

}  // namespace quillmap::testing

namespace quillmap::testing {

// The first line where two tree texts differ, both versions in UTF-8, shortened; empty when equal.
std::string FirstDifference(const std::string& actual, const std::string& expected);

}  // namespace quillmap::testing
