#include "app/recent_projects.h"

#include <algorithm>

namespace qb {

void RecentProjects::Add(const std::string& path) {
  if (path.empty()) return;
  entries_.erase(std::remove(entries_.begin(), entries_.end(), path), entries_.end());
  entries_.insert(entries_.begin(), path);
  if (entries_.size() > kMaxEntries) entries_.resize(kMaxEntries);
}

void RecentProjects::Assign(const std::vector<std::string>& paths) {
  entries_.clear();
  for (const std::string& p : paths) {
    if (entries_.size() == kMaxEntries) break;
    if (p.empty() || std::find(entries_.begin(), entries_.end(), p) != entries_.end()) continue;
    entries_.push_back(p);
  }
}

void RecentProjects::RemoveObsolete(const std::function<bool(const std::string&)>& exists) {
  entries_.erase(std::remove_if(entries_.begin(), entries_.end(),
                                [&](const std::string& p) { return !exists(p); }),
                 entries_.end());
}

char RecentAccessKey(std::size_t index) { return static_cast<char>('0' + (index + 1) % 10); }

std::string RecentEntryCaption(std::size_t index, const std::string& path,
                               const TextWidthFn& width) {
  return std::string("&") + RecentAccessKey(index) + " " +
         ShortenPath(path, RecentProjects::kMenuWidth, width);
}

namespace {

constexpr const char* kEllipsis = "...";

bool IsSeparator(char c) { return c == '/' || c == '\\'; }

// The separator the path itself uses, so Windows-style paths keep their backslashes.
char PathSeparator(const std::string& path) {
  std::size_t pos = path.find_last_of("/\\");
  return pos == std::string::npos ? '/' : path[pos];
}

}  // namespace

std::string ShortenPath(const std::string& path, int max_width, const TextWidthFn& width) {
  if (width(path) <= max_width) return path;
  const char sep = PathSeparator(path);
  std::size_t name_start = path.find_last_of("/\\");
  if (name_start == std::string::npos) return path;
  const std::string name = path.substr(name_start + 1);

  // The root: a drive ("C:"), then the leading separators.
  std::size_t root_end = 0;
  if (path.size() >= 2 && path[1] == ':') root_end = 2;
  while (root_end < name_start && IsSeparator(path[root_end])) ++root_end;
  const std::string root = path.substr(0, root_end);

  std::vector<std::string> folders;
  std::size_t start = root_end;
  while (start < name_start) {
    std::size_t end = start;
    while (end < name_start && !IsSeparator(path[end])) ++end;
    if (end > start) folders.push_back(path.substr(start, end - start));
    start = end + 1;
  }

  for (std::size_t dropped = 1; dropped <= folders.size(); ++dropped) {
    std::string candidate = root + kEllipsis + sep;
    for (std::size_t i = dropped; i < folders.size(); ++i) candidate += folders[i] + sep;
    candidate += name;
    if (width(candidate) <= max_width) return candidate;
  }
  return std::string(kEllipsis) + sep + name;
}

}  // namespace qb
