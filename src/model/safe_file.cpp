#include "model/safe_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <random>
#include <sstream>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace qb {

namespace {

constexpr int kTempNameAttempts = 16;
// Longer chains of links than this are taken as a loop.
constexpr int kMaxLinkHops = 40;

WriteChunkHook& ChunkHook() {
  static WriteChunkHook hook;
  return hook;
}

long WriteChunk(int fd, const char* data, std::size_t size) {
  if (ChunkHook()) return ChunkHook()(data, size);
  return static_cast<long>(::write(fd, data, size));
}

bool WriteAll(int fd, std::string_view bytes) {
  const char* data = bytes.data();
  std::size_t left = bytes.size();
  while (left > 0) {
    long n = WriteChunk(fd, data, left);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    data += n;
    left -= static_cast<std::size_t>(n);
  }
  return true;
}

std::string TempNameFor(const std::string& target) {
  static std::mt19937_64 generator{std::random_device{}()};
  std::ostringstream name;
  name << target << ".~" << std::hex << generator();
  return name.str();
}

// The folder holding the path, for flushing the rename to the disk.
std::string FolderOf(const std::string& path) {
  fs::path parent = fs::path(path).parent_path();
  return parent.empty() ? std::string(".") : parent.string();
}

void SyncFolder(const std::string& folder) {
  int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  // A folder that cannot be flushed (some file systems refuse) still holds the new name.
  ::fsync(fd);
  ::close(fd);
}

std::vector<std::pair<int, WriteObserver>>& Observers() {
  static std::vector<std::pair<int, WriteObserver>> observers;
  return observers;
}

void NotifyObservers(const std::string& path, std::string_view bytes) {
  // A copy: an observer may add or remove observers.
  const auto observers = Observers();
  for (const auto& [id, observer] : observers) observer(path, bytes);
}

}  // namespace

std::string WriteTargetFor(const std::string& path) {
  fs::path current(path);
  for (int hop = 0; hop < kMaxLinkHops; ++hop) {
    std::error_code ec;
    if (!fs::is_symlink(fs::symlink_status(current, ec))) return current.string();
    fs::path next = fs::read_symlink(current, ec);
    if (ec) return current.string();
    current = next.is_absolute() ? next : current.parent_path() / next;
  }
  return current.string();
}

bool WriteFileAtomic(const std::string& path, std::string_view bytes) {
  const std::string target = WriteTargetFor(path);
  struct stat old_stat {};
  const bool replacing = ::stat(target.c_str(), &old_stat) == 0;
  if (replacing && !S_ISREG(old_stat.st_mode)) {
    errno = S_ISDIR(old_stat.st_mode) ? EISDIR : EINVAL;
    return false;
  }
  if (!replacing && errno != ENOENT) return false;

  for (int attempt = 0; attempt < kTempNameAttempts; ++attempt) {
    const std::string temp = TempNameFor(target);
    // Exclusive creation never follows a link planted under the temporary name.
    int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0) {
      if (errno == EEXIST) continue;
      return false;  // a missing or read-only folder fails every name alike
    }
    bool ok = true;
    if (replacing) {
      ok = ::fchmod(fd, old_stat.st_mode & 07777) == 0;
      // Only the owner's own files keep their owner; another user's file becomes ours, as
      // any editor's save does.
      if (ok && (old_stat.st_uid != ::geteuid() || old_stat.st_gid != ::getegid())) {
        [[maybe_unused]] int ignored = ::fchown(fd, old_stat.st_uid, old_stat.st_gid);
      }
    }
    ok = ok && WriteAll(fd, bytes);
    ok = ok && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    ok = ok && ::rename(temp.c_str(), target.c_str()) == 0;
    if (!ok) {
      const int cause = errno;
      ::unlink(temp.c_str());
      errno = cause;
      return false;
    }
    SyncFolder(FolderOf(target));
    NotifyObservers(path, bytes);
    return true;
  }
  return false;
}

int AddWriteObserver(WriteObserver observer) {
  static int last_id = 0;
  Observers().emplace_back(++last_id, std::move(observer));
  return last_id;
}

void RemoveWriteObserver(int id) {
  std::erase_if(Observers(), [id](const auto& entry) { return entry.first == id; });
}

std::string CanonicalPathText(const std::string& path) {
  std::error_code ec;
  fs::path canonical = fs::weakly_canonical(fs::path(path), ec);
  return ec ? path : canonical.string();
}

bool IsRegularFile(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

ReadResult ReadRegularFile(const std::string& path, std::uintmax_t max_size) {
  ReadResult result;
  // Non-blocking, so that opening a FIFO returns at once; it is refused below.
  int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    result.status =
        errno == ENOENT || errno == ENOTDIR ? ReadStatus::kMissing : ReadStatus::kUnreadable;
    return result;
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0) {
    ::close(fd);
    return result;
  }
  if (!S_ISREG(st.st_mode)) {
    ::close(fd);
    result.status = ReadStatus::kNotRegular;
    return result;
  }
  if (static_cast<std::uintmax_t>(st.st_size) > max_size) {
    ::close(fd);
    result.status = ReadStatus::kTooLarge;
    return result;
  }
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(st.st_size));
  char chunk[64 * 1024];
  for (;;) {
    ssize_t n = ::read(fd, chunk, sizeof chunk);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      ::close(fd);
      return result;
    }
    if (n == 0) break;
    bytes.append(chunk, static_cast<std::size_t>(n));
    // The file may grow while it is read.
    if (bytes.size() > max_size) {
      ::close(fd);
      result.status = ReadStatus::kTooLarge;
      return result;
    }
  }
  ::close(fd);
  result.status = ReadStatus::kOk;
  result.bytes = std::move(bytes);
  return result;
}

std::string ReadProblemText(const std::string& path, ReadStatus status, std::uintmax_t max_size) {
  switch (status) {
    case ReadStatus::kOk:
      return {};
    case ReadStatus::kMissing:
      return path + " does not exist";
    case ReadStatus::kNotRegular:
      return path + " is not a file";
    case ReadStatus::kTooLarge:
      return path + " is too large (more than " + std::to_string(max_size >> 20) + " MB)";
    case ReadStatus::kUnreadable:
      break;
  }
  return "Unable to read " + path;
}

void SetWriteChunkHookForTesting(WriteChunkHook hook) { ChunkHook() = std::move(hook); }

}  // namespace qb
