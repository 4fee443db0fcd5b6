#include "codegen/frmGenerateCode.h"

#include <algorithm>
#include <filesystem>

#include "codegen/code_check.h"
#include "codegen/default_icons.h"
#include "codegen/generate_files.h"
#include "codegen/generate_texts.h"
#include "codegen/generator.h"
#include "codegen/text_line.h"
#include "codegen/unshown_texts.h"
#include "form/form_file.h"
#include "model/captions.h"
#include "model/text_util.h"

namespace qb {

namespace {

std::size_t CodePoints(const std::string& text) {
  std::size_t count = 0;
  for (char c : text)
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
  return count;
}

// Typing may not make a text longer than the field allows; a stored longer text may still
// be edited as long as it does not grow.
bool TypedTextFits(const std::string& text, const std::string& current, std::size_t max) {
  const std::size_t length = CodePoints(text);
  return length <= max || length <= CodePoints(current);
}

// The question names this many errors and counts the rest.
constexpr std::size_t kQuestionErrors = 5;

}  // namespace

std::string TypedSettingsQuestion(const std::vector<LayoutFinding>& errors) {
  const std::size_t n = errors.size();
  std::string text = TextLine("The layout check found ", n, n == 1 ? " error" : " errors",
                              " in what is typed into this dialog:\n\n");
  for (std::size_t i = 0; i < n && i < kQuestionErrors; ++i) text += FindingsText({errors[i]});
  if (n > kQuestionErrors) text += TextLine("... and ", n - kQuestionErrors, " more\n");
  text += "\nGenerate anyway?";
  return text;
}

TfrmGenerate::TfrmGenerate(Ui& ui, GenerateFolders folders)
    : ui_(ui), folders_(std::move(folders)) {
  for (int i = 0; i < kIconCount; ++i) {
    IconPicture& icon = icons_[static_cast<std::size_t>(i)];
    icon.bytes = DefaultIconBmp(kIconSlots[i].large, kIconSlots[i].depth);
    icon.info = *InspectBmp(icon.bytes, nullptr);
  }
}

void TfrmGenerate::Show(const GenerateSession& session) {
  session_ = session;
  closed_ = false;
  ClearTexts();
  const GenerateLibraryRules& rules = RulesFor(session_.library);
  caption_ = rules.caption;
  color_visible_ = rules.color_option;
  active_tab_ = 0;
  if (output_.empty())
    output_ = std::filesystem::path(session_.project_path).parent_path().string();

  forms_.clear();
  form_names_.clear();
  for (TChildFrm* form : session_.forms) {
    if (!form) continue;
    forms_.emplace_back(form);
    form_names_.push_back(form->Name());
  }
  selected_form_ = form_names_.empty() ? -1 : 0;
  for (CodeTextArea& area : areas_) area.ClearCounters();
  ReadProjectKeys();
}

void TfrmGenerate::ReadProjectKeys() {
  IniFile ini;
  ini.Load(session_.project_path);  // a missing file gives every default
  const CodeSettings s = ReadCodeSettings(ini);
  if (s.output) output_ = *s.output;
  for (std::size_t i = 0; i < form_names_.size(); ++i) {
    if (SameText(form_names_[i], s.first_form)) {
      selected_form_ = static_cast<int>(i);
      break;
    }
  }
  ClickTarget(s.memo ? GenerateTarget::kMemo : GenerateTarget::kPde);
  creator_id_ = s.creator_id;
  app_name_ = s.app_name;
  app_db_ = s.app_db;
  version_ = s.version;
  if (color_visible_) color_ = s.color;
  keep_code_ = s.keep_code;
  const auto paths = ReadIconPaths(ini);
  for (int i = 0; i < kIconCount; ++i) {
    const std::string& path = paths[static_cast<std::size_t>(i)];
    if (!path.empty() && FileExists(path)) LoadIcon(i, path);
  }
}

void TfrmGenerate::SelectForm(int index) {
  if (index >= 0 && index < static_cast<int>(form_names_.size())) selected_form_ = index;
}

void TfrmGenerate::ClearTexts() {
  for (CodeTextArea& area : areas_) area.Clear();
  for (auto& lines : generated_) lines.clear();
  for (auto& bytes : merged_with_) bytes.reset();
  texts_generated_ = false;
  kept_text_.clear();
}

void TfrmGenerate::ClickTarget(GenerateTarget target) {
  ClearTexts();
  target_ = target;
}

void TfrmGenerate::ClickColor(bool checked) {
  color_ = checked;
  ClearTexts();
}

void TfrmGenerate::ChooseOutputFolder() {
  if (auto folder = ui_.ChooseFolder(kOutputChooserTitle, output_)) SetOutputFolder(*folder);
}

bool TfrmGenerate::EditCreatorId(const std::string& text) {
  if (!TypedTextFits(text, creator_id_, kCreatorIdMaxLength)) return false;
  creator_id_ = text;
  return true;
}

bool TfrmGenerate::EditAppDb(const std::string& text) {
  if (!TypedTextFits(text, app_db_, kAppDbMaxLength)) return false;
  app_db_ = text;
  return true;
}

void TfrmGenerate::Error(const std::string& text) {
  ui_.MessageBox(kCaptionError, text, MsgIcon::kError, kMbOk, kMbOk);
}

bool TfrmGenerate::LoadIcon(int slot, const std::string& path) {
  std::string error;
  std::optional<std::string> bytes = ReadIconFile(path, &error);
  std::optional<BmpInfo> info;
  if (bytes) {
    std::string reason;
    info = InspectBmp(*bytes, &reason);
    if (!info) error = NotABitmapText(path, reason);
  }
  if (!info) {
    Error(error);
    return false;
  }
  icons_[static_cast<std::size_t>(slot)] = {std::move(*bytes), *info, path};
  return true;
}

void TfrmGenerate::ClickIcon(int slot) {
  if (slot < 0 || slot >= kIconCount) return;
  const IconSlot& icon = kIconSlots[static_cast<std::size_t>(slot)];
  std::optional<std::string> path = ui_.ChoosePicture(icon.chooser_title, Icon(slot).path);
  if (!path || !LoadIcon(slot, *path)) return;
  const bool written = UpdateProjectFile(session_.project_path, [&](IniFile& ini) {
    ini.WriteString(kIconsSection, icon.key, *path);
  });
  if (!written) Error(UnableToWriteMessage(session_.project_path));
}

CodeSettings TfrmGenerate::CurrentSettings() const {
  CodeSettings s;
  s.output = output_;
  s.first_form = selected_form_ >= 0 ? form_names_[static_cast<std::size_t>(selected_form_)] : "";
  s.memo = target_ == GenerateTarget::kMemo;
  s.creator_id = creator_id_;
  s.app_name = app_name_;
  s.app_db = app_db_;
  s.version = version_;
  s.color = color_;
  s.keep_code = keep_code_;
  return s;
}

std::vector<const TChildFrm*> TfrmGenerate::LiveForms() const {
  std::vector<const TChildFrm*> forms;
  for (const WeakRef<TChildFrm>& ref : forms_)
    if (ref) forms.push_back(ref.Get());
  return forms;
}

const TChildFrm* TfrmGenerate::FirstForm() const {
  if (selected_form_ < 0) return nullptr;
  return forms_[static_cast<std::size_t>(selected_form_)].Get();
}

std::vector<std::string> TfrmGenerate::LeadingLines() const {
  if (target_ == GenerateTarget::kMemo)
    return {TextLine(kMemoMainOpen, session_.project_name, kMemoMainClose)};
  std::vector<std::string> lines = {
      TextLine(kPrcCreatorId, creator_id_, kPrcClose), TextLine(kPrcAppName, app_name_, kPrcClose),
      TextLine(kPrcAppDb, app_db_, kPrcClose), TextLine(kPrcVersion, version_, kPrcClose)};
  for (int i = 0; i < kIconCount; ++i)
    if (Icon(i).HoldsPicture()) lines.push_back(kIconSlots[static_cast<std::size_t>(i)].prc_line);
  return lines;
}

std::vector<LayoutFinding> TfrmGenerate::TypedSettingsErrors() const {
  const std::vector<const TChildFrm*> forms = LiveForms();
  CodeSettings typed = CurrentSettings();
  typed.color = typed.color && RulesFor(session_.library).color_option;
  std::vector<LayoutFinding> found;
  CheckGeneratedCode(forms, session_.library, CodeCheckSettingsFrom(typed, session_.project_name),
                     found);
  std::vector<LayoutFinding> known;
  CheckGeneratedCode(forms, session_.library,
                     CodeCheckSettingsOf(session_.project_path, session_.project_name), known);
  std::vector<LayoutFinding> errors;
  for (LayoutFinding& f : found)
    if (f.severity == FindingSeverity::kError &&
        std::find(known.begin(), known.end(), f) == known.end())
      errors.push_back(std::move(f));
  return errors;
}

bool TfrmGenerate::ConfirmTypedSettings() {
  const std::vector<LayoutFinding> errors = TypedSettingsErrors();
  return errors.empty() || ui_.MessageBox(kCaptionConfirm, TypedSettingsQuestion(errors),
                                          MsgIcon::kQuestion, kMbYesNo, kMbNo) == kMbYes;
}

void TfrmGenerate::Generate(bool record) {
  // Only the user's own Generate asks; the command line has no one to answer.
  if (!batch_ && record && !ConfirmTypedSettings()) return;
  const CodeSettings settings = CurrentSettings();
  const bool with_color = RulesFor(session_.library).color_option;
  if (!batch_ && record && !UpdateProjectFile(session_.project_path, [&](IniFile& ini) {
        WriteCodeSettings(ini, settings, with_color);
      }))
    Error(UnableToWriteMessage(session_.project_path));

  Area(CodeText::kMain).ClearCounters();
  ClearTexts();
  GeneratedCode code;
  code.main = LeadingLines();
  GeneratorInput input;
  input.forms = LiveForms();
  input.first_form = FirstForm();
  input.project_name = session_.project_name;
  input.memo = target_ == GenerateTarget::kMemo;
  input.color = with_color && color_;
  // The device shows only Windows-1252: a text it cannot show is named, and nothing is
  // generated to be saved.
  std::vector<std::string> unshown = UnshownFormTexts(session_.library, input.forms);
  qb::Generate(session_.library, input, code);
  if (unshown.empty()) {
    const std::vector<std::string>* texts[] = {&code.main, &code.forms, &code.events, &code.header};
    for (const CodeTextFile& file : kCodeTextFiles)
      for (std::string& line : UnshownLines(file.tab, *texts[static_cast<std::size_t>(file.text)]))
        unshown.push_back(std::move(line));
  }
  if (!unshown.empty()) {
    save_enabled_ = false;
    // Save DOC would otherwise convert the texts of an earlier Generate.
    if (!batch_) RemoveTempFiles();
    Error(UnshownTextsMessage(unshown));
    return;
  }
  generated_ = {std::move(code.main), std::move(code.forms), std::move(code.events),
                std::move(code.header)};
  for (const CodeTextFile& file : kCodeTextFiles)
    Area(file.text).SetLines(generated_[static_cast<std::size_t>(file.text)]);
  KeepWrittenCode();
  texts_generated_ = true;
  ++generate_count_;
  if (target_ == GenerateTarget::kMemo && !batch_) WriteTempFiles();
  save_enabled_ = true;
}

}  // namespace qb
