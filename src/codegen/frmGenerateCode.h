#pragma once

// TfrmGenerate, the generate dialog's logic: it runs the project's generator into four text
// areas, keeps the PRC properties and the eight application icons, and writes the texts out
// as source files for the desktop compiler or, through the outside converter, as DOC
// databases for Palm memos. It is made once and reused; each Show starts from the project.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "codegen/bmp_file.h"
#include "codegen/code_settings.h"
#include "codegen/code_text_area.h"
#include "codegen/generate_tables.h"
#include "codegen/layout_check.h"
#include "form/ChildFor.h"
#include "model/library.h"
#include "model/ui.h"
#include "model/weak_ref.h"

namespace qb {

enum class GenerateTarget { kPde, kMemo };

// What the dialog works on, taken from the application when it opens.
struct GenerateSession {
  LibraryId library = LibraryId::kCControls;
  std::string project_path;       // the saved project file
  std::string project_name;       // its name without the extension
  std::vector<TChildFrm*> forms;  // the open forms, most recently activated first
};

// Where the converter is looked for, and where the texts for it are kept: the work folder is
// the settings file's folder, so nothing is written beside the program. The DOC databases
// themselves are made in the output folder.
struct GenerateFolders {
  std::string program_dir;
  std::string work_dir;
};

// Generate's question when what is typed into the dialog gives the layout check errors: the
// count, each error on a line of its own (the first few), and whether to generate anyway.
std::string TypedSettingsQuestion(const std::vector<LayoutFinding>& errors);

struct IconPicture {
  std::string bytes;  // the bitmap file as read, written out unchanged
  BmpInfo info;
  std::string path;  // where it came from; empty for a built-in icon
  bool HoldsPicture() const { return !bytes.empty(); }
};

class TfrmGenerate : public DialogModel {
 public:
  static constexpr const char* kDialogId = "TfrmGenerate";

  TfrmGenerate(Ui& ui, GenerateFolders folders);
  const char* DialogId() const override { return kDialogId; }
  const GenerateFolders& Folders() const { return folders_; }

  // Prepares an opening: clears the texts and counters, rebuilds the form list and reads
  // the dialog's keys from the project file.
  void Show(const GenerateSession& session);
  // Set by Exit; the view closes then.
  bool Closed() const { return closed_; }

  const std::string& Caption() const { return caption_; }
  LibraryId Library() const { return session_.library; }
  int ActiveTab() const { return active_tab_; }
  void SetActiveTab(int tab) { active_tab_ = tab; }

  // The form list; the selected entry is the first form. -1 when no form is open.
  const std::vector<std::string>& FormNames() const { return form_names_; }
  int SelectedForm() const { return selected_form_; }
  void SelectForm(int index);

  GenerateTarget Target() const { return target_; }
  // A click on a target button: clears the texts and shows that target's fields.
  void ClickTarget(GenerateTarget target);
  bool ColorVisible() const { return color_visible_; }
  bool ColorChecked() const { return color_; }
  // A click on the colour check box also clears the texts.
  void ClickColor(bool checked);
  // "Keep the code written in the files": Generate merges the new texts with the files in
  // the output folder (desktop compiler only). A click clears the texts.
  bool KeepCodeVisible() const { return target_ == GenerateTarget::kPde; }
  bool KeepCodeChecked() const { return keep_code_; }
  void ClickKeepCode(bool checked);
  // What the last Generate kept of the code written in the files; empty when it merged none.
  const std::string& KeptText() const { return kept_text_; }

  bool PrcPropertiesVisible() const { return target_ == GenerateTarget::kPde; }
  // Both targets write there: the sources, or the DOC databases.
  bool OutputVisible() const { return true; }
  bool SaveVisible() const { return target_ == GenerateTarget::kPde; }
  bool SaveDocVisible() const { return target_ == GenerateTarget::kMemo; }
  // Save and Save DOC are enabled by the first Generate and stay enabled.
  bool SaveEnabled() const { return save_enabled_; }

