#include "app/disk_records.h"

#include "model/safe_file.h"

namespace qb {

namespace {

namespace fs = std::filesystem;

// The size and time of a regular file; false when there is none.
bool StatOf(const std::string& path, std::uintmax_t* size, fs::file_time_type* time) {
  std::error_code ec;
  if (!fs::is_regular_file(path, ec)) return false;
  *size = fs::file_size(path, ec);
  if (ec) return false;
  *time = fs::last_write_time(path, ec);
  return !ec;
}

}  // namespace

DiskRecords::DiskRecords()
    : observer_(AddWriteObserver(
          [this](const std::string& path, std::string_view bytes) { Written(path, bytes); })) {}

DiskRecords::~DiskRecords() { RemoveWriteObserver(observer_); }

void DiskRecords::Note(const std::string& path) {
  const std::string key = CanonicalPathText(path);
  ReadResult read = ReadRegularFile(path, kMaxDocumentFileSize);
  Known known;
  if (!read.ok() || !StatOf(path, &known.size, &known.time)) {
    known_.erase(key);
    return;
  }
  known.bytes = std::move(read.bytes);
  known_[key] = std::move(known);
}

void DiskRecords::Written(const std::string& path, std::string_view bytes) {
  auto it = known_.find(CanonicalPathText(path));
  if (it == known_.end()) return;
  Known& known = it->second;
  known.bytes.assign(bytes);
  if (!StatOf(path, &known.size, &known.time)) known_.erase(it);
}

bool DiskRecords::Knows(const std::string& path) const {
  return known_.count(CanonicalPathText(path)) > 0;
}

bool DiskRecords::ChangedBehindUs(const std::string& path) {
  auto it = known_.find(CanonicalPathText(path));
  if (it == known_.end()) return false;
  Known& known = it->second;
  std::uintmax_t size = 0;
  fs::file_time_type time;
  // A file removed since is not replaced: writing puts back what the program holds.
  if (!StatOf(path, &size, &time)) return false;
  if (size == known.size && time == known.time) return false;
  const ReadResult read = ReadRegularFile(path, kMaxDocumentFileSize);
  if (!read.ok() || read.bytes != known.bytes) return true;
  known.size = size;
  known.time = time;
  return false;
}

}  // namespace qb
