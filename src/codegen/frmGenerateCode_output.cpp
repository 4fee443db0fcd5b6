// The generate dialog's outputs: source files and icons for the desktop compiler, the texts
// and converter runs for Palm memos, the clipboard, and the clean-up on Exit.

#include <filesystem>
#include <optional>

#include "codegen/code_check.h"
#include "codegen/frmGenerateCode.h"
#include "codegen/generate_files.h"
#include "codegen/generate_texts.h"
#include "codegen/merge_texts.h"
#include "codegen/text_line.h"
#include "codegen/unshown_texts.h"
#include "form/form_file.h"
#include "model/captions.h"
#include "model/code_page.h"

namespace fs = std::filesystem;

namespace qb {

namespace {

std::string TempPath(const GenerateFolders& folders, const CodeTextFile& file) {
  return (fs::path(folders.work_dir) / file.temp_file).string();
}

// The device's bytes of a text's lines; every text the device cannot show has been refused
// before.
std::vector<std::string> DeviceLines(const std::vector<std::string>& lines) {
  std::vector<std::string> bytes;
  bytes.reserve(lines.size());
  for (const std::string& line : lines) bytes.push_back(Cp1252FromUtf8(line));
  return bytes;
}

// The folder the DOC databases are made in, where the user looks for them: the chosen output
// folder (the current folder when none is chosen), absolute, without a trailing separator.
std::string DocFolder(const std::string& output) {
  std::error_code ec;
  const fs::path chosen = output.empty() ? fs::current_path(ec) : fs::path(output);
  std::string text = fs::absolute(chosen, ec).lexically_normal().string();
  while (text.size() > 1 && text.back() == '/') text.pop_back();
  return text;
}

// The converter runs in the DOC folder; a text kept elsewhere is named by its whole path,
// quoted for the blanks a path may hold. The document's name is one the converter keeps whole.
std::string ConverterParameters(const GenerateFolders& folders, const std::string& doc_folder,
                                const CodeTextFile& file, const std::string& p,
                                const std::string& document) {
  std::error_code ec;
  const std::string input = fs::equivalent(folders.work_dir, doc_folder, ec)
                                ? std::string(file.temp_file)
                                : TextLine("\"", TempPath(folders, file), "\"");
  return TextLine(input, " ", p, file.doc_suffix, " \"", document, "\"");
}

// When the file was last written; nullopt when there is none.
std::optional<fs::file_time_type> WrittenAt(const std::string& path) {
  std::error_code ec;
  if (!fs::is_regular_file(path, ec)) return std::nullopt;
  const auto at = fs::last_write_time(path, ec);
  if (ec) return std::nullopt;
  return at;
}

}  // namespace

void TfrmGenerate::WriteTempFiles() {
  if (!EnsureFolder(folders_.work_dir)) {
    Error(UnableToWriteMessage(folders_.work_dir));
    return;
  }
  for (CodeText text : kTempWriteOrder) {
    const std::string path = TempPath(folders_, kCodeTextFiles[static_cast<std::size_t>(text)]);
    if (!WriteTextLines(path, DeviceLines(Area(text).Lines()))) {
      Error(UnableToWriteMessage(path));
      return;
    }
  }
}

void TfrmGenerate::Save() {
  // The text areas may have been edited since Generate checked them.
  std::vector<std::string> unshown;
  for (const CodeTextFile& file : kCodeTextFiles)
    for (std::string& line : UnshownLines(file.tab, Area(file.text).Lines()))
      unshown.push_back(std::move(line));
  if (!unshown.empty()) {
    Error(UnshownTextsMessage(unshown, true));
    return;
  }
  const std::string folder = OutputFolderPrefix(output_);
  if (!folder.empty() && !EnsureFolder(folder)) {
    Error(UnableToWriteMessage(FullPathText(folder)));
    return;
  }
  for (const CodeTextFile& file : kCodeTextFiles) {
    const std::string path = TextPath(file);
    if (FileExists(path)) {
      std::string question = ReplaceFileText(FullPathText(path));
      if (CodeKeptIn(file.text, path)) question += kCodeKeptSuffix;
      const MsgButton answer =
          ui_.MessageBox(kCaptionWarning, question, MsgIcon::kWarning, kMbYesNoCancel, kMbYes);
      if (answer == kMbCancel) return;
      if (answer != kMbYes) continue;
    }
    if (!WriteTextLines(path, DeviceLines(Area(file.text).Lines()))) {
      Error(UnableToWriteMessage(FullPathText(path)));
      return;
    }
    if (!WriteBase(file.text, path)) return;
  }
  // The icons belong to the desktop compiler's resources; a memo has none.
  if (target_ == GenerateTarget::kPde && !WriteIcons(folder)) return;
  CheckLibrary(folder);
}

bool TfrmGenerate::WriteBase(CodeText text, const std::string& path) {
  // What the generator wrote, without the user's code: the next merge's base.
  const std::string base = path + kBaseSuffix;
  if (WriteTextLines(base, DeviceLines(generated_[static_cast<std::size_t>(text)]))) return true;
  Error(UnableToWriteMessage(FullPathText(base)));
  return false;
}

std::vector<std::string> TfrmGenerate::BaseTargets() const {
  std::vector<std::string> paths;
  for (const CodeTextFile& file : kCodeTextFiles) paths.push_back(TextPath(file) + kBaseSuffix);
  return paths;
}

std::vector<std::string> TfrmGenerate::SaveTargets() const {
  const std::string folder = OutputFolderPrefix(output_);
  std::vector<std::string> paths;
  for (const CodeTextFile& file : kCodeTextFiles) paths.push_back(TextPath(file));
  if (target_ == GenerateTarget::kPde)
    for (int i = 0; i < kIconCount; ++i)
      if (Icon(i).HoldsPicture())
        paths.push_back(folder + kIconSlots[static_cast<std::size_t>(i)].file_name);
  return paths;
}

bool TfrmGenerate::WriteIcons(const std::string& folder) {
  for (int i = 0; i < kIconCount; ++i) {
    if (!Icon(i).HoldsPicture()) continue;
    const std::string path = folder + kIconSlots[static_cast<std::size_t>(i)].file_name;
    if (!WriteFileBytes(path, Icon(i).bytes)) {
      Error(UnableToWriteMessage(FullPathText(path)));
      return false;
    }
  }
  return true;
}

void TfrmGenerate::CheckLibrary(const std::string& folder) {
  const GenerateLibraryRules& rules = RulesFor(session_.library);
  if (!FolderHoldsFile(folder, rules.library_file))
    ui_.MessageBox(kCaptionWarning, rules.library_missing, MsgIcon::kWarning, kMbOk, kMbOk);
}

void TfrmGenerate::SaveDoc() {
  const std::string program = (fs::path(folders_.program_dir) / kConverterName).string();
  std::error_code ec;
  if (!fs::is_regular_file(program, ec)) {
    Error(ConverterMissingText(folders_.program_dir));
    return;
  }
  // The converter would fail unseen on a missing text and the message would claim success.
  for (const CodeTextFile& file : kCodeTextFiles) {
    if (!FileExists(TempPath(folders_, file))) {
      Error(TextsToConvertMissingText(TempPath(folders_, file)));
      return;
    }
  }
  const std::string doc_folder = DocFolder(output_);
  if (!EnsureFolder(doc_folder)) {
    Error(UnableToWriteMessage(doc_folder));
    return;
  }
  const std::string& p = session_.project_name;
  const std::vector<std::string> documents = DocumentNames(p);
  // Each run is waited for: a database counts as created when the converter ended well and
  // the file is there, newly written.
  std::vector<std::string> created;
  std::string failures;
  for (std::size_t i = 0; i < kCodeTextFiles.size(); ++i) {
    const CodeTextFile& file = kCodeTextFiles[i];
    const std::string database = p + file.doc_suffix;
    const std::string path = (fs::path(doc_folder) / database).string();
    const auto before = WrittenAt(path);
    const ProgramRun run = ui_.RunProgram(
        program, ConverterParameters(folders_, doc_folder, file, p, documents[i]), doc_folder);
    if (!run.started) {
      Error(UnableToStartText(program));
      return;
    }
    const auto after = WrittenAt(path);
    if (run.exit_code == 0 && after && after != before)
      created.push_back(database);
    else {
      if (!failures.empty()) failures += '\n';
      failures += DocNotCreatedText(database, run.exit_code, run.message);
    }
  }
  if (!failures.empty()) Error(failures);
  if (!created.empty())
    ui_.MessageBox(kCaptionSaveDoc, DocFilesCreatedText(created, doc_folder), MsgIcon::kInformation,
                   kMbOk, kMbOk);
}

void TfrmGenerate::Copy(CodeText text) { ui_.SetClipboard({{"text/plain", Area(text).Text()}}); }

void TfrmGenerate::RemoveTempFiles() {
  for (const CodeTextFile& file : kCodeTextFiles) {
    std::error_code ec;
    fs::remove(TempPath(folders_, file), ec);
  }
}

void TfrmGenerate::Exit() {
  RemoveTempFiles();
  closed_ = true;
}

}  // namespace qb