  const std::string& OutputFolder() const { return output_; }
  // A folder whose files change the merged texts generates them again.
  void SetOutputFolder(std::string folder);
  // The folder chooser; may create folders.
  void ChooseOutputFolder();
  const std::string& CreatorId() const { return creator_id_; }
  const std::string& AppName() const { return app_name_; }
  const std::string& AppDb() const { return app_db_; }
  const std::string& Version() const { return version_; }
  // Typing: false (and no change) when the text would grow beyond the field's length. A
  // longer value read from the project file stays as it is.
  bool EditCreatorId(const std::string& text);
  bool EditAppDb(const std::string& text);
  void SetAppName(std::string text) { app_name_ = std::move(text); }
  void SetVersion(std::string text) { version_ = std::move(text); }

  CodeTextArea& Area(CodeText text) { return areas_[static_cast<std::size_t>(text)]; }
  const CodeTextArea& Area(CodeText text) const { return areas_[static_cast<std::size_t>(text)]; }
  // Counts the Generate runs, so that the view can put the carets at the start after each.
  int GenerateCount() const { return generate_count_; }

  const IconPicture& Icon(int slot) const { return icons_[static_cast<std::size_t>(slot)]; }
  // A click on an icon image: the picture chooser, then the chosen bitmap and its key.
  void ClickIcon(int slot);

  // The user's Generate. When what is typed into the dialog gives the layout check errors
  // that the project file's keys do not, it first asks whether to generate anyway; No leaves
  // the texts, the project file and the converter's texts as they were.
  void Generate() { Generate(true); }
  void Save();
  // The files Save writes, in its order: the four texts and, for the desktop compiler, the
  // icons that hold a picture.
  std::vector<std::string> SaveTargets() const;
  // The base beside each of the four texts' files, written with it (merge.h).
  std::vector<std::string> BaseTargets() const;
  // A run without the dialog (the command line) leaves the project file and the converter's
  // texts alone: Generate neither records the "Code" keys nor writes the memo texts.
  void SetBatch(bool batch) { batch_ = batch; }
  void SaveDoc();
  // Copies the whole text of an area to the clipboard.
  void Copy(CodeText text);
  // Removes the converter's texts and closes.
  void Exit();

 private:
  void ClearTexts();
  // Generate; `record` false leaves the project file alone (a run the user did not ask for).
  void Generate(bool record);
  std::string TextPath(const CodeTextFile& file) const;
  bool MergesWithFolder() const;
  void KeepWrittenCode();
  bool CodeKeptIn(CodeText text, const std::string& path) const;
  bool WriteBase(CodeText text, const std::string& path);
  void ReadProjectKeys();
  CodeSettings CurrentSettings() const;
  // The check before the dialog opened read the project file's keys, and each Generate writes
  // the typed values there: the errors the typed values give beyond those are the news.
  std::vector<LayoutFinding> TypedSettingsErrors() const;
  bool ConfirmTypedSettings();
  bool LoadIcon(int slot, const std::string& path);
  std::vector<const TChildFrm*> LiveForms() const;
  const TChildFrm* FirstForm() const;
  std::vector<std::string> LeadingLines() const;
  void WriteTempFiles();
  void RemoveTempFiles();
  bool WriteIcons(const std::string& folder);
  void CheckLibrary(const std::string& folder);
  void Error(const std::string& text);

  Ui& ui_;
  GenerateFolders folders_;
  GenerateSession session_;
  bool closed_ = false;
  bool batch_ = false;
  std::string caption_;
  int active_tab_ = 0;
  std::vector<WeakRef<TChildFrm>> forms_;
  std::vector<std::string> form_names_;
  int selected_form_ = -1;
  GenerateTarget target_ = GenerateTarget::kPde;
  bool color_visible_ = false;
  bool color_ = true;
  bool save_enabled_ = false;
  std::string output_;
  std::string creator_id_ = kDefaultCreatorId;
  std::string app_name_ = kDefaultAppName;
  std::string app_db_ = kDefaultAppDb;
  std::string version_ = kDefaultVersion;
  bool keep_code_ = true;
  std::array<CodeTextArea, kCodeTextCount> areas_;
  // The texts as generated, before any merge: what the bases are written from.
  std::array<std::vector<std::string>, kCodeTextCount> generated_;
  // The file each text was merged with, as read; nullopt when it was not merged.
  std::array<std::optional<std::string>, kCodeTextCount> merged_with_;
  bool texts_generated_ = false;
  std::string kept_text_;
  int generate_count_ = 0;
  std::array<IconPicture, kIconCount> icons_;
};

}  // namespace qb
