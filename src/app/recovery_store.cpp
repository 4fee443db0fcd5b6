#include "app/recovery_store.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <optional>
#include <set>

#include "model/ini_file.h"
#include "model/safe_file.h"

namespace qb {

namespace {

namespace fs = std::filesystem;

constexpr const char* kLockFile = "lock";
constexpr const char* kIndexFile = "set.ini";
constexpr const char* kRecoverySection = "Recovery";
constexpr const char* kUnopenedSection = "Unopened";
constexpr const char* kWrittenKey = "Written";
constexpr const char* kProjectKey = "Project";
constexpr const char* kNameKey = "Name";
constexpr const char* kPathKey = "Path";
constexpr const char* kLibKey = "Lib";
constexpr const char* kCopyKey = "Copy";
constexpr const char* kFormPrefix = "Form";

std::string FormSection(std::size_t i) { return kFormPrefix + std::to_string(i); }

std::int64_t SecondsOf(std::chrono::system_clock::time_point t) {
  return std::chrono::duration_cast<std::chrono::seconds>(t.time_since_epoch()).count();
}

// Whether another process holds the set's lock, that is, its instance still runs.
bool HeldByLiveInstance(const fs::path& folder) {
  const int fd = ::open((folder / kLockFile).c_str(), O_RDWR | O_CLOEXEC);
  if (fd < 0) return false;
  const bool held = ::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
  ::close(fd);
  return held;
}

// A copy's file name as the index gives it: a plain name inside the set, nothing else.
bool PlainName(const std::string& name) {
  return !name.empty() && name.find('/') == std::string::npos && name != "." && name != "..";
}

std::optional<RecoverySet> ReadSet(const fs::path& folder) {
  IniFile index;
  if (index.LoadFile((folder / kIndexFile).string()) != ReadStatus::kOk) return std::nullopt;
  if (!index.HasSection(kRecoverySection)) return std::nullopt;
  RecoverySet set;
  set.folder = folder.string();
  std::int64_t written = 0;
  const std::string written_text = index.ReadString(kRecoverySection, kWrittenKey, "0");
  try {
    written = std::stoll(written_text);
  } catch (...) {
    written = 0;
  }
  set.written = std::chrono::system_clock::time_point(std::chrono::seconds(written));
  RecoveryContent& c = set.content;
  c.has_project = index.ReadInteger(kRecoverySection, kProjectKey, 0) != 0;
  c.project_name = index.ReadString(kRecoverySection, kNameKey, "");
  c.project_path = index.ReadString(kRecoverySection, kPathKey, "");
  c.library = index.ReadInteger(kRecoverySection, kLibKey, 1) == 2 ? LibraryId::kPToolboxLib
                                                                   : LibraryId::kCControls;
  for (std::size_t i = 0; index.HasSection(FormSection(i)); ++i) {
    const std::string section = FormSection(i);
    RecoveryForm form;
    form.name = index.ReadString(section, kNameKey, "");
    form.path = index.ReadString(section, kPathKey, "");
    const std::string copy = index.ReadString(section, kCopyKey, "");
    if (PlainName(copy)) {
      ReadResult read = ReadRegularFile((folder / copy).string(), kMaxDocumentFileSize);
      if (read.ok()) form.content = std::move(read.bytes);
    }
    // A form with neither its content nor a file of its own has nothing to bring back.
    if (form.name.empty() || (form.content.empty() && form.path.empty())) continue;
    c.forms.push_back(std::move(form));
  }
  for (const std::string& key : index.Keys(kUnopenedSection))
    if (const std::string* path = index.Find(kUnopenedSection, key)) c.unopened.push_back(*path);
  return set;
}

}  // namespace

RecoveryStore::RecoveryStore(std::string root, std::string instance_id, Clock clock)
    : root_(std::move(root)), instance_id_(std::move(instance_id)), clock_(std::move(clock)) {}

RecoveryStore::~RecoveryStore() { Unlock(); }

std::string RecoveryStore::Folder() const { return (fs::path(root_) / instance_id_).string(); }

bool RecoveryStore::Lock() {
  if (lock_fd_ >= 0) return true;
  std::error_code ec;
  fs::create_directories(Folder(), ec);
  const int fd =
      ::open((fs::path(Folder()) / kLockFile).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) return false;
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    ::close(fd);
    return false;
  }
  lock_fd_ = fd;
  return true;
}

