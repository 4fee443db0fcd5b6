#pragma once

// Recovery sets: what an instance of the program holds that its files do not, written every
// few seconds while something is modified, so that a crash, a killed program or a power cut
// loses at most those seconds. Each running instance owns one folder under the recovery
// folder, named by its instance id, holding:
//   lock       held locked (flock) while the instance runs; the system drops the lock when
//              the process ends in any way, so an unlocked set is one whose instance is gone
//   set.ini    the index, written last: the project (library, name, path or none for a
//              project never saved), its forms in order and the listed forms not opened
//   form<n>-<generation>.qbf   the content of each modified or never saved form
// Every file is written through the safe writer; the user's own files are never written.
// A set refused at start-up is kept in the folder "discarded" beside the sets (the last one
// only).

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "model/library.h"

namespace qb {

struct RecoveryForm {
  std::string name;
  std::string path;     // the form's own file; empty for a form never saved
  std::string content;  // the form file's text; empty when the form is as its file holds it
};

struct RecoveryContent {
  bool has_project = false;  // false: forms made or opened without a project
  std::string project_name;
  std::string project_path;  // empty for a project never saved
  LibraryId library = LibraryId::kCControls;
  std::vector<RecoveryForm> forms;
  std::vector<std::string> unopened;  // listed forms that could not be opened
};

// A set found on disk.
struct RecoverySet {
  std::string folder;
  std::chrono::system_clock::time_point written;
  RecoveryContent content;
};

class RecoveryStore {
 public:
  using Clock = std::function<std::chrono::system_clock::time_point()>;
  static constexpr const char* kDiscardedFolder = "discarded";

  // `root` is the recovery folder, `instance_id` names this instance's set (a file name).
  RecoveryStore(std::string root, std::string instance_id, Clock clock);
  ~RecoveryStore();
  RecoveryStore(const RecoveryStore&) = delete;
  RecoveryStore& operator=(const RecoveryStore&) = delete;

  std::chrono::system_clock::time_point Now() const { return clock_(); }
  const std::string& Root() const { return root_; }
  // This instance's set folder.
  std::string Folder() const;
  // Writes this instance's set over its last one; false when it could not be written.
  bool Write(const RecoveryContent& content);
  // Whether this instance has a set on disk.
  bool HasSet() const { return has_set_; }
  // Removes this instance's set (a clean exit, or everything saved).
  void Remove();
  // The sets whose instances ended without removing them, newest first; a set whose
  // instance still runs, this instance's own and the discarded one are not among them.
  std::vector<RecoverySet> Orphans() const;
  // Keeps the set as the discarded one, in place of the one kept before.
  bool Discard(const RecoverySet& set);
  // Makes the set this instance's own, so it stays until this instance writes or removes it.
  bool Adopt(const RecoverySet& set);

 private:
  bool Lock();
  void Unlock();

  std::string root_;
  std::string instance_id_;
  Clock clock_;
  int lock_fd_ = -1;
  bool has_set_ = false;
  int generation_ = 0;
};

// An id no other running instance has: the process id and the start time.
std::string NewInstanceId(std::chrono::system_clock::time_point now);

}  // namespace qb
