#pragma once

// What each project and form file held when the program last read or wrote it, so that a
// save can tell whether another program (or a second window of this one) changed the file
// since. A record is refreshed by every write of the program's own to that file, also those
// made outside the project commands (the generate dialog's "Code" and "Icons").

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>

namespace qb {

class DiskRecords {
 public:
  DiskRecords();
  ~DiskRecords();
  DiskRecords(const DiskRecords&) = delete;
  DiskRecords& operator=(const DiskRecords&) = delete;

  // Records the file as it is on disk now (right after reading or writing it); a file that
  // cannot be read is forgotten.
  void Note(const std::string& path);
  // Whether the file differs from what was recorded: only a recorded file that is still there
  // and whose bytes differ. The bytes are compared only when the size or the modification time
  // moved; equal bytes under a new time just update the record.
  bool ChangedBehindUs(const std::string& path);
  bool Knows(const std::string& path) const;
  void Clear() { known_.clear(); }

 private:
  struct Known {
    std::string bytes;
    std::uintmax_t size = 0;
    std::filesystem::file_time_type time;
  };
  void Written(const std::string& path, std::string_view bytes);
  // By canonical path, so that two spellings of one file share their record.
  std::map<std::string, Known> known_;
  int observer_ = 0;
};

}  // namespace qb
