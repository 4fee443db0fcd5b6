#include "converter.h"

#include <cerrno>
#include <exception>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string_view>
#include <system_error>

#include "arguments.h"
#include "model/safe_file.h"
#include "palmdoc.h"

namespace qb::makedoc {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kPrefix = "makedoc: ";
constexpr std::string_view kUsage =
    "Usage: makedoc.exe [-c | -u] <text file> <database file> [\"<document name>\"]\n"
    "Writes the text file as a PalmDOC database (type TEXt, creator REAd) in the working folder.\n"
    "  -c, --compress      compress the text (the default)\n"
    "  -u, --uncompressed  store the text uncompressed\n"
    "  -h, --help          show this help\n";
constexpr std::string_view kCannotRead = "cannot read text file ";
constexpr std::string_view kIsFolder = "is a folder";
constexpr std::string_view kTooLong =
    "text file {} is longer than {} bytes, the most a DOC database holds";
constexpr std::string_view kCannotWrite = "cannot write database file ";
constexpr std::string_view kNameCut = "document name cut to {} bytes: ";
constexpr std::string_view kWrote = "wrote {} ({} bytes of text, {} text record(s), {})";
constexpr std::string_view kCompressed = "compressed";
constexpr std::string_view kUncompressed = "uncompressed";
// Written beside the database and renamed over it, so a failed run leaves an old file whole.

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

// Fills the "{}" places of `pattern` in order.
std::string Format(std::string_view pattern, const std::vector<std::string>& values) {
  std::string out;
  std::size_t next = 0;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern.substr(i, 2) == "{}" && next < values.size()) {
      out += values[next++];
      ++i;
    } else {
      out += pattern[i];
    }
  }
  return out;
}

std::string ErrnoText() { return std::error_code(errno, std::generic_category()).message(); }

struct Failure {
  int code;
  std::string message;
};

std::optional<Failure> ReadText(const std::string& name, std::string& text) {
  const auto read_error = [&](const std::string& reason) {
    return Failure{kExitInputError, std::string(kCannotRead) + Quoted(name) + ": " + reason};
  };
  const auto too_long = Failure{
      kExitInputError, Format(kTooLong, {Quoted(name), std::to_string(palmdoc::kMaxTextLength)})};
  std::error_code ec;
  const fs::file_status status = fs::status(name, ec);
  if (fs::is_directory(status)) return read_error(std::string(kIsFolder));
  // A regular file's size is known ahead; other files (pipes) are measured while read.
  if (fs::is_regular_file(status) && fs::file_size(name, ec) > palmdoc::kMaxTextLength && !ec)
    return too_long;

  errno = 0;
  std::ifstream in(name, std::ios::binary);
  if (!in) return read_error(ErrnoText());
  text.clear();
  std::string chunk(64 * 1024, '\0');
  while (in) {
    in.read(chunk.data(), static_cast<std::streamsize>(chunk.size()));
    text.append(chunk.data(), static_cast<std::size_t>(in.gcount()));
    if (text.size() > palmdoc::kMaxTextLength) return too_long;
  }
  if (in.bad()) return read_error(ErrnoText());
  return std::nullopt;
}

std::optional<Failure> WriteDatabase(const std::string& name, const palmdoc::Bytes& bytes) {
  errno = 0;
  // Exclusive temporary file beside the target, renamed over it: a planted link is never
  // followed and a failed write leaves the old database as it was.
  if (WriteFileAtomic(name,
                      std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size())))
    return std::nullopt;
  return Failure{kExitOutputError, std::string(kCannotWrite) + Quoted(name) + ": " + ErrnoText()};
}

int Convert(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
            std::chrono::system_clock::time_point now) {
  const ParseResult parsed = ParseArguments(args);
  if (!parsed.error.empty()) {
    err << kPrefix << parsed.error << "\n" << kUsage;
    return kExitBadParameters;
  }
  const Arguments& a = parsed.arguments;
  if (a.help) {
    out << kUsage;
    return kExitOk;
  }

  std::string text;
  if (const auto failure = ReadText(a.input, text)) {
    err << kPrefix << failure->message << "\n";
    return failure->code;
  }

  const std::string name = palmdoc::DatabaseName(a.title);
  if (name.size() < a.title.size())
    err << kPrefix << Format(kNameCut, {std::to_string(palmdoc::kMaxNameLength)}) << Quoted(name)
        << "\n";
  const palmdoc::Bytes database =
      palmdoc::BuildDatabase(text, {a.title, a.compress, palmdoc::PalmTime(now)});

  if (const auto failure = WriteDatabase(a.output, database)) {
    err << kPrefix << failure->message << "\n";
    return failure->code;
  }
  const std::size_t records = (text.size() + palmdoc::kRecordSize - 1) / palmdoc::kRecordSize;
  out << kPrefix
      << Format(kWrote, {Quoted(a.output), std::to_string(text.size()), std::to_string(records),
                         std::string(a.compress ? kCompressed : kUncompressed)})
      << "\n";
  return kExitOk;
}

}  // namespace

int RunConverter(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                 std::chrono::system_clock::time_point now) {
  try {
    return Convert(args, out, err, now);
  } catch (const std::exception& e) {
    // Out of memory and the like; every expected failure is reported above.
    err << kPrefix << e.what() << "\n";
    return kExitFailure;
  }
}

}  // namespace qb::makedoc
