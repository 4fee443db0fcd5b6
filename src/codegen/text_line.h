#pragma once

// Generated lines are built from pieces joined with nothing between them: literal texts,
// design texts inserted as they are, and numbers in decimal.

#include <string>
#include <string_view>
#include <type_traits>

namespace qb {

namespace text_line_detail {

inline void Append(std::string& out, std::string_view piece) { out.append(piece); }
inline void Append(std::string& out, const char* piece) { out.append(piece); }
inline void Append(std::string& out, const std::string& piece) { out.append(piece); }
template <typename N>
requires std::is_integral_v<N>
void Append(std::string& out, N number) { out.append(std::to_string(number)); }

}  // namespace text_line_detail

// One line of generated text from its pieces.
template <typename... Pieces>
std::string TextLine(const Pieces&... pieces) {
  std::string out;
  (text_line_detail::Append(out, pieces), ...);
  return out;
}

}  // namespace qb