void RecoveryStore::Unlock() {
  if (lock_fd_ < 0) return;
  ::close(lock_fd_);
  lock_fd_ = -1;
}

bool RecoveryStore::Write(const RecoveryContent& content) {
  if (!Lock()) return false;
  ++generation_;
  const fs::path folder = Folder();
  IniFile index;
  index.WriteString(kRecoverySection, kWrittenKey, std::to_string(SecondsOf(Now())));
  index.WriteInteger(kRecoverySection, kProjectKey, content.has_project ? 1 : 0);
  index.WriteString(kRecoverySection, kNameKey, content.project_name);
  index.WriteString(kRecoverySection, kPathKey, content.project_path);
  index.WriteInteger(kRecoverySection, kLibKey, static_cast<int>(content.library));
  std::set<std::string> keep{kLockFile, kIndexFile};
  for (std::size_t i = 0; i < content.forms.size(); ++i) {
    const RecoveryForm& form = content.forms[i];
    const std::string section = FormSection(i);
    index.WriteString(section, kNameKey, form.name);
    index.WriteString(section, kPathKey, form.path);
    std::string copy;
    if (!form.content.empty()) {
      // A name of its own per write: the index still names the last write's copies until
      // it is replaced, so a set interrupted halfway is still whole.
      copy = "form" + std::to_string(i) + "-" + std::to_string(generation_) + ".qbf";
      if (!WriteFileAtomic((folder / copy).string(), form.content)) return false;
      keep.insert(copy);
    }
    index.WriteString(section, kCopyKey, copy);
  }
  for (std::size_t i = 0; i < content.unopened.size(); ++i)
    index.WriteString(kUnopenedSection, FormSection(i), content.unopened[i]);
  if (!index.Save((folder / kIndexFile).string())) return false;
  has_set_ = true;
  // The copies of earlier writes are no longer named by the index.
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(folder, ec)) {
    if (keep.count(entry.path().filename().string()) == 0) fs::remove(entry.path(), ec);
  }
  return true;
}

void RecoveryStore::Remove() {
  std::error_code ec;
  if (has_set_ || fs::exists(Folder(), ec)) fs::remove_all(Folder(), ec);
  Unlock();
  has_set_ = false;
}

std::vector<RecoverySet> RecoveryStore::Orphans() const {
  std::vector<RecoverySet> found;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(root_, ec)) {
    const std::string name = entry.path().filename().string();
    if (name == kDiscardedFolder || name == instance_id_) continue;
    std::error_code dir_ec;
    if (!entry.is_directory(dir_ec) || HeldByLiveInstance(entry.path())) continue;
    if (std::optional<RecoverySet> set = ReadSet(entry.path())) found.push_back(std::move(*set));
  }
  std::stable_sort(found.begin(), found.end(), [](const RecoverySet& a, const RecoverySet& b) {
    return a.written > b.written;
  });
  return found;
}

bool RecoveryStore::Discard(const RecoverySet& set) {
  const fs::path discarded = fs::path(root_) / kDiscardedFolder;
  std::error_code ec;
  fs::remove_all(discarded, ec);
  fs::rename(set.folder, discarded, ec);
  return !ec;
}

bool RecoveryStore::Adopt(const RecoverySet& set) {
  Remove();
  std::error_code ec;
  fs::rename(set.folder, Folder(), ec);
  if (ec || !Lock()) return false;
  has_set_ = true;
  return true;
}

std::string NewInstanceId(std::chrono::system_clock::time_point now) {
  return "set-" + std::to_string(::getpid()) + "-" +
         std::to_string(
             std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count());
}

}  // namespace qb
