// Builds the four default Palm faces from the Adobe Helvetica bitmap fonts of the X11
// 75-dpi font collection and writes them as .fon files, so that a fresh build draws text
// without any outside font file. A user's own .fon files replace them.
//
//   qb_fontgen --source-dir <folder of the .pcf.gz files> --out-dir <folder>
//              [--builtin-cpp <file>]   also write the built-in face as C++ source

#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "controls/fnt_format.h"
#include "controls/fon_writer.h"
#include "pcf_reader.h"

namespace fontgen {

namespace {

struct FaceRecipe {
  const char* font_name;
  const char* file_name;
  const char* source;  // base name in the X11 folder
  int cell_height;     // the Palm face's height
  int points;
  int weight;
};

// Palm metrics: Standard and Bold 11 pixels high, Large and LargeBold 14.
constexpr FaceRecipe kRecipes[] = {
    {"PilotStandard", "PilotStandard.fon", "helvR08", 11, 8, 400},
    {"PilotBold", "PilotBold.fon", "helvB08", 11, 8, 700},
    {"PilotLarge", "PilotLarge.fon", "helvR12", 14, 10, 400},
    {"PilotBold12", "PilotBold12.fon", "helvB12", 14, 10, 700},
};

constexpr int kFirstChar = 0x20;
constexpr int kLastChar = 0xFF;
constexpr int kBoxChar = 0x7F;  // the default character: a box, drawn for anything missing
constexpr int kBuiltinLastChar = 0x7F;

bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& data) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
  return static_cast<bool>(out);
}

// The content of a gzip'd file, through zlib (which checks its CRC and length); nullopt, with
// the reason, for a damaged one.
std::optional<std::vector<std::uint8_t>> Gunzip(const std::string& path, std::string* error) {
  gzFile file = gzopen(path.c_str(), "rb");
  if (!file) {
    *error = "cannot open";
    return std::nullopt;
  }
  std::vector<std::uint8_t> data;
  std::uint8_t buffer[1 << 16];
  int n = 0;
  while ((n = gzread(file, buffer, sizeof buffer)) > 0) data.insert(data.end(), buffer, buffer + n);
  int code = Z_OK;
  if (n < 0) *error = gzerror(file, &code);
  gzclose(file);
  if (n < 0) return std::nullopt;
  return data;
}

// The Unicode-encoded source when there is one (it has the Windows-1252 extras), else the
// Latin-1 one, whose codes are the same as Unicode's.
std::optional<PcfFont> LoadSource(const std::string& dir, const std::string& base,
                                  std::string* error) {
  for (const char* suffix : {".pcf.gz", "-ISO8859-1.pcf.gz"}) {
    std::string path = dir + "/" + base + suffix;
    if (!std::ifstream(path, std::ios::binary)) continue;
    auto raw = Gunzip(path, error);
    if (!raw) {
      *error = path + ": " + *error;
      return std::nullopt;
    }
    auto font = ReadPcf(*raw, error);
    if (!font) *error = path + ": " + *error;
    return font;
  }
  *error = dir + "/" + base + ".pcf.gz not found";
  return std::nullopt;
}

qb::RasterGlyph BoxGlyph(int width, int top, int bottom, int height) {
  qb::RasterGlyph g;
  g.width = width;
  g.pixels.assign(static_cast<std::size_t>(width) * height, 0);
  for (int y = top; y <= bottom; ++y)
    for (int x = 0; x < width - 1; ++x)
      if (y == top || y == bottom || x == 0 || x == width - 2)
        g.pixels[static_cast<std::size_t>(y) * width + x] = 1;
  return g;
}

// The glyph in a cell of the Palm height, its baseline ascent rows down. The cell spans
// the advance and any ink beyond it (a few glyphs reach past their advance), so nothing is
// cut off sideways; ink above or below the cell is cut off.
qb::RasterGlyph CellGlyph(const PcfGlyph& src, int ascent, int height) {
  int left = std::min(src.left_bearing, 0);
  int right = std::max(src.advance, src.right_bearing);
  qb::RasterGlyph g;
  g.width = std::max(right - left, 0);
  g.pixels.assign(static_cast<std::size_t>(g.width) * height, 0);
  for (int iy = 0; iy < src.InkHeight(); ++iy)
    for (int ix = 0; ix < src.InkWidth(); ++ix) {
      int x = src.left_bearing - left + ix;
      int y = ascent - src.ascent + iy;
      if (y >= 0 && y < height && src.Ink(ix, iy))
        g.pixels[static_cast<std::size_t>(y) * g.width + x] = 1;
    }
  return g;
}

