#include "arguments.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <utility>

namespace qb::makedoc {
namespace {

constexpr std::string_view kMissingInput = "missing text file name";
constexpr std::string_view kMissingOutput = "missing database file name";
constexpr std::string_view kUnknownOption = "unknown option ";
constexpr std::string_view kTooManyParameters = "too many parameters: ";
constexpr std::string_view kDatabaseExtension = ".pdb";

struct Option {
  std::string_view short_name;
  std::string_view long_name;
  void (*apply)(Arguments&);
};

constexpr std::array<Option, 3> kOptions = {{
    {"-c", "--compress", [](Arguments& a) { a.compress = true; }},
    {"-u", "--uncompressed", [](Arguments& a) { a.compress = false; }},
    {"-h", "--help", [](Arguments& a) { a.help = true; }},
}};

bool IsSpace(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

bool EndsWithDatabaseExtension(std::string_view word) {
  if (word.size() < kDatabaseExtension.size()) return false;
  const std::string_view tail = word.substr(word.size() - kDatabaseExtension.size());
  return std::equal(tail.begin(), tail.end(), kDatabaseExtension.begin(), [](char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) == b;
  });
}

std::string Join(const std::vector<std::string>& words, std::size_t from, std::size_t to) {
  std::string out;
  for (std::size_t i = from; i < to; ++i) {
    if (i > from) out += ' ';
    out += words[i];
  }
  return out;
}

// Quotes left on a name by a caller that split the text without handling them.
std::string Unquote(std::string text) {
  if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
    return text.substr(1, text.size() - 2);
  return text;
}

std::string DefaultTitle(const std::string& output) {
  return std::filesystem::path(output).stem().string();
}

}  // namespace

std::vector<std::string> SplitParameterText(std::string_view text) {
  std::vector<std::string> words;
  std::string word;
  bool in_word = false;
  bool quoted = false;
  for (char c : text) {
    if (c == '"') {
      quoted = !quoted;
      in_word = true;  // "" is an empty word
    } else if (IsSpace(c) && !quoted) {
      if (in_word) words.push_back(word);
      word.clear();
      in_word = false;
    } else {
      word += c;
      in_word = true;
    }
  }
  if (in_word) words.push_back(word);
  return words;
}

ParseResult ParseArguments(const std::vector<std::string>& args) {
  ParseResult result;
  Arguments& parsed = result.arguments;
  std::vector<std::string> names;
  bool options_done = false;
  for (const std::string& arg : args) {
    if (!options_done && arg == "--") {
      options_done = true;
      continue;
    }
    if (!options_done && arg.size() > 1 && arg.front() == '-') {
      const auto option = std::find_if(kOptions.begin(), kOptions.end(), [&](const Option& o) {
        return arg == o.short_name || arg == o.long_name;
      });
      if (option == kOptions.end()) {
        result.error = std::string(kUnknownOption) + "\"" + arg + "\"";
        return result;
      }
      option->apply(parsed);
      continue;
    }
    names.push_back(arg);
  }
  if (parsed.help) return result;

  // The whole parameter text in one argument; options inside it are taken as names.
  if (names.size() == 1 && std::any_of(names[0].begin(), names[0].end(), IsSpace)) {
    std::vector<std::string> words = SplitParameterText(names[0]);
    if (words.size() > 1) names = std::move(words);
  }

  if (names.empty()) {
    result.error = kMissingInput;
    return result;
  }
  if (names.size() == 1) {
    result.error = kMissingOutput;
    return result;
  }
  parsed.input = names[0];
  std::size_t title_from = 2;
  if (names.size() > 3) {
    const auto database = std::find_if(names.begin() + 1, names.end(), [](const std::string& w) {
      return EndsWithDatabaseExtension(w);
    });
    if (database == names.end()) {
      result.error = std::string(kTooManyParameters) + Join(names, 0, names.size());
      return result;
    }
    title_from = static_cast<std::size_t>(database - names.begin()) + 1;
  }
  parsed.output = Join(names, 1, title_from);
  if (parsed.input.empty() || parsed.output.empty()) {
    result.error = parsed.input.empty() ? kMissingInput : kMissingOutput;
    return result;
  }
  parsed.title = Unquote(Join(names, title_from, names.size()));
  if (parsed.title.empty()) parsed.title = DefaultTitle(parsed.output);
  return result;
}

}  // namespace qb::makedoc
