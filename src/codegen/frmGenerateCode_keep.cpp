// The generate dialog's keeping of the code written in the generated files: each text is
// merged with its file in the output folder against the base saved beside it.

#include "codegen/code_merge.h"
#include "codegen/frmGenerateCode.h"
#include "codegen/generate_files.h"
#include "codegen/merge_texts.h"
#include "model/code_page.h"
#include "model/safe_file.h"

namespace qb {

namespace {

// A saved text's lines as the text areas hold them: UTF-8, without line ends. The files are
// written in Windows-1252; a file the user edited that is valid UTF-8 was saved so by their
// editor, while a base is only ever written here.
std::vector<std::string> LinesOfFile(std::string bytes, bool base) {
  const std::string text = base ? Utf8FromCp1252(bytes) : TextFromFileBytes(std::move(bytes));
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    start = end + 1;
  }
  return lines;
}

std::optional<std::string> FileBytes(const std::string& path) {
  ReadResult read = ReadRegularFile(path, kMaxDocumentFileSize);
  if (!read.ok()) return std::nullopt;
  return std::move(read.bytes);
}

}  // namespace

std::string TfrmGenerate::TextPath(const CodeTextFile& file) const {
  return OutputFolderPrefix(output_) + session_.project_name + file.file_suffix;
}

bool TfrmGenerate::MergesWithFolder() const {
  if (target_ != GenerateTarget::kPde || !keep_code_) return false;
  for (const CodeTextFile& file : kCodeTextFiles)
    if (FileExists(TextPath(file)) && FileExists(TextPath(file) + kBaseSuffix)) return true;
  return false;
}

void TfrmGenerate::SetOutputFolder(std::string folder) {
  if (folder == output_) return;
  const bool merged_before = MergesWithFolder();
  output_ = std::move(folder);
  // The texts were merged with the other folder's files, or these files change them. Typing
  // a folder is no Generate of the user's: the project file is left alone.
  if (texts_generated_ && (merged_before || MergesWithFolder())) Generate(false);
}

void TfrmGenerate::ClickKeepCode(bool checked) {
  keep_code_ = checked;
  // Generated again rather than left empty: an empty text saved over the files would be the
  // very loss the box is there to prevent.
  const bool generated = texts_generated_;
  ClearTexts();
  if (generated) Generate();
}

void TfrmGenerate::KeepWrittenCode() {
  if (target_ != GenerateTarget::kPde || !keep_code_) return;
  bool found = false;
  int kept_handlers = 0, kept_lines = 0, ended_handlers = 0, ended_lines = 0;
  for (const CodeTextFile& file : kCodeTextFiles) {
    const std::string path = TextPath(file);
    std::optional<std::string> written = FileBytes(path);
    std::optional<std::string> base = FileBytes(path + kBaseSuffix);
    if (!written || !base) continue;  // without a base nothing tells the user's code apart
    found = true;
    if (*written == *base) continue;  // nothing written since: the fresh text
    const auto i = static_cast<std::size_t>(file.text);
    const CodeMerge merge =
        MergeCode(session_.library, file.text == CodeText::kEvents, LinesOfFile(*base, true),
                  LinesOfFile(*written, false), generated_[i]);
    Area(file.text).SetLines(merge.lines);
    merged_with_[i] = std::move(*written);
    kept_handlers += merge.kept_handlers;
    kept_lines += merge.kept_lines;
    ended_handlers += merge.ended_handlers;
    ended_lines += merge.ended_lines;
  }
  if (found) kept_text_ = KeptCodeText(kept_handlers, kept_lines, ended_handlers, ended_lines);
}

bool TfrmGenerate::CodeKeptIn(CodeText text, const std::string& path) const {
  const std::optional<std::string>& merged = merged_with_[static_cast<std::size_t>(text)];
  // A file changed since Generate read it holds code the text does not.
  return merged && FileBytes(path) == merged;
}

}  // namespace qb