qb::RasterFaceSpec MakeFace(const FaceRecipe& recipe, const PcfFont& src, int last_char) {
  qb::RasterFaceSpec face;
  face.face_name = recipe.font_name;
  auto copyright = src.properties.find("COPYRIGHT");
  if (copyright != src.properties.end()) face.copyright = copyright->second.substr(0, 59);
  face.height = recipe.cell_height;
  // Descenders keep their rows; extra rows go above the capitals.
  face.ascent = std::max(recipe.cell_height - src.descent, 0);
  face.points = recipe.points;
  face.weight = recipe.weight;
  face.first_char = kFirstChar;
  face.last_char = last_char;
  face.default_char = kBoxChar;
  face.break_char = ' ';

  int cap_height = src.glyphs.count('H') ? src.glyphs.at('H').ascent : face.ascent;
  int box_width = src.glyphs.count('n') ? std::max(src.glyphs.at('n').advance, 4) : 5;
  qb::RasterGlyph box = BoxGlyph(box_width, std::max(face.ascent - cap_height, 0),
                                 std::max(face.ascent - 1, 0), face.height);
  for (int code = kFirstChar; code <= last_char; ++code) {
    char32_t cp = qb::fnt::UnicodeFromCp1252(code);
    auto it = code == kBoxChar || cp == 0 ? src.glyphs.end() : src.glyphs.find(cp);
    face.glyphs.push_back(it == src.glyphs.end() ? box
                                                 : CellGlyph(it->second, face.ascent, face.height));
  }
  return face;
}

bool WriteBuiltin(const std::string& path, const std::vector<std::uint8_t>& fnt) {
  std::ofstream out(path);
  out << "// The built-in face: drawn when a Palm face could not be loaded. Generated by\n"
         "// tools/fontgen (--builtin-cpp) from the Adobe Helvetica 8-pixel bitmap font of the\n"
         "// X11 75-dpi collection; its licence is in tools/fontgen/LICENSE-fonts.\n\n"
         "#include <cstdint>\n\n"
         "#include \"controls/palm_font.h\"\n\n"
         "namespace qb {\n\n"
         "namespace {\n\n"
         "// A version 2 FNT resource, characters 0x20 to 0x7F.\n"
         "constexpr std::uint8_t kBuiltinFnt[] = {\n";
  for (std::size_t i = 0; i < fnt.size(); ++i) {
    if (i % 16 == 0) out << "   ";
    char hex[8];
    std::snprintf(hex, sizeof(hex), " 0x%02X,", fnt[i]);
    out << hex;
    if (i % 16 == 15 || i + 1 == fnt.size()) out << "\n";
  }
  out << "};\n\n"
         "PalmFace MakeBuiltinFace() {\n"
         "  std::string error;\n"
         "  auto face = PalmFace::FromFnt(kBuiltinFnt, &error);\n"
         "  return face ? *face : PalmFace();\n"
         "}\n\n"
         "}  // namespace\n\n"
         "const PalmFace& BuiltinFace() {\n"
         "  static const PalmFace kFace = MakeBuiltinFace();\n"
         "  return kFace;\n"
         "}\n\n"
         "}  // namespace qb\n";
  return static_cast<bool>(out);
}

int Run(int argc, char** argv) {
  std::string source_dir, out_dir, builtin;
  for (int i = 1; i + 1 < argc; i += 2) {
    std::string arg = argv[i];
    if (arg == "--source-dir")
      source_dir = argv[i + 1];
    else if (arg == "--out-dir")
      out_dir = argv[i + 1];
    else if (arg == "--builtin-cpp")
      builtin = argv[i + 1];
  }
  if (source_dir.empty() || out_dir.empty()) {
    std::fprintf(stderr, "usage: qb_fontgen --source-dir DIR --out-dir DIR [--builtin-cpp FILE]\n");
    return 2;
  }
  for (const FaceRecipe& recipe : kRecipes) {
    std::string error;
    auto src = LoadSource(source_dir, recipe.source, &error);
    if (!src) {
      std::fprintf(stderr, "qb_fontgen: %s\n", error.c_str());
      return 1;
    }
    std::vector<std::uint8_t> fon = qb::WriteFon(MakeFace(recipe, *src, kLastChar));
    std::string path = out_dir + "/" + recipe.file_name;
    if (fon.empty() || !WriteFile(path, fon)) {
      std::fprintf(stderr, "qb_fontgen: cannot write %s\n", path.c_str());
      return 1;
    }
    std::printf("%s: source ascent %d descent %d, cell %d\n", recipe.file_name, src->ascent,
                src->descent, recipe.cell_height);
    if (!builtin.empty() && &recipe == &kRecipes[0] &&
        !WriteBuiltin(builtin, qb::WriteFnt(MakeFace(recipe, *src, kBuiltinLastChar), 2))) {
      std::fprintf(stderr, "qb_fontgen: cannot write %s\n", builtin.c_str());
      return 1;
    }
  }
  return 0;
}

}  // namespace
}  // namespace fontgen

int main(int argc, char** argv) { return fontgen::Run(argc, argv); }
