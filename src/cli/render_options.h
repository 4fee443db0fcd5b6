#pragma once

#include <optional>
#include <string>
#include <vector>

namespace qb::cli {

inline constexpr int kMaxScale = 16;

struct RenderOptions {
  std::string form_path;
  std::string out_path;
  int library = 0;  // 1 CControls, 2 PToolboxLib
  int scale = 1;
  std::string show_menu;  // a CControls menu to show open, as its Test flag does
};

// The options of "render"; nullopt with the reason in *error when they are wrong.
std::optional<RenderOptions> ParseRenderOptions(const std::vector<std::string>& args,
                                                std::string* error);

}  // namespace qb::cli
