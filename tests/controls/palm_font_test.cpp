// The raster-font reader: FNT versions 2 and 3, .fon files, hostile input, the text
// encoding, the generated default faces and the face registry.

#include "controls/palm_font.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>

#include "controls/fnt_format.h"
#include "controls/fon_writer.h"
#include "controls/font_registry.h"
#include "support/fake_ui.h"
#include "support/temp_dir.h"

namespace qb {
namespace {

// A version 2 font written out field by field: 'A' is 3 wide, 'B' 9 wide (two byte
// columns), 3 rows, default character 'B'.
std::vector<std::uint8_t> HandWrittenFnt() {
  fnt::FntHeader h{};
  h.version = 0x0200;
  h.pix_height = 3;
  h.ascent = 2;
  h.first_char = 'A';
  h.last_char = 'B';
  h.default_char = 1;
  const std::uint32_t table = 118;
  const std::uint32_t bits = table + 3 * 4;
  h.bits_offset = bits;
  h.face = bits + 3 + 6;
  std::vector<std::uint8_t> out(sizeof(h));
  std::memcpy(out.data(), &h, sizeof(h));
  auto u16 = [&](int v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
  };
  u16(3), u16(bits);
  u16(9), u16(bits + 3);
  u16(0), u16(bits + 9);
  // 'A': #.# / .#. / #.#
  for (int b : {0xA0, 0x40, 0xA0}) out.push_back(static_cast<std::uint8_t>(b));
  // 'B': #.......# / ......... / #########, column 0 then column 1.
  for (int b : {0x80, 0x00, 0xFF, 0x80, 0x00, 0x80}) out.push_back(static_cast<std::uint8_t>(b));
  for (char ch : std::string("Tiny")) out.push_back(static_cast<std::uint8_t>(ch));
  out.push_back(0);
  return out;
}

std::string GlyphArt(const GlyphView& g) {
  std::string s;
  for (int y = 0; y < g.height; ++y) {
    for (int x = 0; x < g.width; ++x) s += g.Bit(x, y) ? '#' : '.';
    s += '/';
  }
  return s;
}

TEST(FntReader, ReadsAHandWrittenVersion2Font) {
  std::string error;
  auto face = PalmFace::FromFnt(HandWrittenFnt(), &error);
  ASSERT_TRUE(face) << error;
  EXPECT_EQ(face->FaceName(), "Tiny");
  EXPECT_EQ(face->Height(), 3);
  EXPECT_EQ(face->Ascent(), 2);
  EXPECT_EQ(face->DefaultChar(), 'B');
  EXPECT_EQ(GlyphArt(face->Glyph('A')), "#.#/.#./#.#/");
  EXPECT_EQ(GlyphArt(face->Glyph('B')), "#.......#/........./#########/");
  // Outside the face: the default character.
  EXPECT_EQ(face->Glyph('C').width, 9);
  EXPECT_EQ(face->Glyph(-1).width, 9);
  EXPECT_EQ(face->TextWidth("AB"), 12);
  EXPECT_EQ(face->TextWidth("AzA"), 15);
}

RasterFaceSpec SampleSpec() {
  RasterFaceSpec face_spec;
  face_spec.face_name = "Sample";
  face_spec.height = 4;
  face_spec.ascent = 3;
  face_spec.first_char = 0x30;
  face_spec.last_char = 0x33;
  face_spec.default_char = 0x33;
  face_spec.break_char = 0x30;
  for (int i = 0; i < 4; ++i) {
    RasterGlyph g;
    g.width = 2 + 5 * i;  // 2, 7, 12 and 17 wide: up to three byte columns
    g.pixels.assign(static_cast<std::size_t>(g.width) * face_spec.height, 0);
    for (int y = 0; y < face_spec.height; ++y) g.pixels[y * g.width + (y + i) % g.width] = 1;
    face_spec.glyphs.push_back(g);
  }
  return face_spec;
}

void ExpectSample(const PalmFace& face) {
  RasterFaceSpec face_spec = SampleSpec();
  EXPECT_EQ(face.FaceName(), "Sample");
  EXPECT_EQ(face.Height(), 4);
  for (int i = 0; i < 4; ++i) {
    GlyphView g = face.Glyph(0x30 + i);
    ASSERT_EQ(g.width, face_spec.glyphs[i].width);
    for (int y = 0; y < 4; ++y)
      for (int x = 0; x < g.width; ++x)
        EXPECT_EQ(g.Bit(x, y), face_spec.glyphs[i].pixels[y * g.width + x] != 0)
            << "glyph " << i << " (" << x << ", " << y << ")";
  }
}

TEST(FntReader, VersionsTwoAndThreeAndTheFonWrapperReadTheSame) {
  std::string error;
  for (int version : {2, 3}) {
    auto face = PalmFace::FromFnt(WriteFnt(SampleSpec(), version), &error);
    ASSERT_TRUE(face) << "version " << version << ": " << error;
    ExpectSample(*face);
  }
  auto fon = WriteFon(SampleSpec());
  EXPECT_EQ(fon[0], 'M');
  EXPECT_EQ(fon[1], 'Z');
  auto face = PalmFace::FromFile(fon, &error);
  ASSERT_TRUE(face) << error;
  ExpectSample(*face);
  // A plain .fnt goes through the same entry point.
  ASSERT_TRUE(PalmFace::FromFile(WriteFnt(SampleSpec(), 3), &error));
}

TEST(FntReader, RefusesWhatIsNotAOneBitRasterFont) {
  std::string error;
  auto fnt = HandWrittenFnt();
  auto with = [&](auto change) {
    auto copy = fnt;
    change(copy);
    return PalmFace::FromFnt(copy, &error).has_value();
  };
  EXPECT_FALSE(with([](auto& d) { d[1] = 0x01; }));                           // version 1
  EXPECT_FALSE(with([](auto& d) { d[66] = 1; }));                             // a vector font
  EXPECT_FALSE(with([](auto& d) { d[88] = 0, d[89] = 0; }));                  // no height
  EXPECT_FALSE(with([](auto& d) { d[95] = 'C', d[96] = 'A'; }));              // first after last
  EXPECT_FALSE(with([](auto& d) { d[118 + 2] = 0xF0, d[118 + 3] = 0xFF; }));  // glyph outside
  EXPECT_FALSE(with([](auto& d) { d[118 + 4] = 0xFF, d[118 + 5] = 0x7F; }));  // too wide
  auto v3 = WriteFnt(SampleSpec(), 3);
  v3[118] = 0x20;  // 16 colours
  EXPECT_FALSE(PalmFace::FromFnt(v3, &error));
  EXPECT_EQ(error, "not one bit per pixel");
}

TEST(FntReader, EveryTruncationOfAFileFailsCleanly) {
  auto fon = WriteFon(SampleSpec());
  std::string error;
  int read = 0;
  for (std::size_t n = 0; n < fon.size(); ++n) {
    std::vector<std::uint8_t> cut(fon.begin(), fon.begin() + static_cast<std::ptrdiff_t>(n));
    if (PalmFace::FromFile(cut, &error)) ++read;
  }
  // Only cuts into the padding after the last glyph can still be read.
  EXPECT_LT(read, 32);
  auto fnt = HandWrittenFnt();
  for (std::size_t n = 0; n + 5 < fnt.size(); ++n) {
    std::vector<std::uint8_t> cut(fnt.begin(), fnt.begin() + static_cast<std::ptrdiff_t>(n));
    EXPECT_FALSE(PalmFace::FromFile(cut, &error)) << n;
  }
}

TEST(FntReader, HostileResourceTablesAndRandomBytesDoNotCrash) {
  auto fon = WriteFon(SampleSpec());
  std::string error;
  // The NE header's resource-table offset, then the FONT entry's offset, pointed far away.
  auto bad = fon;
  bad[0x80 + 36] = 0xFF, bad[0x80 + 37] = 0xFF;
  EXPECT_FALSE(PalmFace::FromFile(bad, &error));
  bad = fon;
  bad[0x3C] = 0xF0, bad[0x3D] = 0xFF, bad[0x3E] = 0xFF, bad[0x3F] = 0xFF;
  EXPECT_FALSE(PalmFace::FromFile(bad, &error));
  bad = fon;
  bad[0x80 + 64] = 31;  // alignment shift
  EXPECT_FALSE(PalmFace::FromFile(bad, &error));

  std::mt19937 random(12345);
  for (int round = 0; round < 2000; ++round) {
    auto noisy = fon;
    for (int k = 0; k < 8; ++k)
      noisy[random() % noisy.size()] = static_cast<std::uint8_t>(random());
    auto face = PalmFace::FromFile(noisy, &error);
    if (face) (void)face->TextWidth("0123");  // a face that loads must also draw
  }
}

TEST(FntReader, MissingFileReportsAnError) {
  std::string error;
  EXPECT_FALSE(PalmFace::Load("/nonexistent/PilotStandard.fon", &error));
  EXPECT_EQ(error, "cannot open /nonexistent/PilotStandard.fon");
}

TEST(FntReader, WhatIsNotAFileIsRefusedAtOnce) {
  test::TempDir dir;
  std::filesystem::create_directory(dir.Path("PilotBold.fon"));
  ASSERT_EQ(::mkfifo(dir.Path("PilotLarge.fon").c_str(), 0600), 0);
  for (const std::string& path :
       {dir.Path("PilotBold.fon"), dir.Path("PilotLarge.fon"), std::string("/dev/zero")}) {
    std::string error;
    EXPECT_FALSE(PalmFace::Load(path, &error));
    EXPECT_EQ(error, "cannot open " + path + ": not a file");
  }
}

struct Cp1252Case {
  const char* utf8;
  std::vector<int> codes;
};

TEST(TextEncoding, Utf8MapsToWindows1252) {
  const Cp1252Case cases[] = {
      {"Az", {'A', 'z'}},
      {"\xC3\xA9", {0xE9}},                        // é
      {"\xE2\x82\xAC", {0x80}},                    // €
      {"\xE2\x80\x9C\xE2\x80\x9D", {0x93, 0x94}},  // curly quotes
      {"\xC5\xB8", {0x9F}},                        // Ÿ
      {"\xE4\xB8\xAD", {-1}},                      // 中: not in the code page
      {"\xC2\x81", {-1}},                          // U+0081: a byte the code page leaves open
      {"\xFF"
       "A",
       {-1, 'A'}},                 // not UTF-8
      {"\xC3", {-1}},              // cut short
      {"\xC0\xAF", {-1}},          // overlong
      {"\xED\xA0\x80", {-1}},      // a surrogate
      {"\xF0\x9F\x98\x80", {-1}},  // beyond the BMP
  };
  for (const auto& c : cases) {
    std::string_view s = c.utf8;
    std::vector<int> got;
    for (std::size_t pos = 0; pos < s.size();) got.push_back(NextCp1252(s, &pos));
    EXPECT_EQ(got, c.codes) << c.utf8;
  }
  EXPECT_EQ(Utf8FromCp1252("\x80\xE9"
                           "a"),
            "\xE2\x82\xAC\xC3\xA9"
            "a");
}

// The faces the build made from the X11 fonts.
struct DefaultFace {
  const char* file;
  const char* name;
  int height;
};

TEST(DefaultFaces, LoadThroughTheReaderWithPalmHeights) {
  const DefaultFace faces[] = {{"PilotStandard.fon", "PilotStandard", 11},
                               {"PilotBold.fon", "PilotBold", 11},
                               {"PilotLarge.fon", "PilotLarge", 14},
                               {"PilotBold12.fon", "PilotBold12", 14}};
  for (const auto& f : faces) {
    std::string error;
    auto face = PalmFace::Load(std::string(QB_BIN_DIR) + "/" + f.file, &error);
    ASSERT_TRUE(face) << f.file << ": " << error;
    EXPECT_EQ(face->FaceName(), f.name);
    EXPECT_EQ(face->Height(), f.height) << f.file;
    EXPECT_EQ(face->FirstChar(), 0x20);
    EXPECT_EQ(face->LastChar(), 0xFF);
    // Capitals are wider than the dot, and the Latin-1 and Windows-1252 letters are there.
    EXPECT_GT(face->TextWidth("M"), face->TextWidth("."));
    EXPECT_NE(face->Glyph(0xE9).bits, face->Glyph(face->DefaultChar()).bits);
    EXPECT_NE(face->Glyph(0x80).bits, face->Glyph(face->DefaultChar()).bits);
  }
}

TEST(DefaultFaces, Form1InBoldHasATitleWidth) {
  std::string error;
  auto bold = PalmFace::Load(std::string(QB_BIN_DIR) + "/PilotBold.fon", &error);
  ASSERT_TRUE(bold) << error;
  int width = bold->TextWidth("Form1");
  // A Palm title of five characters: about five pixels each.
  EXPECT_GE(width, 20);
  EXPECT_LE(width, 32);
  std::printf("\"Form1\" in PilotBold is %d pixels wide\n", width);
  auto standard = PalmFace::Load(std::string(QB_BIN_DIR) + "/PilotStandard.fon", &error);
  ASSERT_TRUE(standard) << error;
  EXPECT_GE(standard->TextWidth("Form1"), 20);
  EXPECT_LE(standard->TextWidth("Form1"), 32);
}

TEST(BuiltinFace, DrawsAsciiAndShowsTheBoxForTheRest) {
  const PalmFace& face = BuiltinFace();
  EXPECT_EQ(face.Height(), 11);
  EXPECT_GT(face.TextWidth("Form1"), 10);
  EXPECT_EQ(face.Glyph(0xE9).bits, face.Glyph(face.DefaultChar()).bits);
}

class FontRegistryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("qb_fonts_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  void Write(const std::string& name, const std::vector<std::uint8_t>& data) {
    std::ofstream out(dir_ / name, std::ios::binary);
    out.write(reinterpret_cast<const char*>(data.data()),
              static_cast<std::streamsize>(data.size()));
  }
  std::filesystem::path dir_;
  test::FakeUi ui_;
  FontRegistry fonts_;
};

TEST_F(FontRegistryTest, EachMissingFaceIsReportedOnceInStartUpOrder) {
  fonts_.LoadPalmFonts(dir_.string(), ui_);
  EXPECT_EQ(ui_.Texts(),
            (std::vector<std::string>{
                "Error: PilotStandard.fon not found", "Error: PilotLarge.fon not found",
                "Error: PilotBold.fon not found", "Error: PilotBold12.fon not found"}));
  for (const auto& shown : ui_.ShownLog()) {
    EXPECT_EQ(shown.caption, "Error");
    EXPECT_EQ(shown.icon, MsgIcon::kError);
  }
  // Text is still drawn, with the built-in face.
  EXPECT_EQ(&fonts_.Face("PilotBold"), &BuiltinFace());
  EXPECT_FALSE(fonts_.IsLoaded("PilotBold"));
}

TEST_F(FontRegistryTest, AnUnreadableFileIsReportedAndTheOthersLoad) {
  for (const char* f : {"PilotStandard.fon", "PilotLarge.fon", "PilotBold12.fon"})
    Write(f, WriteFon(SampleSpec()));
  Write("PilotBold.fon", {'M', 'Z', 1, 2, 3});
  fonts_.LoadPalmFonts(dir_.string(), ui_);
  EXPECT_EQ(ui_.Texts(), (std::vector<std::string>{"Error: PilotBold.fon not found"}));
  EXPECT_TRUE(fonts_.IsLoaded("PilotStandard"));
  EXPECT_TRUE(fonts_.IsLoaded("PilotLarge"));
  EXPECT_TRUE(fonts_.IsLoaded("PilotBold12"));
  EXPECT_FALSE(fonts_.IsLoaded("PilotBold"));
}

TEST_F(FontRegistryTest, TheBuildFolderHoldsAllFour) {
  fonts_.LoadPalmFonts(QB_BIN_DIR, ui_);
  EXPECT_TRUE(ui_.Texts().empty());
  EXPECT_EQ(fonts_.Face("PilotLarge").Height(), 14);
  EXPECT_EQ(fonts_.Face("PilotBold12").FaceName(), "PilotBold12");
  fonts_.Unload();
  EXPECT_FALSE(fonts_.IsLoaded("PilotStandard"));
}

TEST_F(FontRegistryTest, OtherNamesUsePilotStandardComparedExactly) {
  fonts_.SetFace("PilotStandard", *PalmFace::FromFnt(WriteFnt(SampleSpec(), 2), nullptr));
  const PalmFace* standard = &fonts_.Face("PilotStandard");
  EXPECT_EQ(standard->FaceName(), "Sample");
  EXPECT_EQ(&fonts_.Face("MS Sans Serif"), standard);
  EXPECT_EQ(&fonts_.Face("pilotbold"), standard);
  EXPECT_EQ(&fonts_.Face(""), standard);
  EXPECT_NE(&fonts_.Face("PilotBold"), standard);
}

}  // namespace
}  // namespace qb
