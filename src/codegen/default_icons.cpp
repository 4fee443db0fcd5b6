#include "codegen/default_icons.h"

#include <array>
#include <cstdint>
#include <string_view>

#include "codegen/bmp_file.h"
#include "codegen/generate_tables.h"

namespace qb {

namespace {

// '.' background, '#' outline, '=' board, 'o' clip, '-' writing, 'q' vane, 'i' shaft and nib.
// clang-format off
constexpr std::array<std::string_view, 32> kLargeArt = {
    ".............................qq.",
    "............................qqiq",
    "...........................qqiqq",
    ".........#########........qqiqq.",
    ".........#ooooooo#.......qqiqq..",
    ".........#ooooooo#......qqiqq...",
    "...#######ooooooo######qqiqq....",
    "..#======#########====qqiqq.....",
    "..#==================qqiqq......",
    "..#=================qqiqq.......",
    "..#=================qqiqq.......",
    "..#================qqiqq#.......",
    "..#===============qqiqq=#.......",
    "..#==============qqiqq==#.......",
    "..#=============qqiqq===#.......",
    "..#==============iqq====#.......",
    "..#=============i=q=====#.......",
    "..#============i========#.......",
    "..#===========i=========#.......",
    "..#==========i==========#.......",
    "..#=========i===========#.......",
    "..#====----i============#.......",
    "..#=====================#.......",
    "..#====---------------==#.......",
    "..#=====================#.......",
    "..#====---------------==#.......",
    "..#=====================#.......",
    "..#====----------=======#.......",
    "..#=====================#.......",
    "..#=====================#.......",
    "...#####################........",
    "................................",
};
// clang-format on

// clang-format off
constexpr std::array<std::string_view, 9> kSmallArt = {
    ".............qi",
    ".##########.qiq",
    "#=========qqiq.",
    "#========qiiq..",
    "#=======qiqq...",
    "#=======iq=#...",
    "#======i===#...",
    "#==---i====#...",
    ".##########....",
};
// clang-format on

template <std::size_t N>
constexpr bool ArtIs(const std::array<std::string_view, N>& art, int width, int height) {
  if (static_cast<int>(N) != height) return false;
  for (std::string_view row : art)
    if (static_cast<int>(row.size()) != width) return false;
  return true;
}
static_assert(ArtIs(kLargeArt, kLargeIconWidth, kLargeIconHeight));
static_assert(ArtIs(kSmallArt, kSmallIconWidth, kSmallIconHeight));

struct Shade {
  char art;
  std::uint8_t index;
};

// One Palm depth: how many bits the file uses, its colour table and the index of each shade.
struct DepthStyle {
  int depth;
  int bits;
  std::array<Shade, 7> shades;
};

// Palette indexes: grey levels from white for 1, 2 and 4 bits; the colour cube below for 8.
constexpr std::array<DepthStyle, 4> kDepths = {{
    {1, 1, {{{'.', 0}, {'=', 0}, {'o', 0}, {'-', 1}, {'q', 1}, {'i', 1}, {'#', 1}}}},
    {2, 4, {{{'.', 0}, {'=', 1}, {'o', 0}, {'-', 2}, {'q', 2}, {'i', 3}, {'#', 3}}}},
    {4, 4, {{{'.', 0}, {'=', 4}, {'o', 2}, {'-', 9}, {'q', 8}, {'i', 13}, {'#', 15}}}},
    // Cube index 36 r + 6 g + b: white, pale yellow, white, grey-blue, blue, navy, black.
    {8, 8, {{{'.', 215}, {'=', 213}, {'o', 215}, {'-', 45}, {'q', 53}, {'i', 1}, {'#', 0}}}},
}};

// 2^n grey levels from white to black, or for 8 bits the 6 x 6 x 6 colour cube followed by
// 40 further greys.
std::vector<std::uint32_t> PaletteFor(const DepthStyle& style) {
  std::vector<std::uint32_t> palette;
  auto grey = [](std::uint32_t level) { return level * 0x010101u; };
  if (style.depth < 8) {
    const std::uint32_t levels = 1u << style.depth;
    for (std::uint32_t i = 0; i < levels; ++i)
      palette.push_back(grey(255 - i * 255 / (levels - 1)));
    return palette;
  }
  for (std::uint32_t r = 0; r < 6; ++r)
    for (std::uint32_t g = 0; g < 6; ++g)
      for (std::uint32_t b = 0; b < 6; ++b)
        palette.push_back((r * 51) << 16 | (g * 51) << 8 | b * 51);
  for (std::uint32_t i = 0; palette.size() < 256; ++i) palette.push_back(grey(6 + i * 6));
  return palette;
}

const DepthStyle& StyleFor(int depth) {
  for (const DepthStyle& style : kDepths)
    if (style.depth == depth) return style;
  return kDepths.front();
}

template <std::size_t N>
IndexedBitmap Paint(const std::array<std::string_view, N>& art, const DepthStyle& style) {
  IndexedBitmap bitmap;
  bitmap.width = static_cast<int>(art.front().size());
  bitmap.height = static_cast<int>(N);
  bitmap.bits = style.bits;
  bitmap.palette = PaletteFor(style);
  for (std::string_view row : art)
    for (char c : row) {
      std::uint8_t index = 0;
      for (const Shade& shade : style.shades)
        if (shade.art == c) index = shade.index;
      bitmap.pixels.push_back(index);
    }
  return bitmap;
}

}  // namespace

std::string DefaultIconBmp(bool large, int depth) {
  const DepthStyle& style = StyleFor(depth);
  return EncodeBmp(large ? Paint(kLargeArt, style) : Paint(kSmallArt, style));
}

}  // namespace qb
