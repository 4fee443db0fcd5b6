#include "palmdoc.h"

#include <gtest/gtest.h>

#include <random>
#include <stdexcept>
#include <string>

#include "tools/doc_reader.h"
#include "tools/tool_test_util.h"

namespace qb::palmdoc {
namespace {

using test::DecodeStats;
using test::DecompressRecord;

std::string Compress(const std::string& text) {
  const Bytes out =
      CompressRecord(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
  return std::string(out.begin(), out.end());
}

struct CompressCase {
  const char* label;
  std::string text;
  std::string expected;
};

// Expected codes worked out by hand from the code table.
TEST(CompressRecordTest, ProducesTheExpectedCodes) {
  const CompressCase cases[] = {
      {"empty", "", ""},
      {"one letter", "a", "a"},
      {"repeat at distance 3", "abcabcabc", "abc\x80\x1B"},
      {"overlapping repeat", "aaaa", "a\x80\x08"},
      {"longest pair", std::string(11, 'z'), "z\x80\x0F"},
      {"pair after pair", std::string(20, 'z'), "z\x80\x0F\x80\x0E"},
      {"space and letter", " a", "\xE1"},
      {"space and digit stay apart", " 1", " 1"},
      {"two spaces", "  a", " \xE1"},
      {"space pair inside text", "ab ab",
       "ab\xE1"
       "b"},
      {"lone space", " ", " "},
      {"nul and tab are literal", std::string("\0\t", 2), std::string("\0\t", 2)},
      {"escape-range byte", "\x01", std::string("\x01\x01", 2)},
      {"high and low bytes share a run", "\x80\x05x", "\x02\x80\x05x"},
      {"run of eight, then one", "\x81\x82\x83\x84\x85\x86\x87\x88\x89",
       "\x08\x81\x82\x83\x84\x85\x86\x87\x88\x01\x89"},
      {"run gives way to a pair", std::string(9, '\x90'), "\x01\x90\x80\x0D"},
  };
  for (const CompressCase& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(Compress(c.text), c.expected);
    EXPECT_EQ(DecompressRecord(c.expected), c.text);
  }
}

TEST(CompressRecordTest, ReachesBackAtMost2047Bytes) {
  std::string filler;
  while (filler.size() < 2044) filler += "ab";
  // "XYZ" again at distance 2047: one pair, 11 bits of distance, length 3.
  const std::string reachable = "XYZ" + filler + "XYZ";
  const std::string near = Compress(reachable);
  ASSERT_GE(near.size(), 2u);
  EXPECT_EQ(near.substr(near.size() - 2), "\xBF\xF8");
  DecodeStats stats;
  EXPECT_EQ(DecompressRecord(near, &stats), reachable);
  EXPECT_EQ(stats.max_distance, 2047);

  // One byte further it is out of reach and goes out as letters.
  const std::string unreachable = "XYZ" + filler + "a" + "XYZ";
  const std::string far = Compress(unreachable);
  EXPECT_EQ(far.substr(far.size() - 3), "XYZ");
  EXPECT_EQ(DecompressRecord(far), unreachable);
}

TEST(CompressRecordTest, RoundTripsEveryByteValueAndRandomData) {
  std::string all;
  for (int i = 0; i < 256; ++i) all += static_cast<char>(i);
  std::mt19937 random(7);
  std::string noise(kRecordSize, '\0');
  for (char& c : noise) c = static_cast<char>(random());
  std::string low_alphabet(kRecordSize, '\0');  // few symbols: many short matches
  for (char& c : low_alphabet) c = "ab \x01\x80"[random() % 5];
  for (const std::string& text : {all, all + all, noise, low_alphabet}) {
    const std::string packed = Compress(text);
    EXPECT_EQ(DecompressRecord(packed), text);
    // At worst one count byte per eight raw bytes.
    EXPECT_LE(packed.size(), text.size() + (text.size() + 7) / 8);
  }
}

TEST(CompressRecordTest, RoundTripsTheSampleTexts) {
  for (const test::SampleText& sample : test::SampleTexts()) {
    SCOPED_TRACE(sample.label);
    const std::string record = sample.text.substr(0, kRecordSize);
    EXPECT_EQ(DecompressRecord(Compress(record)), record);
  }
}

TEST(PalmTimeTest, CountsSecondsFrom1904) {
  using std::chrono::seconds;
  using std::chrono::system_clock;
  const struct {
    long long unix_seconds;
    std::uint32_t palm;
  } cases[] = {
      {0, 2082844800u},           // 1970-01-01
      {946684800, 3029529600u},   // 2000-01-01
      {-2082844800, 0u},          // 1904-01-01
      {-2082844801, 0u},          // before the Palm epoch
      {2212122495, 4294967295u},  // 2040-02-06 06:28:15, the last second
      {2212122496, 0u},           // then the field wraps
      {2212122497, 1u},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.unix_seconds);
    EXPECT_EQ(PalmTime(system_clock::time_point(seconds(c.unix_seconds))), c.palm);
  }
}

TEST(DatabaseNameTest, CutsTo31BytesKeepingCharactersWhole) {
  const std::string a31(31, 'a');
  EXPECT_EQ(DatabaseName(""), "");
  EXPECT_EQ(DatabaseName("Demo.pc"), "Demo.pc");
  EXPECT_EQ(DatabaseName(a31), a31);
  EXPECT_EQ(DatabaseName(a31 + "b"), a31);
  // "ä" is two bytes: at bytes 30-31 it would be split, so it is dropped.
  EXPECT_EQ(DatabaseName(std::string(30, 'a') + "\xC3\xA4"), std::string(30, 'a'));
  EXPECT_EQ(DatabaseName(std::string(29, 'a') + "\xC3\xA4" + "b"),
            std::string(29, 'a') + "\xC3\xA4");
  // A three-byte character that starts at byte 29 does not fit.
  EXPECT_EQ(DatabaseName(std::string(29, 'a') + "\xE2\x82\xAC"), std::string(29, 'a'));
}

constexpr std::uint32_t kJan2000 = 3029529600u;

std::string Build(const std::string& text, bool compress, const std::string& name = "Sample.pc") {
  const Bytes out = BuildDatabase(text, {name, compress, kJan2000});
  return std::string(out.begin(), out.end());
}

class BuildDatabaseTest : public ::testing::TestWithParam<bool> {};

TEST_P(BuildDatabaseTest, WritesHeaderRecordListAndText) {
  const bool compress = GetParam();
  for (const test::SampleText& sample : test::SampleTexts()) {
    SCOPED_TRACE(sample.label);
    const std::string file = Build(sample.text, compress);
    std::string error;
    const auto pdb = test::ParsePdb(file, &error);
    ASSERT_TRUE(pdb) << error;

    EXPECT_EQ(pdb->name_field, std::string("Sample.pc") + std::string(23, '\0'));
    EXPECT_EQ(pdb->attributes, 0);
    EXPECT_EQ(pdb->version, 0);
    EXPECT_EQ(pdb->creation_date, kJan2000);
    EXPECT_EQ(pdb->modification_date, kJan2000);
    EXPECT_EQ(pdb->backup_date, 0u);
    EXPECT_EQ(pdb->modification_number, 0u);
    EXPECT_EQ(pdb->app_info_id, 0u);
    EXPECT_EQ(pdb->sort_info_id, 0u);
    EXPECT_EQ(pdb->type, "TEXt");
    EXPECT_EQ(pdb->creator, "REAd");
    EXPECT_EQ(pdb->next_record_list_id, 0u);
    const std::size_t records = sample.text_records + 1;
    ASSERT_EQ(pdb->record_count, records);
    EXPECT_EQ(pdb->unique_id_seed, records + 1);

    // Record 0 right after the list and two filler bytes; each record starts where the one
    // before ends (the reader cuts them that way), so the offsets cover the file.
    EXPECT_EQ(pdb->entries[0].offset, 78 + 8 * records + 2);
    EXPECT_EQ(pdb->filler, std::string(2, '\0'));
    for (std::size_t r = 0; r < records; ++r) {
      EXPECT_EQ(pdb->entries[r].attributes, 0);
      EXPECT_EQ(pdb->entries[r].unique_id, r + 1);
    }

    const auto info = test::ParseDocInfo(pdb->records[0]);
    ASSERT_TRUE(info);
    EXPECT_EQ(info->version, compress ? 2 : 1);
    EXPECT_EQ(info->spare, 0);
    EXPECT_EQ(info->text_length, sample.text.size());
    EXPECT_EQ(info->record_count, sample.text_records);
    EXPECT_EQ(info->record_size, 4096);
    EXPECT_EQ(info->current_position, 0u);

    const auto text = test::ReadDocText(file, &error);
    ASSERT_TRUE(text) << error;
    EXPECT_EQ(*text, sample.text);

    std::size_t stored = 0;
    for (std::size_t r = 1; r < records; ++r) {
      const std::size_t piece = std::min<std::size_t>(4096, sample.text.size() - (r - 1) * 4096);
      if (!compress) {
        EXPECT_EQ(pdb->records[r].size(), piece) << "record " << r;
      }
      stored += pdb->records[r].size();
    }
    if (compress && !sample.text.empty()) {
      EXPECT_LE(static_cast<double>(stored), sample.max_ratio * sample.text.size());
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Modes, BuildDatabaseTest, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "Compressed" : "Plain"; });

// A two-byte pair stands for at most ten bytes, so nearly a fifth is the best possible.
TEST(BuildDatabaseTest, RepeatsShrinkNearlyFivefold) {
  std::string text;
  while (text.size() < 100000) text += "CtlSetLabel(frmMain, btnOk, \"Ok\");\r\n";
  const std::size_t compressed = Build(text, true).size();
  const std::size_t plain = Build(text, false).size();
  EXPECT_GT(plain, text.size());
  EXPECT_LT(compressed * 4.5, plain);
}

TEST(BuildDatabaseTest, LongNameIsCutAndStaysTerminated) {
  const std::string file = Build("x", true, std::string(40, 'N'));
  EXPECT_EQ(file.substr(0, 32), std::string(31, 'N') + '\0');
}

TEST(BuildDatabaseTest, EmptyTextHasOnlyRecordZero) {
  const std::string file = Build("", true);
  // Header, one list entry, filler, 16 bytes of record 0.
  EXPECT_EQ(file.size(), 78u + 8u + 2u + 16u);
  EXPECT_EQ(file.substr(88), std::string("\x00\x02\x00\x00\x00\x00\x00\x00\x00\x00\x10\x00"
                                         "\x00\x00\x00\x00",
                                         16));
}

}  // namespace
}  // namespace qb::palmdoc
