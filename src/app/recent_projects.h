#pragma once

// The recent-projects list: at most ten project paths, newest first.

#include <functional>
#include <string>
#include <vector>

namespace qb {

// Width of a text in pixels as the menu would draw it.
using TextWidthFn = std::function<int(const std::string&)>;

class RecentProjects {
 public:
  static constexpr std::size_t kMaxEntries = 10;
  // Menu entries are shortened to fit this width.
  static constexpr int kMenuWidth = 250;

  const std::vector<std::string>& Entries() const { return entries_; }
  bool Empty() const { return entries_.empty(); }
  // Puts the path on top; a path already listed moves there, the eleventh drops off.
  void Add(const std::string& path);
  // Replaces the whole list (as loaded), keeping the first ten distinct non-empty paths.
  void Assign(const std::vector<std::string>& paths);
  void Clear() { entries_.clear(); }
  // Drops the entries whose files no longer exist.
  void RemoveObsolete(const std::function<bool(const std::string&)>& exists);

 private:
  std::vector<std::string> entries_;
};

// The access key of the entry at index: "1" ... "9", then "0".
char RecentAccessKey(std::size_t index);
// "&<key> <path shortened to the menu width>".
std::string RecentEntryCaption(std::size_t index, const std::string& path,
                               const TextWidthFn& width);

// Shortens a path in the middle, folder by folder after its root, until it fits max_width:
// "/home/ann/work/a.qbp" -> "/.../work/a.qbp" -> "/.../a.qbp" -> ".../a.qbp". The file name
// itself is never cut.
std::string ShortenPath(const std::string& path, int max_width, const TextWidthFn& width);

}  // namespace qb
