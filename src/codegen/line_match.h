#pragma once

// The longest common subsequence of two sequences of line numbers (equal lines share a
// number): which line of one text is the same line of the other.

#include <vector>

namespace qb {

// For each entry of a, the index of its partner in b, or -1 when it has none. Partners keep
// their order in both sequences, and as many entries as possible have one. Time grows with
// the product of the lengths of the parts that differ; memory with their sum.
std::vector<int> MatchLines(const std::vector<int>& a, const std::vector<int>& b);

}  // namespace qb
