#include "codegen/generate_files.h"

#include <cctype>
#include <filesystem>

#include "codegen/generate_texts.h"
#include "model/safe_file.h"
#include "model/text_util.h"

namespace fs = std::filesystem;

namespace qb {

namespace {

constexpr char kTooLargeForIcon[] = "the file is too large for an icon";

}  // namespace

std::string OutputFolderPrefix(const std::string& text) {
  if (text.empty()) return text;
#ifdef _WIN32
  if (text.size() == 1 && std::isalpha(static_cast<unsigned char>(text[0]))) return text + ":\\";
  const char last = text.back();
  if (last == ':' || last == '\\' || last == '/') return text;
  return text + '\\';
#else
  return text.back() == '/' ? text : text + '/';
#endif
}

std::string FullPathText(const std::string& path) {
  std::error_code ec;
  fs::path full = fs::absolute(path, ec);
  return ec ? path : full.string();
}

bool WriteFileBytes(const std::string& path, const std::string& bytes) {
  return WriteFileAtomic(path, bytes);
}

bool WriteTextLines(const std::string& path, const std::vector<std::string>& lines) {
  std::string bytes;
  for (const std::string& line : lines) {
    bytes += line;
    bytes += "\r\n";
  }
  return WriteFileBytes(path, bytes);
}

bool EnsureFolder(const std::string& folder) {
  std::error_code ec;
  fs::create_directories(folder, ec);
  return fs::is_directory(folder, ec);
}

std::optional<std::string> ReadIconFile(const std::string& path, std::string* error) {
  ReadResult read = ReadRegularFile(path, kMaxIconFileSize);
  if (read.status == ReadStatus::kTooLarge) {
    *error = NotABitmapText(path, kTooLargeForIcon);
    return std::nullopt;
  }
  if (!read.ok()) {
    *error = UnableToReadText(path);
    return std::nullopt;
  }
  return std::move(read.bytes);
}

bool FolderHoldsFile(const std::string& folder, const std::string& name) {
  std::error_code ec;
  fs::directory_iterator it(folder.empty() ? fs::path(".") : fs::path(folder), ec);
  for (; !ec && it != fs::directory_iterator(); it.increment(ec))
    if (SameText(it->path().filename().string(), name) && !it->is_directory(ec)) return true;
  return false;
}

bool FileExists(const std::string& path) { return IsRegularFile(path); }

}  // namespace qb
