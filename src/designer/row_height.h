#pragma once

namespace qb {

// The row height of the standard face, which list boxes and tables snap their height to.
inline constexpr int kStandardRowHeight = 11;

}  // namespace qb
