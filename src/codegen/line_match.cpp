#include "codegen/line_match.h"

#include <algorithm>
#include <unordered_map>

namespace qb {

namespace {

using Ids = std::vector<int>;

// The lengths of the longest common subsequences of a[a0, a1) and every prefix of b[b0, b1),
// or with `reversed` of the reversed parts.
std::vector<int> LcsRow(const Ids& a, int a0, int a1, const Ids& b, int b0, int b1, bool reversed) {
  const int m = b1 - b0;
  std::vector<int> row(static_cast<std::size_t>(m) + 1, 0);
  std::vector<int> previous(row.size(), 0);
  for (int i = 0; i < a1 - a0; ++i) {
    const int ai =
        reversed ? a[static_cast<std::size_t>(a1 - 1 - i)] : a[static_cast<std::size_t>(a0 + i)];
    std::swap(row, previous);
    row[0] = 0;
    for (int j = 1; j <= m; ++j) {
      const int bj =
          reversed ? b[static_cast<std::size_t>(b1 - j)] : b[static_cast<std::size_t>(b0 + j - 1)];
      const auto uj = static_cast<std::size_t>(j);
      row[uj] = ai == bj ? previous[uj - 1] + 1 : std::max(previous[uj], row[uj - 1]);
    }
  }
  return row;
}

// Beyond this many cells of the table a range is first cut at the lines that occur once in
// each part, so that a huge or hostile file is matched in time.
constexpr long long kTableBudget = 50'000'000;

void Match(const Ids& a, int a0, int a1, const Ids& b, int b0, int b1, std::vector<int>& out);

// The lines that occur exactly once in each part, kept where their order agrees (the longest
// increasing run of their places in b), are partners; the ranges between them are matched on
// their own. Without such lines the range stays unmatched.
void MatchByUniqueLines(const Ids& a, int a0, int a1, const Ids& b, int b0, int b1,
                        std::vector<int>& out) {
  std::unordered_map<int, std::pair<int, int>> in_a, in_b;  // id -> (count, place)
  for (int i = a0; i < a1; ++i) {
    auto& e = in_a[a[static_cast<std::size_t>(i)]];
    ++e.first;
    e.second = i;
  }
  for (int j = b0; j < b1; ++j) {
    auto& e = in_b[b[static_cast<std::size_t>(j)]];
    ++e.first;
    e.second = j;
  }
  std::vector<std::pair<int, int>> pairs;  // (place in a, place in b), by place in a
  for (int i = a0; i < a1; ++i) {
    const int id = a[static_cast<std::size_t>(i)];
    const auto found = in_b.find(id);
    if (in_a[id].first == 1 && found != in_b.end() && found->second.first == 1)
      pairs.emplace_back(i, found->second.second);
  }
  // Patience: the longest run of pairs whose places in b increase.
  std::vector<int> tails, previous(pairs.size(), -1);
  for (int k = 0; k < static_cast<int>(pairs.size()); ++k) {
    const auto at = std::lower_bound(tails.begin(), tails.end(), k, [&](int t, int) {
      return pairs[static_cast<std::size_t>(t)].second < pairs[static_cast<std::size_t>(k)].second;
    });
    if (at != tails.begin()) previous[static_cast<std::size_t>(k)] = *(at - 1);
    if (at == tails.end())
      tails.push_back(k);
    else
      *at = k;
  }
  std::vector<std::pair<int, int>> anchors;
  for (int k = tails.empty() ? -1 : tails.back(); k >= 0; k = previous[static_cast<std::size_t>(k)])
    anchors.push_back(pairs[static_cast<std::size_t>(k)]);
  std::reverse(anchors.begin(), anchors.end());
  int ia = a0, ib = b0;
  for (const auto& [i, j] : anchors) {
    if (static_cast<long long>(i - ia) * (j - ib) <= kTableBudget) Match(a, ia, i, b, ib, j, out);
    out[static_cast<std::size_t>(i)] = j;
    ia = i + 1;
    ib = j + 1;
  }
  if (static_cast<long long>(a1 - ia) * (b1 - ib) <= kTableBudget) Match(a, ia, a1, b, ib, b1, out);
}

// Hirschberg's division: the half of a's range is matched against the split of b's range
// that gives the longest subsequence, and each side is solved on its own.
void Match(const Ids& a, int a0, int a1, const Ids& b, int b0, int b1, std::vector<int>& out) {
  // Equal ends are partners without search.
  while (a0 < a1 && b0 < b1 && a[static_cast<std::size_t>(a0)] == b[static_cast<std::size_t>(b0)])
    out[static_cast<std::size_t>(a0++)] = b0++;
  while (a0 < a1 && b0 < b1 &&
         a[static_cast<std::size_t>(a1 - 1)] == b[static_cast<std::size_t>(b1 - 1)])
    out[static_cast<std::size_t>(--a1)] = --b1;
  if (a0 >= a1 || b0 >= b1) return;
  if (static_cast<long long>(a1 - a0) * (b1 - b0) > kTableBudget) {
    MatchByUniqueLines(a, a0, a1, b, b0, b1, out);
    return;
  }
  if (a1 - a0 == 1) {
    for (int j = b0; j < b1; ++j) {
      if (b[static_cast<std::size_t>(j)] == a[static_cast<std::size_t>(a0)]) {
        out[static_cast<std::size_t>(a0)] = j;
        return;
      }
    }
    return;
  }
  const int mid = a0 + (a1 - a0) / 2;
  const std::vector<int> front = LcsRow(a, a0, mid, b, b0, b1, false);
  const std::vector<int> back = LcsRow(a, mid, a1, b, b0, b1, true);
  const int m = b1 - b0;
  int split = 0;
  int best = -1;
  for (int j = 0; j <= m; ++j) {
    const int total = front[static_cast<std::size_t>(j)] + back[static_cast<std::size_t>(m - j)];
    if (total > best) {
      best = total;
      split = j;
    }
  }
  Match(a, a0, mid, b, b0, b0 + split, out);
  Match(a, mid, a1, b, b0 + split, b1, out);
}

}  // namespace

std::vector<int> MatchLines(const std::vector<int>& a, const std::vector<int>& b) {
  std::vector<int> out(a.size(), -1);
  Match(a, 0, static_cast<int>(a.size()), b, 0, static_cast<int>(b.size()), out);
  return out;
}

}  // namespace qb
