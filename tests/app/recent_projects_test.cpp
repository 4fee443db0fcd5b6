#include "app/recent_projects.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

// Ten pixels per character: 25 characters fit the menu's 250 pixels.
int TenPerChar(const std::string& s) { return static_cast<int>(s.size()) * 10; }

TEST(RecentProjects, AddPutsNewestFirstAndMovesKnownPaths) {
  RecentProjects r;
  r.Add("/a.qbp");
  r.Add("/b.qbp");
  r.Add("/a.qbp");
  EXPECT_EQ(r.Entries(), (std::vector<std::string>{"/a.qbp", "/b.qbp"}));
}

TEST(RecentProjects, TheEleventhDropsTheOldest) {
  RecentProjects r;
  for (int i = 0; i < 11; ++i) r.Add("/p" + std::to_string(i) + ".qbp");
  ASSERT_EQ(r.Entries().size(), 10u);
  EXPECT_EQ(r.Entries().front(), "/p10.qbp");
  EXPECT_EQ(r.Entries().back(), "/p1.qbp");
}

TEST(RecentProjects, AssignKeepsTenDistinctNonEmptyPaths) {
  RecentProjects r;
  std::vector<std::string> loaded = {"/a", "", "/b", "/a"};
  for (int i = 0; i < 12; ++i) loaded.push_back("/x" + std::to_string(i));
  r.Assign(loaded);
  ASSERT_EQ(r.Entries().size(), 10u);
  EXPECT_EQ(r.Entries()[0], "/a");
  EXPECT_EQ(r.Entries()[1], "/b");
  EXPECT_EQ(r.Entries()[2], "/x0");
}

TEST(RecentProjects, RemoveObsoleteAndClear) {
  RecentProjects r;
  r.Assign({"/keep1", "/gone", "/keep2"});
  r.RemoveObsolete([](const std::string& p) { return p != "/gone"; });
  EXPECT_EQ(r.Entries(), (std::vector<std::string>{"/keep1", "/keep2"}));
  r.Clear();
  EXPECT_TRUE(r.Empty());
}

TEST(RecentProjects, EntriesAreNumberedOneToNineThenZero) {
  std::string keys;
  for (std::size_t i = 0; i < 10; ++i) keys += RecentAccessKey(i);
  EXPECT_EQ(keys, "1234567890");
  EXPECT_EQ(RecentEntryCaption(0, "/a.qbp", TenPerChar), "&1 /a.qbp");
  EXPECT_EQ(RecentEntryCaption(9, "/a.qbp", TenPerChar), "&0 /a.qbp");
}

TEST(ShortenPath, DropsFoldersAfterTheRootUntilItFits) {
  struct Case {
    const char* path;
    const char* shown;
  };
  const Case cases[] = {
      {"/home/ann/a.qbp", "/home/ann/a.qbp"},  // fits as it is
      {"/home/ann/work/designs/a.qbp", "/.../work/designs/a.qbp"},
      {"/home/ann/work/designs/longname1.qbp", "/.../longname1.qbp"},
      {"/home/ann/work/designs/verylongprojectname.qbp", ".../verylongprojectname.qbp"},
      {"C:\\Users\\ann\\Projects\\Palm\\a.qbp", "C:\\...\\Palm\\a.qbp"},
      {"averyveryverylongprojectname.qbp", "averyveryverylongprojectname.qbp"},  // no folder
  };
  for (const Case& c : cases) EXPECT_EQ(ShortenPath(c.path, 250, TenPerChar), c.shown) << c.path;
}

TEST(ShortenPath, EveryResultFitsWhenTheNameDoes) {
  const std::string path = "/a/bb/ccc/dddd/eeeee/ffffff/name.qbp";
  for (int width = 100; width <= 400; width += 10) {
    std::string shown = ShortenPath(path, width, TenPerChar);
    EXPECT_LE(TenPerChar(shown), std::max(width, TenPerChar(".../name.qbp"))) << width;
    EXPECT_EQ(shown.substr(shown.size() - 8), "name.qbp");
  }
}

}  // namespace
}  // namespace qb
