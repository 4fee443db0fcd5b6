#pragma once

// The main window's commands, by concern: the project (main_project.cpp), the forms
// (main_forms.cpp) and the view and options (main_view.cpp). TMain owns one of each and hands
// them out (Project(), Forms(), View()); they work on its state. The command table
// (commands.cpp) runs them.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "form/ChildFor.h"

namespace qb {

class TMain;

// How a form save ended.
enum class FormSaveResult {
  kWritten,
  kCancelled,    // the save dialog was cancelled
  kKept,         // the user chose not to replace the existing file
  kChangedKept,  // the file was changed by another program; the user chose to keep it
  kFailed,       // the file could not be written (reported)
};

class ProjectCommands {
 public:
  explicit ProjectCommands(TMain& app) : app_(app) {}

  void NewProject();
  void OpenProject();
  void OpenProjectFile(const std::string& path);
  // A file named at start-up: a project opened as Open Project opens it, else a form opened
  // as Open Form does; a missing file is reported.
  void OpenPath(const std::string& path);
  void OpenRecent(std::size_t index);
  bool SaveProject();
  bool SaveProjectAs();
  void CloseAll();
  void CloseProject();
  void LoadProject(const std::string& path);
  // Writes the project file; its other sections ("Code", "Icons") are taken from `origin`
  // when given and different (Save Project As), else from the file at `path`.
  bool SaveProjectTo(const std::string& path, const std::string& origin = "");
  // Asks to save an open project, or, without one, each visible form; false when the command
  // is to stop (Cancel, or Yes and the save did not happen).
  bool SaveChangesPrompt();
  bool SaveFormsWithoutProject();
  // Opens a form the project lists as Load project does; a form that cannot be opened is
  // added to `problems` and kept listed.
  void OpenListedForm(const std::string& form_path, std::vector<std::string>& problems);

 private:
  void SetProjectNameFromPath(const std::string& path);
  // Tells why the file is not opened as a project, if so; true then.
  bool RefusedAsProject(const std::string& path);
  // Save Project stopped at `what` (a form's name, the project file's name): says so.
  void ReportProjectNotSaved(const std::string& what);

  TMain& app_;
};

class FormCommands {
 public:
  explicit FormCommands(TMain& app) : app_(app) {}

  TChildFrm& NewForm(const std::string& name = "");
  // Reads a form file into a window NewForm made; the form records from its file on.
  void ReadFormInto(TChildFrm& window, const std::string& path);
  void OpenForm();
  void OpenFormFile(const std::string& path);
  void SaveForm() { SaveCurrentForm(false); }
  void SaveFormAs() { SaveCurrentForm(true); }
  void CloseForm();
  // The window's close box, and Close Form for the current window.
  void CloseFormWindow(TChildFrm& window);
  FormSaveResult SaveFormFile(TChildFrm& window, bool save_as);
  // The path a form is saved to: its own, or (save_as, or none yet) one chosen. nullopt when
  // the chooser was cancelled (kCancelled) or replacing a file was declined (kKept).
  std::optional<std::string> FormSavePath(TChildFrm& window, bool save_as, FormSaveResult* refused);
  // Writes the form there; it then is the form's path and the form is clean.
  FormSaveResult WriteFormTo(TChildFrm& window, const std::string& path);
  // Edit > Cut and Paste, each one edit of the current window; Copy changes nothing.
  void Cut();
  void Copy();
  void Paste();

 private:
  void SaveCurrentForm(bool save_as);

  TMain& app_;
};

class ViewCommands {
 public:
  explicit ViewCommands(TMain& app) : app_(app) {}

  void ToggleZoom();
  void TogglePropertiesEditor();
  void ToggleGrid();
  void ToggleShortNames();
  void GenerateCode();
  void GenerateButton();
  void ShowOptions();
  void ShowAbout();
  void ShowHelp();

 private:
  TMain& app_;
};

}  // namespace qb
