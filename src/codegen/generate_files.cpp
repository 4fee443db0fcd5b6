#include "codegen/generate_files.h"

#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "codegen/generate_texts.h"
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
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  return static_cast<bool>(out);
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
  std::error_code ec;
  const std::uintmax_t size = fs::is_regular_file(path, ec) ? fs::file_size(path, ec) : 0;
  if (ec || !fs::is_regular_file(path, ec)) {
    *error = UnableToReadText(path);
    return std::nullopt;
  }
  if (size > kMaxIconFileSize) {
    *error = NotABitmapText(path, kTooLargeForIcon);
    return std::nullopt;
  }
  std::ifstream in(path, std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (!in.is_open() || in.bad()) {
    *error = UnableToReadText(path);
    return std::nullopt;
  }
  return bytes;
}

bool FolderHoldsFile(const std::string& folder, const std::string& name) {
  std::error_code ec;
  fs::directory_iterator it(folder.empty() ? fs::path(".") : fs::path(folder), ec);
  for (; !ec && it != fs::directory_iterator(); it.increment(ec))
    if (SameText(it->path().filename().string(), name) && !it->is_directory(ec)) return true;
  return false;
}

bool FileExists(const std::string& path) {
  std::error_code ec;
  return fs::exists(path, ec);
}

}  // namespace qb
